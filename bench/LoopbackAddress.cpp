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

// Binds a socket of `type` without SO_REUSEADDR to address:port (port 0:
// one the system picks): the port it got, or 0 when another program holds it.
std::uint16_t BindProbe(int type, std::uint32_t hostOrder, std::uint16_t port) {
  const int fd = ::socket(AF_INET, type | SOCK_CLOEXEC, 0);
  if (fd < 0) return 0;
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = htons(port);
  local.sin_addr.s_addr = htonl(hostOrder);
  socklen_t length = sizeof local;
  const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0 &&
                     ::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) == 0;
  ::close(fd);
  return bound ? ntohs(local.sin_port) : 0;
}

// True when no simulator of anybody else answers at address:port.
bool PortFree(std::uint32_t hostOrder, std::uint16_t port) {
  return BindProbe(SOCK_DGRAM, hostOrder, port) != 0;
}

}  // namespace

std::optional<std::uint32_t> FreeLoopbackAddress(std::uint8_t first) {
  for (unsigned last = first == 0 ? 1 : first; last <= 254; ++last) {
    const std::uint32_t address = 0x7F000000U | last;
    if (PortFree(address, kModulePort)) return address;
  }
  return std::nullopt;
}

std::uint16_t FreeTcpPort(std::uint32_t hostOrder) {
  return IsLoopbackAddress(hostOrder) ? BindProbe(SOCK_STREAM, hostOrder, 0) : 0;
}

}  // namespace gw::bench
