#pragma once
// The ChangeMask bits the pages set in the blocks they write: one bit per
// changed field, so that the module takes only those fields.

#include <cstdint>

namespace gw::pages {

namespace netbits {  // NetworkBlock (block 0)
inline constexpr std::uint32_t ModuleName = 1u << 31;
inline constexpr std::uint32_t IpAddress = 1u << 30;
inline constexpr std::uint32_t Netmask = 1u << 29;
inline constexpr std::uint32_t Gateway = 1u << 28;
inline constexpr std::uint32_t Password = 1u << 27;
inline constexpr std::uint32_t IpConfiguration = 1u << 25;
inline constexpr std::uint32_t Ipv6 = 1u << 22;  // the switch and the address
// A new IP configuration sends the three addresses with it.
inline constexpr std::uint32_t kIpConfigurationChange = IpConfiguration | IpAddress | Netmask | Gateway;
// Everything the Basic page writes after a parameter import.
inline constexpr std::uint32_t kBasicAll = ModuleName | kIpConfigurationChange;
}  // namespace netbits

namespace serialbits {  // SerialBlock (block 11): the block as a whole
inline constexpr std::uint32_t Any = 1u << 31;
}  // namespace serialbits

}  // namespace gw::pages
