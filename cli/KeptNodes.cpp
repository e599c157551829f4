#include "KeptNodes.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include "model/NodeListStream.h"
#include "platform/util/AtomicFile.h"
#include "platform/util/ConfigFolder.h"
#include "platform/util/FileLock.h"

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

namespace {

std::optional<std::string> WriteKept(NodeTable& table) {
  const std::filesystem::path path = KeptNodesPath();
  if (!platform::WriteFileAtomically(path, WriteNodeList(table))) {
    return "The node list could not be kept in " + path.string() + ": " + std::strerror(errno) +
           ".";
  }
  return std::nullopt;
}

std::optional<std::string> NoFolder() {
  if (platform::EnsureConfigFolder()) return std::nullopt;
  return "The node list could not be kept: the settings folder " +
         platform::ConfigFolder().string() + " cannot be created.";
}

}  // namespace

std::optional<std::string> KeepNodes(NodeTable& table) {
  if (auto error = NoFolder()) return error;
  const platform::FolderLock lock(KeptNodesPath());
  return WriteKept(table);
}

std::optional<std::string> KeepNode(const NodeRecord& node) {
  if (auto error = NoFolder()) return error;
  const platform::FolderLock lock(KeptNodesPath());
  // A node table is too large for the stack.
  const auto kept = std::make_unique<NodeTable>();
  if (auto error = LoadKeptNodes(*kept)) return error;
  for (int i = 0; i < kept->Count(); ++i) {
    if (kept->Node(i).Mac() != node.Mac()) continue;
    kept->Node(i) = node;
    return WriteKept(*kept);
  }
  return std::nullopt;
}

}  // namespace gw::cli
