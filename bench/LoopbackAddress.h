#pragma once
// Loopback addresses for the simulated modules: every run has its own
// 127.0.0.x, and one already taken by another program is passed over.

#include <cstdint>
#include <optional>
#include <string>

namespace gw::bench {

inline constexpr std::uint16_t kModulePort = 20006;

bool IsLoopbackAddress(std::uint32_t hostOrder);
std::string AddressText(std::uint32_t hostOrder);

// The first 127.0.0.x, x from `first` to 254, on whose port 20006 nothing
// listens yet.
std::optional<std::uint32_t> FreeLoopbackAddress(std::uint8_t first);

// A TCP port on loopback address `hostOrder` that nothing listens on now;
// 0 when there is none or the address is not loopback.
std::uint16_t FreeTcpPort(std::uint32_t hostOrder);

}  // namespace gw::bench
