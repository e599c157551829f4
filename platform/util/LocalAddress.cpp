#include "platform/util/LocalAddress.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/util/LoopbackGuard.h"

namespace gw::platform {

std::optional<std::uint32_t> LocalAddressToward(std::uint32_t destination) {
  if (LoopbackOnly() && !IsLoopback(destination)) return std::nullopt;
  const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return std::nullopt;
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(9);  // any port: a connected datagram socket sends nothing
  to.sin_addr.s_addr = htonl(destination);
  sockaddr_in from{};
  socklen_t length = sizeof from;
  std::optional<std::uint32_t> local;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&from), &length) == 0) {
    local = ntohl(from.sin_addr.s_addr);
  }
  ::close(fd);
  return local;
}

}  // namespace gw::platform
