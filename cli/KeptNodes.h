#pragma once
// The node list nxgcfg keeps between runs: every module the last search found
// (up to 253), as a node list stream in a file of its own in the settings
// folder. The desktop program's store holds at most 85 nodes, so the tool
// does not share it. Every change of the file is a load-modify-save under
// the settings folder's lock.

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

// Puts `node` in place of the kept entry with its MAC address, leaving every
// other entry as the file holds it now: several runs of the tool, each on a
// module of its own, may keep what they read at the same time without one
// losing another's. Nothing changes when the list holds no such module (a
// newer search replaced it). The reason when it could not be kept.
std::optional<std::string> KeepNode(const NodeRecord& node);

}  // namespace gw::cli
