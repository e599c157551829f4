#include "PageInput.h"

#include <string>

namespace gw::pages {

namespace {

constexpr std::size_t kMaxDigits = 9;  // below 2^32

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::uint8_t HexValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<std::uint8_t>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
  return 0;
}

}  // namespace

std::optional<std::uint32_t> ParseDecimal(std::string_view text) {
  if (text.empty() || text.size() > kMaxDigits) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return value;
}

std::uint16_t LeadingNumber16(std::string_view text) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < text.size() && i < kMaxDigits && IsDigit(text[i]); ++i) {
    value = value * 10 + static_cast<std::uint32_t>(text[i] - '0');
  }
  return static_cast<std::uint16_t>(value);
}

std::uint8_t HexTextByte(std::string_view text) {
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    text.remove_prefix(2);
  unsigned value = 0;
  for (char c : text) {
    const bool hex = IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    if (!hex) break;
    value = (value << 4) | HexValue(c);
  }
  return static_cast<std::uint8_t>(value);
}

std::array<std::uint8_t, 16> ParseIpv6Text(std::string_view text) {
  std::string digits;
  for (char c : text) {
    if (c != ':') digits += c;
  }
  std::array<std::uint8_t, 16> bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char high = 2 * i < digits.size() ? digits[2 * i] : '0';
    const char low = 2 * i + 1 < digits.size() ? digits[2 * i + 1] : '0';
    bytes[i] = static_cast<std::uint8_t>((HexValue(high) << 4) | HexValue(low));
  }
  return bytes;
}

}  // namespace gw::pages
