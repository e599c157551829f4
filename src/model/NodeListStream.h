#pragma once
// The node list stream: the found nodes' identity and network parameters, as
// the host stores them for the document and as the document's file holds
// them. A little-endian count, then per node a little-endian Selected, the
// ReplyHeader and the NetworkBlock.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "NodeTable.h"

namespace gw {

inline constexpr std::size_t kNodeListCountSize = 4;
inline constexpr std::size_t kNodeListEntrySize = 4 + hdr::kSize + 80;

constexpr std::size_t NodeListStreamSize(int count) {
  return kNodeListCountSize + kNodeListEntrySize * static_cast<std::size_t>(count);
}

// Writes the first `limit` nodes (all of them by default). Afterwards every
// node has Selected 0 and Online 1.
std::vector<std::uint8_t> WriteNodeList(NodeTable& table, int limit = NodeTable::kNodeSlots);

// Reads a stream into the table. An empty stream gives an empty list. A stream
// that names more nodes than the table holds, or that is shorter than its
// count says, is refused with the reason and the table is left unchanged.
// Afterwards every node has Selected 0 and Online 1.
std::optional<std::string> ReadNodeList(NodeTable& table, ConstBytes stream);

}  // namespace gw
