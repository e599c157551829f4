#include "platform/util/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

namespace gw::platform {

namespace {

bool WriteAll(int fd, const void* bytes, std::size_t size) {
  const char* data = static_cast<const char*>(bytes);
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// A new temporary file beside `file`, created with the old file's mode or,
// for a new file, rw-r--r-- less the umask.
int CreateTemporary(const std::filesystem::path& file, std::string& temp) {
  static std::atomic<unsigned> counter{0};
  struct stat info {};
  const bool exists = ::stat(file.c_str(), &info) == 0;
  const mode_t mode = exists ? (info.st_mode & 07777) : 0644;
  std::filesystem::path folder = file.parent_path();
  if (folder.empty()) {
    folder = ".";
  }
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = (folder / ("." + file.filename().string() + "." + std::to_string(::getpid()) + "." +
                      std::to_string(counter++)))
               .string();
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0) {
      if (exists) {
        (void)::fchmod(fd, mode);
      }
      return fd;
    }
    if (errno != EEXIST) {
      return -1;
    }
  }
  return -1;
}

bool WriteThroughTemporary(const std::filesystem::path& file, const void* data, std::size_t size) {
  std::string temp;
  const int fd = CreateTemporary(file, temp);
  if (fd < 0) {
    return false;
  }
  bool ok = WriteAll(fd, data, size) && ::fsync(fd) == 0;
  int savedErrno = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    savedErrno = errno;
  }
  if (ok && ::rename(temp.c_str(), file.c_str()) != 0) {
    ok = false;
    savedErrno = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    errno = savedErrno;
  }
  return ok;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
  return WriteThroughTemporary(file, bytes.data(), bytes.size());
}

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view text) {
  return WriteThroughTemporary(file, text.data(), text.size());
}

FileContent ReadSmallFile(const std::filesystem::path& file, std::size_t maxBytes) {
  FileContent content;
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    content.status = errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed;
    return content;
  }
  // One byte more than allowed tells a file that is too large.
  content.bytes.resize(maxBytes + 1);
  std::size_t total = 0;
  content.status = ReadStatus::Ok;
  while (total < content.bytes.size()) {
    const ssize_t got = ::read(fd, content.bytes.data() + total, content.bytes.size() - total);
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      content.status = ReadStatus::Failed;
      break;
    }
    if (got == 0) {
      break;
    }
    total += static_cast<std::size_t>(got);
  }
  ::close(fd);
  if (content.status == ReadStatus::Ok && total > maxBytes) {
    content.status = ReadStatus::TooLarge;
  }
  if (content.status == ReadStatus::Ok) {
    content.bytes.resize(total);
  } else {
    content.bytes.clear();
  }
  return content;
}

}  // namespace gw::platform
