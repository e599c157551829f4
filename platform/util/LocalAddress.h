#pragma once
// Which of this computer's IPv4 addresses a datagram to a given address
// would leave from: the address of the interface that reaches it.

#include <cstdint>
#include <optional>

namespace gw::platform {

// Asks the system's routing by connecting an unbound UDP socket, which sends
// nothing. Addresses in host order; none when no interface reaches
// `destination`, or when GWSUITE_LOOPBACK_ONLY=1 and it is not a loopback
// address.
std::optional<std::uint32_t> LocalAddressToward(std::uint32_t destination);

}  // namespace gw::platform
