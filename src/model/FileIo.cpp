#include "FileIo.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
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
    case ENOENT: return path + " was not found.";
    case EACCES:
    case EPERM: return path + " could not be accessed.";
    case EISDIR: return path + " is a folder, not a file.";
    default: return "An unexpected error occurred while reading " + path + ".";
  }
}

}  // namespace

std::string PastEndText(const std::string& path) {
  return "An attempt was made to access " + path + " past its end.";
}

FileResult ReadFileBytes(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& out) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return {false, OpenErrorText(path, EISDIR)};
  errno = 0;
  FilePtr in(std::fopen(path.c_str(), "rb"));
  if (!in) return {false, OpenErrorText(path, errno)};
  out.assign(limit, 0);
  const std::size_t got = std::fread(out.data(), 1, limit, in.get());
  if (std::ferror(in.get())) return {false, "An unexpected error occurred while reading " + path + "."};
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
