#include "platform/util/Ipv4Text.h"

#include <arpa/inet.h>

namespace gw::platform {

std::string FormatIpv4(std::uint32_t hostOrder) {
  in_addr address{};
  address.s_addr = htonl(hostOrder);
  char text[INET_ADDRSTRLEN] = {};
  ::inet_ntop(AF_INET, &address, text, sizeof text);
  return text;
}

std::optional<std::uint32_t> ParseIpv4(std::string_view text) {
  const std::string terminated(text);
  in_addr address{};
  // inet_pton takes only the four-part dotted decimal form.
  if (::inet_pton(AF_INET, terminated.c_str(), &address) != 1) {
    return std::nullopt;
  }
  return ntohl(address.s_addr);
}

}  // namespace gw::platform
