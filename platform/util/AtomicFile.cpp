#include "platform/util/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>
#include <random>
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

// Temporary files are named ".<target>.<pid>.<random>": the process id
// tells whether the writer still runs, the random part keeps the name
// unpredictable.
std::string TemporaryPrefix(const std::filesystem::path& file) {
  return "." + file.filename().string() + ".";
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.parent_path();
  return folder.empty() ? std::filesystem::path(".") : folder;
}

std::string RandomPart() {
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  static std::mt19937_64 engine{std::random_device{}()};
  static std::mutex mutex;
  const std::lock_guard lock(mutex);
  std::string part(8, '0');
  for (char& c : part) c = kDigits[engine() % (sizeof kDigits - 1)];
  return part;
}

// A new temporary file beside `file`, created with the old file's mode or,
// for a new file, `newFileMode` less the umask.
int CreateTemporary(const std::filesystem::path& file, mode_t newFileMode, std::string& temp) {
  struct stat info {};
  const bool exists = ::stat(file.c_str(), &info) == 0;
  if (exists && (info.st_mode & 0222) == 0) {
    errno = EACCES;  // made read-only by its owner: not ours to replace
    return -1;
  }
  const mode_t mode = exists ? (info.st_mode & 07777) : newFileMode;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp =
        (FolderOf(file) / (TemporaryPrefix(file) + std::to_string(::getpid()) + "." + RandomPart()))
            .string();
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
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

// The process id of a temporary file name of `file`, or 0 for other names.
pid_t WriterOf(const std::string& name, const std::string& prefix) {
  if (!name.starts_with(prefix)) return 0;
  const std::string rest = name.substr(prefix.size());
  const std::size_t dot = rest.find('.');
  if (dot == 0 || dot == std::string::npos || dot + 1 == rest.size()) return 0;
  pid_t pid = 0;
  for (std::size_t i = 0; i < dot; ++i) {
    if (rest[i] < '0' || rest[i] > '9' || pid > 100000000) return 0;
    pid = pid * 10 + (rest[i] - '0');
  }
  for (std::size_t i = dot + 1; i < rest.size(); ++i) {
    if (std::isalnum(static_cast<unsigned char>(rest[i])) == 0) return 0;
  }
  return pid;
}

// Removes the temporary files of `file` whose writer has ended (a save
// interrupted by a crash or kill -9).
void RemoveStaleTemporaries(const std::filesystem::path& file) {
  const std::string prefix = TemporaryPrefix(file);
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(FolderOf(file), error)) {
    const pid_t writer = WriterOf(entry.path().filename().string(), prefix);
    if (writer <= 0 || writer == ::getpid()) continue;
    if (::kill(writer, 0) != 0 && errno == ESRCH) {
      std::filesystem::remove(entry.path(), error);
    }
  }
}

bool WriteThroughTemporary(const std::filesystem::path& file, const void* data, std::size_t size,
                           mode_t newFileMode) {
  std::string temp;
  const int fd = CreateTemporary(file, newFileMode, temp);
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
    return false;
  }
  RemoveStaleTemporaries(file);
  return true;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes,
                         mode_t newFileMode) {
  return WriteThroughTemporary(file, bytes.data(), bytes.size(), newFileMode);
}

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view text,
                         mode_t newFileMode) {
  return WriteThroughTemporary(file, text.data(), text.size(), newFileMode);
}

std::string WriteFailureText(const std::filesystem::path& file, int error) {
  struct stat info {};
  if (error == EACCES && ::stat(file.c_str(), &info) == 0 && (info.st_mode & 0222) == 0) {
    return file.string() + " is read-only; it was left as it is";
  }
  return "cannot write " + file.string() + ": " + std::strerror(error);
}

FileContent ReadSmallFile(const std::filesystem::path& file, std::size_t maxBytes) {
  FileContent content;
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    content.status = errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed;
    return content;
  }
  // The buffer starts at the size the file reports (0 for a file in /proc)
  // and grows while the file holds more, up to one byte more than allowed,
  // which tells a file that is too large. Settings files are read at every
  // device action: the buffer must not cost the whole limit each time.
  struct stat info {};
  const std::size_t reported =
      ::fstat(fd, &info) == 0 && info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
  content.bytes.resize(std::min(reported, maxBytes) + 1);
  std::size_t total = 0;
  content.status = ReadStatus::Ok;
  for (;;) {
    if (total == content.bytes.size()) {
      if (total > maxBytes) {
        break;
      }
      content.bytes.resize(std::min(maxBytes + 1, std::max<std::size_t>(2 * total, 4096)));
    }
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
