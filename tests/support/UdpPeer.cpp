#include "UdpPeer.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>

namespace gw::test {

UdpPeer::UdpPeer(std::uint32_t address, std::uint16_t port) {
  fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  const int on = 1;
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = htonl(address);
  local.sin_port = htons(port);
  if (fd_ < 0 || ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
      ::setsockopt(fd_, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0 ||
      ::bind(fd_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
    std::perror("UdpPeer");
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
}

UdpPeer::~UdpPeer() {
  if (fd_ >= 0) ::close(fd_);
}

std::optional<UdpPeer::Datagram> UdpPeer::Receive(std::chrono::milliseconds wait) {
  pollfd entry{fd_, POLLIN, 0};
  if (fd_ < 0 || ::poll(&entry, 1, static_cast<int>(wait.count())) <= 0) return std::nullopt;
  Datagram datagram;
  datagram.bytes.resize(2048);
  socklen_t size = sizeof datagram.from;
  const ssize_t got = ::recvfrom(fd_, datagram.bytes.data(), datagram.bytes.size(), 0,
                                 reinterpret_cast<sockaddr*>(&datagram.from), &size);
  if (got < 0) return std::nullopt;
  datagram.bytes.resize(static_cast<std::size_t>(got));
  return datagram;
}

std::vector<std::uint8_t> UdpPeer::ReceiveBytes(std::chrono::milliseconds wait) {
  auto datagram = Receive(wait);
  return datagram ? std::move(datagram->bytes) : std::vector<std::uint8_t>{};
}

void UdpPeer::SendTo(const sockaddr_in& to, const std::vector<std::uint8_t>& bytes) {
  ::sendto(fd_, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
}

void UdpPeer::SendTo(std::uint32_t address, std::uint16_t port,
                     const std::vector<std::uint8_t>& bytes) {
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_addr.s_addr = htonl(address);
  to.sin_port = htons(port);
  SendTo(to, bytes);
}

}  // namespace gw::test
