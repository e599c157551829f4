#include "platform/portlink/SerialLine.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <utility>

#include "platform/util/FdWait.h"
#include "platform/util/SerialFrameDecoder.h"

namespace gw::portlink {

namespace {

using Step = platform::SerialFrameDecoder::Step;
constexpr int kSendWaitMilliseconds = 2000;

constexpr std::array<std::pair<int, speed_t>, 13> kSpeeds{{
    {300, B300},
    {600, B600},
    {1200, B1200},
    {2400, B2400},
    {4800, B4800},
    {9600, B9600},
    {19200, B19200},
    {38400, B38400},
    {57600, B57600},
    {115200, B115200},
    {230400, B230400},
    {460800, B460800},
    {921600, B921600},
}};

bool SpeedFor(int baud, speed_t& speed) {
  for (const auto& [rate, constant] : kSpeeds) {
    if (rate == baud) {
      speed = constant;
      return true;
    }
  }
  return false;
}

bool ApplyFormat(termios& settings, const SerialFormat& format) {
  speed_t speed = B0;
  if (!SpeedFor(format.baud, speed)) {
    return false;
  }
  ::cfmakeraw(&settings);
  if (::cfsetispeed(&settings, speed) != 0 || ::cfsetospeed(&settings, speed) != 0) {
    return false;
  }
  settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
  settings.c_cflag |= CLOCAL | CREAD;
  switch (format.dataBits) {
    case 5:
      settings.c_cflag |= CS5;
      break;
    case 6:
      settings.c_cflag |= CS6;
      break;
    case 7:
      settings.c_cflag |= CS7;
      break;
    case 8:
      settings.c_cflag |= CS8;
      break;
    default:
      return false;
  }
  const std::optional<platform::Parity> parity = platform::ParityOf(format.parity);
  if (!parity) return false;
  if (*parity == platform::Parity::Odd) settings.c_cflag |= PARENB | PARODD;
  if (*parity == platform::Parity::Even) settings.c_cflag |= PARENB;
  switch (format.stopBits) {
    case 1:
      break;
    case 2:
      settings.c_cflag |= CSTOPB;
      break;
    default:
      return false;
  }
  settings.c_cc[VMIN] = 0;
  settings.c_cc[VTIME] = 0;
  return true;
}

}  // namespace

std::unique_ptr<SerialLine> SerialLine::Open(const std::string& device,
                                             const SerialFormat& format) {
  termios settings{};
  if (!ApplyFormat(settings, format)) {
    errno = EINVAL;
    return nullptr;
  }
  const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return nullptr;
  }
  termios current{};
  if (::tcgetattr(fd, &current) != 0) {
    const int error = errno == EINVAL ? ENOTTY : errno;
    ::close(fd);
    errno = error;
    return nullptr;
  }
  // Starts from the line's own settings (its line discipline stays).
  ApplyFormat(current, format);
  if (::tcsetattr(fd, TCSANOW, &current) != 0) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return nullptr;
  }
  ::tcflush(fd, TCIOFLUSH);
  return std::unique_ptr<SerialLine>(new SerialLine(fd));
}

SerialLine::~SerialLine() { ::close(fd_); }

int SerialLine::Send(const std::uint8_t* data, int length) {
  if (data == nullptr || length <= 0) {
    errno = EINVAL;
    return -1;
  }
  return platform::WriteAll(
      fd_, data, length, kSendWaitMilliseconds,
      [this](const std::uint8_t* bytes, std::size_t count) { return ::write(fd_, bytes, count); });
}

int SerialLine::ReadMore(std::chrono::milliseconds wait) {
  const int ready = platform::WaitReadable(fd_, static_cast<int>(wait.count()));
  if (ready <= 0) {
    return ready;
  }
  std::array<std::uint8_t, 512> chunk{};
  for (;;) {
    const ssize_t got = ::read(fd_, chunk.data(), chunk.size());
    if (got > 0) {
      pending_.insert(pending_.end(), chunk.begin(), chunk.begin() + got);
      return static_cast<int>(got);
    }
    if (got == 0) {
      // Readable with nothing to read: the other end has hung up.
      errno = EIO;
      return -1;
    }
    if (errno == EINTR) {
      continue;
    }
    return (errno == EAGAIN || errno == EWOULDBLOCK) ? 0 : -1;
  }
}

int SerialLine::Receive(std::uint8_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) {
    errno = EINVAL;
    return -1;
  }
  if (pending_.empty()) {
    const int first = ReadMore(kFirstByteWait);
    if (first <= 0) {
      return first;
    }
  }
  // Each receive reads one frame afresh; the decoder only finds its end.
  platform::SerialFrameDecoder frame;
  int count = 0;
  for (;;) {
    while (!pending_.empty() && count < capacity) {
      const std::uint8_t byte = pending_.front();
      pending_.pop_front();
      const auto step = frame.Take(byte);
      if (step == Step::Opened && count == 1 && buffer[0] == platform::kFrameEnd) {
        continue;  // a repeated opening delimiter
      }
      buffer[count++] = byte;
      if (step == Step::Closed) {
        return count;
      }
    }
    if (count == capacity) {
      return count;
    }
    const int more = ReadMore(kSilence);
    if (more == 0) {
      return count;
    }
    if (more < 0) {
      return count > 0 ? count : -1;
    }
  }
}

int SerialLine::Wait(int milliseconds) {
  if (!pending_.empty()) {
    return 1;
  }
  return platform::WaitReadable(fd_, milliseconds);
}

}  // namespace gw::portlink
