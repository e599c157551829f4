#include "platform/portlink/UdpLink.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "platform/portlink/BroadcastTargets.h"
#include "platform/util/FdWait.h"
#include "platform/util/LoopbackGuard.h"

namespace gw::portlink {

namespace {

constexpr std::uint32_t kLimitedBroadcast = 0xFFFFFFFFU;

sockaddr_in SocketAddress(std::uint32_t hostOrder, std::uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(hostOrder);
  address.sin_port = htons(port);
  return address;
}

}  // namespace

std::unique_ptr<UdpLink> UdpLink::Open(std::uint32_t remote, std::uint16_t remotePort,
                                       std::uint16_t localPort,
                                       std::optional<std::uint32_t> broadcastReplacement) {
  const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    return nullptr;
  }
  const int on = 1;
  const sockaddr_in local = SocketAddress(INADDR_ANY, localPort);
  if (::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0 ||
      ::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return nullptr;
  }
  return std::unique_ptr<UdpLink>(new UdpLink(fd, remote, remotePort, broadcastReplacement));
}

UdpLink::UdpLink(int fd, std::uint32_t remote, std::uint16_t remotePort,
                 std::optional<std::uint32_t> broadcastReplacement)
    : fd_(fd),
      remote_(remote),
      remotePort_(remotePort),
      broadcastReplacement_(broadcastReplacement) {}

UdpLink::~UdpLink() { ::close(fd_); }

std::vector<std::uint32_t> UdpLink::Destinations() const {
  if (remote_ != kLimitedBroadcast) {
    return {remote_};
  }
  if (broadcastReplacement_) {
    return {*broadcastReplacement_};
  }
  std::vector<std::uint32_t> addresses = InterfaceBroadcastAddresses();
  if (addresses.empty()) {
    addresses.push_back(kLimitedBroadcast);
  }
  return addresses;
}

int UdpLink::Send(const std::uint8_t* data, int length) {
  if (data == nullptr || length <= 0) {
    errno = EINVAL;
    return -1;
  }
  const std::vector<std::uint32_t> destinations = Destinations();
  for (const std::uint32_t destination : destinations) {
    if (!platform::MaySendTo(destination, "PortLink")) {
      return -1;
    }
  }
  int delivered = 0;
  int lastError = 0;
  for (const std::uint32_t destination : destinations) {
    const sockaddr_in to = SocketAddress(destination, remotePort_);
    if (::sendto(fd_, data, static_cast<std::size_t>(length), MSG_NOSIGNAL,
                 reinterpret_cast<const sockaddr*>(&to), sizeof to) == length) {
      ++delivered;
    } else {
      lastError = errno;
    }
  }
  if (delivered == 0) {
    errno = lastError;
    return -1;
  }
  return length;
}

int UdpLink::Receive(std::uint8_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) {
    errno = EINVAL;
    return -1;
  }
  for (;;) {
    // MSG_TRUNC reports the datagram's full length, so an oversized one is told.
    const ssize_t got =
        ::recv(fd_, buffer, static_cast<std::size_t>(capacity), MSG_DONTWAIT | MSG_TRUNC);
    if (got >= 0) {
      if (got > capacity) {
        errno = EMSGSIZE;
        return -1;
      }
      return static_cast<int>(got);
    }
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      return 0;
    }
    if (errno != EINTR) {
      return -1;
    }
  }
}

int UdpLink::Wait(int milliseconds) { return platform::WaitReadable(fd_, milliseconds); }

}  // namespace gw::portlink
