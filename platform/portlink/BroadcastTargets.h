#pragma once
// Where a limited broadcast (255.255.255.255) really has to go: a plain send
// to that address leaves by one interface only, so PortLink sends one copy
// to the broadcast address of each interface instead.

#include <cstdint>
#include <vector>

namespace gw::portlink {

// Broadcast addresses (host order) of the IPv4 interfaces that are up and
// can broadcast, without repeats, in interface order.
std::vector<std::uint32_t> InterfaceBroadcastAddresses();

}  // namespace gw::portlink
