#include "LoopbackAddress.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace gw::bench {

bool IsLoopbackAddress(std::uint32_t hostOrder) { return (hostOrder >> 24) == 127; }

std::string AddressText(std::uint32_t hostOrder) {
  return std::to_string(hostOrder >> 24) + "." + std::to_string((hostOrder >> 16) & 0xFF) + "." +
         std::to_string((hostOrder >> 8) & 0xFF) + "." + std::to_string(hostOrder & 0xFF);
}

namespace {

// True when a socket without SO_REUSEADDR can take address:port, so no
// simulator of anybody else answers there.
bool PortFree(std::uint32_t hostOrder, std::uint16_t port) {
  const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = htons(port);
  local.sin_addr.s_addr = htonl(hostOrder);
  const bool free = ::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0;
  ::close(fd);
  return free;
}

}  // namespace

std::optional<std::uint32_t> FreeLoopbackAddress(std::uint8_t first) {
  for (unsigned last = first == 0 ? 1 : first; last <= 254; ++last) {
    const std::uint32_t address = 0x7F000000U | last;
    if (PortFree(address, kModulePort)) return address;
  }
  return std::nullopt;
}

}  // namespace gw::bench
