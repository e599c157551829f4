#include "KeptNodes.h"

#include <cerrno>
#include <cstring>

#include "model/NodeListStream.h"
#include "platform/util/AtomicFile.h"
#include "platform/util/ConfigFolder.h"

namespace gw::cli {

std::filesystem::path KeptNodesPath() { return platform::ConfigFile(kKeptNodesFile); }

std::optional<std::string> LoadKeptNodes(NodeTable& table) {
  table.SetCount(0);
  const std::filesystem::path path = KeptNodesPath();
  const platform::FileContent content =
      platform::ReadSmallFile(path, NodeListStreamSize(NodeTable::kNodeSlots));
  switch (content.status) {
    case platform::ReadStatus::Ok: {
      auto error = ReadNodeList(table, content.bytes);
      if (error) return *error + " (" + path.string() + ")";
      return std::nullopt;
    }
    case platform::ReadStatus::Missing:
      return std::nullopt;
    case platform::ReadStatus::TooLarge:
      return path.string() + " is longer than any node list; it was not read.";
    case platform::ReadStatus::Failed:
      break;
  }
  return "The node list " + path.string() + " could not be read: " + std::strerror(errno) + ".";
}

std::optional<std::string> KeepNodes(NodeTable& table) {
  const std::filesystem::path path = KeptNodesPath();
  const std::vector<std::uint8_t> stream = WriteNodeList(table);
  if (!platform::EnsureConfigFolder()) {
    return "The node list could not be kept: the settings folder " +
           platform::ConfigFolder().string() + " cannot be created.";
  }
  if (!platform::WriteFileAtomically(path, stream)) {
    return "The node list could not be kept in " + path.string() + ": " + std::strerror(errno) +
           ".";
  }
  return std::nullopt;
}

}  // namespace gw::cli
