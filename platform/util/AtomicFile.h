#pragma once
// Whole-file reads and writes for small files. A write goes to a temporary
// file beside the target, which then replaces the target by rename, so a
// reader sees either the old or the new content, never a torn one.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace gw::platform {

// False when the file could not be written; errno then says why and the
// previous content is untouched.
bool WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view text);

enum class ReadStatus { Ok, Missing, TooLarge, Failed };

struct FileContent {
  ReadStatus status = ReadStatus::Failed;
  std::vector<std::uint8_t> bytes;  // filled only when status is Ok
};

// Reads the whole file if it holds at most `maxBytes`.
FileContent ReadSmallFile(const std::filesystem::path& file, std::size_t maxBytes);

}  // namespace gw::platform
