#include "PtyEndpoint.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

namespace gw::sim {

namespace {
constexpr std::size_t kMaxQueued = 1 << 20;
}

PtyEndpoint::~PtyEndpoint() {
  if (!link_.empty()) ::unlink(link_.c_str());
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
}

bool PtyEndpoint::Open(const std::string& link, bool pace, std::string& error) {
  termios raw{};
  ::cfmakeraw(&raw);
  ::cfsetispeed(&raw, B19200);
  ::cfsetospeed(&raw, B19200);
  raw.c_cflag |= CLOCAL | CREAD;
  char name[PATH_MAX] = {};
  if (::openpty(&master_, &slave_, name, &raw, nullptr) != 0) {
    error = std::string("cannot open a pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  path_ = name;
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  ::fcntl(master_, F_SETFD, FD_CLOEXEC);
  ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
  if (pace) pacer_.emplace();
  if (!link.empty()) {
    struct stat st {};
    if (::lstat(link.c_str(), &st) == 0) {
      if (!S_ISLNK(st.st_mode)) {
        error = "cannot make the link " + link + ": something else is there";
        return false;
      }
      ::unlink(link.c_str());
    }
    if (::symlink(path_.c_str(), link.c_str()) != 0) {
      error = "cannot make the link " + link + ": " + std::strerror(errno);
      return false;
    }
    link_ = link;
  }
  return true;
}

std::vector<std::uint8_t> PtyEndpoint::Receive() {
  std::vector<std::uint8_t> bytes(4096);
  const ssize_t n = ::read(master_, bytes.data(), bytes.size());
  bytes.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return bytes;
}

void PtyEndpoint::Queue(const std::vector<std::uint8_t>& bytes) {
  // Nobody reads the line: keep the newest replies, as a real line would
  // have lost the old ones anyway.
  while (!out_.empty() && out_.size() + bytes.size() > kMaxQueued) out_.pop_front();
  out_.insert(out_.end(), bytes.begin(), bytes.end());
}

std::optional<LinePacer::Wait> PtyEndpoint::NextWait(LinePacer::Micros now) const {
  if (!HasOutput()) return std::nullopt;
  if (!pacer_) return LinePacer::Wait{true, {}};
  return pacer_->Next(now);
}

void PtyEndpoint::Flush(LinePacer::Micros now) {
  while (HasOutput() && (!pacer_ || pacer_->Allowance(now) > 0)) {
    std::size_t n = out_.size();
    if (pacer_) n = std::min(n, pacer_->Allowance(now));
    std::vector<std::uint8_t> chunk(out_.begin(), out_.begin() + static_cast<std::ptrdiff_t>(n));
    const ssize_t written = ::write(master_, chunk.data(), chunk.size());
    if (written <= 0) return;  // the terminal is full: wait until it can take more
    out_.erase(out_.begin(), out_.begin() + written);
    if (pacer_) pacer_->Sent(now, static_cast<std::size_t>(written));
  }
}

}  // namespace gw::sim
