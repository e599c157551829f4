#include "FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "platform/util/AtomicFile.h"

namespace gw {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string OpenErrorText(const std::string& path, int err) {
  switch (err) {
    case ENOENT:
      return path + " was not found.";
    case EACCES:
    case EPERM:
      return path + " could not be accessed.";
    case EISDIR:
      return path + " is a folder, not a file.";
    default:
      return "An unexpected error occurred while reading " + path + ".";
  }
}

// Why `info` cannot be read as a file: a folder, or a pipe, socket or
// device, whose open or read can wait for ever. Empty for a regular file.
std::string NotAFileText(const std::string& path, const struct stat& info) {
  if (S_ISREG(info.st_mode)) return {};
  if (S_ISDIR(info.st_mode)) return OpenErrorText(path, EISDIR);
  return path + " is not a regular file (a pipe, socket or device), so it was not read.";
}

}  // namespace

std::string PastEndText(const std::string& path) {
  return "An attempt was made to access " + path + " past its end.";
}

FileResult ReadFileBytes(const std::string& path, std::size_t limit,
                         std::vector<std::uint8_t>& out) {
  // What the name stands for is checked before it is opened, and again on the
  // open descriptor in case the name was replaced in between; O_NONBLOCK keeps
  // that open from waiting on a pipe.
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) {
    if (std::string why = NotAFileText(path, info); !why.empty()) return {false, why};
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {false, OpenErrorText(path, errno)};
  FilePtr in(::fdopen(fd, "rb"));
  if (!in) {
    const int error = errno;
    ::close(fd);
    return {false, OpenErrorText(path, error)};
  }
  if (::fstat(fd, &info) != 0) return {false, OpenErrorText(path, errno)};
  if (std::string why = NotAFileText(path, info); !why.empty()) return {false, why};
  out.assign(limit, 0);
  const std::size_t got = std::fread(out.data(), 1, limit, in.get());
  if (std::ferror(in.get()))
    return {false, "An unexpected error occurred while reading " + path + "."};
  out.resize(got);
  return {true, {}};
}

FileResult WriteFileBytes(const std::string& path, ConstBytes bytes) {
  if (!platform::WriteFileAtomically(path, bytes)) {
    return {false, "Could not write " + path + "."};
  }
  return {true, {}};
}

}  // namespace gw
