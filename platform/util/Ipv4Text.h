#pragma once
// Dotted IPv4 text for addresses held as 32-bit values in host order.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gw::platform {

// "192.168.1.5" for 0xC0A80105.
std::string FormatIpv4(std::uint32_t hostOrder);

// The address of dotted text (exactly four decimal parts); nullopt otherwise.
std::optional<std::uint32_t> ParseIpv4(std::string_view text);

}  // namespace gw::platform
