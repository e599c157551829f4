#pragma once
// Whole-file reads and writes for the tool's own files, with the framework's
// standard file-error texts.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ByteOrder.h"

namespace gw {

struct FileResult {
  bool ok = false;
  std::string error;  // the text to show when !ok
};

// Reads at most `limit` bytes of the file. Anything but a regular file (a
// folder, pipe, socket or device) is refused without waiting on it.
FileResult ReadFileBytes(const std::string& path, std::size_t limit,
                         std::vector<std::uint8_t>& out);

// Writes the bytes to a new temporary file beside `path` and renames it over
// `path` (platform::WriteFileAtomically), so a failure never leaves a torn
// file behind and a link planted beside it is never followed.
FileResult WriteFileBytes(const std::string& path, ConstBytes bytes);

// "An attempt was made to access <path> past its end."
std::string PastEndText(const std::string& path);

}  // namespace gw
