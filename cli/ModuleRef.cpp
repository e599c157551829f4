#include "ModuleRef.h"

#include <charconv>
#include <vector>

namespace gw::cli {

namespace {

bool ParseNumber(const std::string& text, int& value) {
  if (text.empty()) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc{} && end == text.data() + text.size() && value >= 0;
}

}  // namespace

bool ParseMac(const std::string& text, MacAddress& mac) {
  if (text.size() != 17) return false;
  for (std::size_t i = 0; i < 6; ++i) {
    if (i > 0 && text[3 * i - 1] != ':' && text[3 * i - 1] != '-') return false;
    unsigned value = 0;
    const char* first = text.data() + 3 * i;
    const auto [end, ec] = std::from_chars(first, first + 2, value, 16);
    if (ec != std::errc{} || end != first + 2) return false;
    mac[i] = static_cast<std::uint8_t>(value);
  }
  return true;
}

FoundModule FindModule(const NodeTable& nodes, const std::string& reference) {
  if (nodes.Count() == 0) return {-1, "No modules are known; run 'nxgcfg search' first."};
  MacAddress mac{};
  if (ParseMac(reference, mac)) {
    for (int i = 0; i < nodes.Count(); ++i) {
      if (nodes.Node(i).Mac() == mac) return {i, {}};
    }
    return {-1, "No module with MAC address " + MacText(mac) + " was found by the last search."};
  }
  int number = 0;
  if (reference.size() > 1 && reference[0] == '#' && ParseNumber(reference.substr(1), number)) {
    if (number < nodes.Count()) return {number, {}};
    return {-1, "The last search found " + std::to_string(nodes.Count()) +
                    " modules; there is no " + reference + "."};
  }
  if (ParseNumber(reference, number)) {
    std::vector<int> hits;
    for (int i = 0; i < nodes.Count(); ++i) {
      if (nodes.Node(i).ModuleNumber() == number) hits.push_back(i);
    }
    if (hits.size() == 1) return {hits[0], {}};
    if (hits.empty()) {
      return {-1, "No module with module number " + reference + " was found by the last search."};
    }
    return {-1, std::to_string(hits.size()) + " modules have module number " + reference +
                    "; name one by its MAC address or its #index."};
  }
  return {-1, "'" + reference + "' is not a MAC address, a #index or a module number."};
}

}  // namespace gw::cli
