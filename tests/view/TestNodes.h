#pragma once
// Node tables for the view's tests: nodes as a search leaves them.

#include <algorithm>
#include <cstdint>
#include <string>

#include "model/NodeTable.h"
#include "support/Records.h"

namespace gw::test {

// Appends a found, online, unselected node.
inline NodeRecord& AddNode(NodeTable& nodes, std::uint16_t moduleNumber, const std::string& name,
                           std::uint32_t ip = 0x7F000002, bool locked = false) {
  const int k = nodes.Count();
  nodes.SetCount(k + 1);
  NodeRecord& node = nodes.Node(k);
  node.Clear();
  const auto header = ModuleHeader(static_cast<std::uint8_t>(k), moduleNumber);
  std::copy(header.begin(), header.end(), node.Header().begin());
  if (locked) StoreBE16(node.Header(), hdr::LockState, kLockStateLocked);
  Bytes network = node.Block(0);
  StoreText(network.subspan(net::ModuleName, net::kModuleNameSize), name);
  StoreBE32(network, net::IpAddress, ip);
  node.SetOnline(1);
  return node;
}

inline void AddNodes(NodeTable& nodes, int count) {
  for (int k = 0; k < count; ++k) {
    AddNode(nodes, static_cast<std::uint16_t>(k + 1), "GW-" + std::to_string(k + 1),
            0x7F000002 + static_cast<std::uint32_t>(k));
  }
}

}  // namespace gw::test
