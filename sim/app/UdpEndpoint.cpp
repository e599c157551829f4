#include "UdpEndpoint.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/util/Ipv4Text.h"

namespace gw::sim {

namespace {
constexpr std::size_t kDatagramBuffer = 2048;  // above the largest frame body
}

UdpEndpoint::~UdpEndpoint() {
  if (fd_ >= 0) ::close(fd_);
}

bool UdpEndpoint::Open(std::uint32_t address, std::uint16_t port, std::string& error) {
  fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd_ < 0) {
    error = std::string("cannot make a UDP socket: ") + std::strerror(errno);
    return false;
  }
  const int on = 1;
  ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = htons(port);
  local.sin_addr.s_addr = htonl(address);
  if (::bind(fd_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
    error = "cannot listen on " + PeerText(local) + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

bool UdpEndpoint::Receive(Datagram& d) {
  d.bytes.resize(kDatagramBuffer);
  socklen_t len = sizeof d.from;
  const ssize_t n = ::recvfrom(fd_, d.bytes.data(), d.bytes.size(), MSG_TRUNC,
                               reinterpret_cast<sockaddr*>(&d.from), &len);
  if (n < 0) return false;
  d.truncated = static_cast<std::size_t>(n) > d.bytes.size();
  d.bytes.resize(std::min(static_cast<std::size_t>(n), d.bytes.size()));
  return true;
}

bool UdpEndpoint::Send(const std::vector<std::uint8_t>& bytes, const sockaddr_in& to,
                       std::string& error) {
  const ssize_t n = ::sendto(fd_, bytes.data(), bytes.size(), 0,
                             reinterpret_cast<const sockaddr*>(&to), sizeof to);
  if (n == static_cast<ssize_t>(bytes.size())) return true;
  error = "cannot send to " + PeerText(to) + ": " + std::strerror(errno);
  return false;
}

std::string PeerText(const sockaddr_in& peer) {
  return platform::FormatIpv4(ntohl(peer.sin_addr.s_addr)) + ":" +
         std::to_string(ntohs(peer.sin_port));
}

}  // namespace gw::sim
