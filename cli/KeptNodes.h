#pragma once
// The node list nxgcfg keeps between runs: every module the last search found
// (up to 253), as a node list stream in a file of its own in the settings
// folder. The desktop program's store holds at most 85 nodes, so the tool
// does not share it.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/NodeTable.h"

namespace gw::cli {

inline constexpr std::string_view kKeptNodesFile = "NxgcfgNodes.dat";

std::filesystem::path KeptNodesPath();

// Reads the kept list into `table`; no file gives an empty list. The reason
// when the file could not be read or is damaged (the table is then empty).
std::optional<std::string> LoadKeptNodes(NodeTable& table);

// Replaces the kept list with `table` in one atomic step; the reason when it
// could not be kept (the previous list then stays).
std::optional<std::string> KeepNodes(NodeTable& table);

}  // namespace gw::cli
