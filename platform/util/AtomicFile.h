#pragma once
// Whole-file reads and writes for small files. A write goes to a new
// temporary file beside the target (created with O_CREAT|O_EXCL, so a link
// planted at its name is never followed), which then replaces the target by
// rename: a reader sees either the old or the new content, never a torn one.

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gw::platform {

// Mode of a file a write creates (less the umask); a file that exists keeps
// its own mode.
inline constexpr mode_t kPrivateFileMode = 0600;  // the files of the settings folder
inline constexpr mode_t kSharedFileMode = 0666;   // files the user names

// False when the file could not be written; errno then says why and the
// previous content is untouched. A file without any write permission is
// the user's wish to keep it: it is not replaced (EACCES). A successful
// write removes temporary files of this naming that a process which has
// ended left beside the target.
bool WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes,
                         mode_t newFileMode = kSharedFileMode);
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view text,
                         mode_t newFileMode = kSharedFileMode);

// Why a write of `file` failed with `error`, for a message: "<file> is
// read-only; it was left as it is" or "cannot write <file>: <reason>".
std::string WriteFailureText(const std::filesystem::path& file, int error);

enum class ReadStatus { Ok, Missing, TooLarge, Failed };

struct FileContent {
  ReadStatus status = ReadStatus::Failed;
  std::vector<std::uint8_t> bytes;  // filled only when status is Ok
};

// Reads the whole file if it holds at most `maxBytes`.
FileContent ReadSmallFile(const std::filesystem::path& file, std::size_t maxBytes);

}  // namespace gw::platform
