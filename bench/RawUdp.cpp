#include "RawUdp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

#include "LoopbackAddress.h"

namespace gw::bench {

RawUdp::RawUdp() : buffer_(2048) {
  fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd_ < 0) throw std::runtime_error("cannot make a UDP socket");
}

RawUdp::~RawUdp() { ::close(fd_); }

bool RawUdp::Send(std::uint32_t address, std::uint16_t port,
                  const std::vector<std::uint8_t>& bytes) {
  if (!IsLoopbackAddress(address)) return false;
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(port);
  to.sin_addr.s_addr = htonl(address);
  return ::sendto(fd_, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to),
                  sizeof to) == static_cast<ssize_t>(bytes.size());
}

int RawUdp::Receive(std::chrono::milliseconds wait) {
  pollfd entry{fd_, POLLIN, 0};
  if (::poll(&entry, 1, static_cast<int>(wait.count())) <= 0) return -1;
  const ssize_t got = ::recv(fd_, buffer_.data(), buffer_.size(), MSG_DONTWAIT);
  return got >= 0 ? static_cast<int>(got) : -1;
}

}  // namespace gw::bench
