#pragma once
// The change masks the Basic page sets beyond one bit per field.

#include <cstdint>

#include "model/ChangeMasks.h"

namespace gw::pages {

// A new IP configuration sends the three addresses with it.
inline constexpr std::uint32_t kIpConfigurationChange =
    netbits::IpConfiguration | netbits::IpAddress | netbits::Netmask | netbits::Gateway;
// Everything the Basic page writes after a parameter import.
inline constexpr std::uint32_t kBasicAll = netbits::ModuleName | kIpConfigurationChange;

}  // namespace gw::pages
