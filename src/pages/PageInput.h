#pragma once
// Reading what the user typed into the pages' edits.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace gw::pages {

// A decimal number of digits only, at most 9 of them; nothing for an empty
// text or any other character.
std::optional<std::uint32_t> ParseDecimal(std::string_view text);

// The number the leading digits of the text give, 0 when there are none,
// kept to 16 bits.
std::uint16_t LeadingNumber16(std::string_view text);

// The byte a two-digit character edit gives: the text upper-cased, a leading
// "0X" skipped, then hexadecimal digits up to the first other character
// ("G1" 0, "7e" 0x7E, "" 0), kept to 8 bits.
std::uint8_t HexTextByte(std::string_view text);

// The text of the IPv6 edit as 16 bytes: every ':' removed, then two
// hexadecimal digits per byte, first digit high; a character that is no
// hexadecimal digit counts as 0, missing digits too.
std::array<std::uint8_t, 16> ParseIpv6Text(std::string_view text);

}  // namespace gw::pages
