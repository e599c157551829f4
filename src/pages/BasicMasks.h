#pragma once
// The change masks the Basic page sets beyond one bit per field, and the
// ranges its Apply checks the timers against.

#include <cstdint>

#include "model/ChangeMasks.h"

namespace gw::pages {

// A new IP configuration sends the three addresses with it.
inline constexpr std::uint32_t kIpConfigurationChange =
    netbits::IpConfiguration | netbits::IpAddress | netbits::Netmask | netbits::Gateway;
// Everything the Basic page writes after a parameter import.
inline constexpr std::uint32_t kBasicAll = netbits::ModuleName | kIpConfigurationChange;

// Keep Alive Time (s), Modbus Timeout (ms), Delay Time (ms): decimal, at most
// this high, and at least their own low.
inline constexpr std::uint32_t kTimerHigh = 65535;
inline constexpr std::uint32_t kKeepAliveLow = 5;
inline constexpr std::uint32_t kModbusTimeoutLow = 5;
inline constexpr std::uint32_t kDelayTimeLow = 0;

}  // namespace gw::pages
