#include "NodeListStream.h"

#include <algorithm>

namespace gw {

namespace {
constexpr std::size_t kEntrySelected = 0;
constexpr std::size_t kEntryHeader = 4;
constexpr std::size_t kEntryNetwork = kEntryHeader + hdr::kSize;
}  // namespace

std::vector<std::uint8_t> WriteNodeList(NodeTable& table, int limit) {
  const int count = std::clamp(limit, 0, table.Count());
  std::vector<std::uint8_t> stream(NodeListStreamSize(count), 0);
  StoreLE32(stream, 0, static_cast<std::uint32_t>(count));
  for (int i = 0; i < count; ++i) {
    const NodeRecord& node = table.Node(i);
    Bytes entry = Bytes(stream).subspan(NodeListStreamSize(i), kNodeListEntrySize);
    StoreLE32(entry, kEntrySelected, node.Selected());
    std::ranges::copy(node.Header(), entry.begin() + kEntryHeader);
    std::ranges::copy(node.Block(kBlocks[0]), entry.begin() + kEntryNetwork);
  }
  table.ResetNodeFlags();
  return stream;
}

std::optional<std::string> ReadNodeList(NodeTable& table, ConstBytes stream) {
  if (stream.empty()) {
    table.SetCount(0);
    return std::nullopt;
  }
  if (stream.size() < kNodeListCountSize) {
    return "The node list is damaged: it is only " + std::to_string(stream.size()) + " bytes long.";
  }
  const std::uint32_t count = LoadLE32(stream, 0);
  if (count > static_cast<std::uint32_t>(NodeTable::kNodeSlots)) {
    return "The node list names " + std::to_string(count) + " modules, more than the " +
           std::to_string(NodeTable::kNodeSlots) + " a document holds.";
  }
  const std::size_t needed = NodeListStreamSize(static_cast<int>(count));
  if (stream.size() < needed) {
    return "The node list is damaged: it names " + std::to_string(count) + " modules but holds " +
           std::to_string(stream.size()) + " of the " + std::to_string(needed) +
           " bytes they need.";
  }
  for (int i = 0; i < static_cast<int>(count); ++i) {
    NodeRecord& node = table.Node(i);
    const ConstBytes entry = stream.subspan(NodeListStreamSize(i), kNodeListEntrySize);
    node.SetSelected(LoadLE32(entry, kEntrySelected));
    std::ranges::copy(entry.subspan(kEntryHeader, hdr::kSize), node.Header().begin());
    std::ranges::copy(entry.subspan(kEntryNetwork, kBlocks[0].size),
                      node.Block(kBlocks[0]).begin());
  }
  table.SetCount(static_cast<int>(count));
  table.ResetNodeFlags();
  return std::nullopt;
}

}  // namespace gw
