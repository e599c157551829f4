#include "platform/portlink/TcpLink.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "platform/util/FdWait.h"
#include "platform/util/LoopbackGuard.h"

namespace gw::portlink {

namespace {

constexpr int kSendWaitMilliseconds = 2000;

void Fail(int fd) {
  const int error = errno;
  ::close(fd);
  errno = error;
}

}  // namespace

std::unique_ptr<TcpLink> TcpLink::Connect(std::uint32_t remote, std::uint16_t port,
                                          int connectMilliseconds) {
  if (!platform::MaySendTo(remote, "PortLink")) {
    return nullptr;
  }
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    return nullptr;
  }
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_addr.s_addr = htonl(remote);
  to.sin_port = htons(port);
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0) {
    if (errno != EINPROGRESS) {
      Fail(fd);
      return nullptr;
    }
    const int ready = platform::WaitWritable(fd, connectMilliseconds);
    if (ready <= 0) {
      if (ready == 0) {
        errno = ETIMEDOUT;
      }
      Fail(fd);
      return nullptr;
    }
    int error = 0;
    socklen_t size = sizeof error;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
      if (error != 0) {
        errno = error;
      }
      Fail(fd);
      return nullptr;
    }
  }
  return std::unique_ptr<TcpLink>(new TcpLink(fd));
}

TcpLink::~TcpLink() { ::close(fd_); }

int TcpLink::Send(const std::uint8_t* data, int length) {
  if (data == nullptr || length <= 0) {
    errno = EINVAL;
    return -1;
  }
  return platform::WriteAll(fd_, data, length, kSendWaitMilliseconds,
                            [this](const std::uint8_t* bytes, std::size_t count) {
                              return ::send(fd_, bytes, count, MSG_NOSIGNAL | MSG_DONTWAIT);
                            });
}

int TcpLink::Receive(std::uint8_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) {
    errno = EINVAL;
    return -1;
  }
  for (;;) {
    const ssize_t got = ::recv(fd_, buffer, static_cast<std::size_t>(capacity), MSG_DONTWAIT);
    if (got > 0) {
      return static_cast<int>(got);
    }
    if (got == 0) {
      errno = ECONNRESET;
      return -1;
    }
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      return 0;
    }
    if (errno != EINTR) {
      return -1;
    }
  }
}

int TcpLink::Wait(int milliseconds) { return platform::WaitReadable(fd_, milliseconds); }

}  // namespace gw::portlink
