#include "platform/util/FdWait.h"

#include <poll.h>

#include <cerrno>
#include <chrono>

namespace gw::platform {

namespace {

int WaitFor(int fd, short events, int milliseconds) {
  using Clock = std::chrono::steady_clock;
  if (fd < 0) {
    errno = EBADF;
    return -1;
  }
  const auto deadline =
      Clock::now() + std::chrono::milliseconds(milliseconds > 0 ? milliseconds : 0);
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    pollfd entry{fd, events, 0};
    const int ready = ::poll(&entry, 1, left.count() > 0 ? static_cast<int>(left.count()) : 0);
    if (ready >= 0) {
      if (ready > 0 && (entry.revents & POLLNVAL) != 0) {
        errno = EBADF;
        return -1;
      }
      return ready > 0 ? 1 : 0;
    }
    if (errno != EINTR) {
      return -1;
    }
  }
}

}  // namespace

int WaitReadable(int fd, int milliseconds) { return WaitFor(fd, POLLIN, milliseconds); }

int WaitWritable(int fd, int milliseconds) { return WaitFor(fd, POLLOUT, milliseconds); }

int WriteAll(int fd, const std::uint8_t* data, int length, int milliseconds,
             const std::function<ssize_t(const std::uint8_t*, std::size_t)>& writeSome) {
  int sent = 0;
  while (sent < length) {
    const ssize_t written = writeSome(data + sent, static_cast<std::size_t>(length - sent));
    if (written >= 0) {
      sent += static_cast<int>(written);
      continue;
    }
    if (errno == EINTR) continue;
    if (errno != EAGAIN && errno != EWOULDBLOCK) return -1;
    const int ready = WaitWritable(fd, milliseconds);
    if (ready <= 0) {
      if (ready == 0) errno = ETIMEDOUT;
      return -1;
    }
  }
  return sent;
}

}  // namespace gw::platform
