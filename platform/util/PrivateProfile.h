#pragma once
// Private profile (.ini) files in the manner of the Windows profile
// functions: sections and keys match without regard to case, lines are
// written as key=value, and a write keeps every other section, key and
// comment of the file as it was. Writes replace the file atomically, under
// the folder's update lock, and create new files readable by their owner only.
//
// A file that cannot be read whole (a NUL byte, UTF-16 text, a line that is
// neither a section, a key=value pair nor a comment, a key given twice) is
// never rewritten, since a rewrite would lose what was not read: its values
// are still read, the file is named with the reason on stderr once per run,
// and every write to it fails.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gw::platform {

// One profile file read once, for a read or a load-modify-save run.
class ProfileFile {
 public:
  enum class Use { Read, Update };
  // Reads `file` (a missing file is empty); for Update under the folder's
  // update lock, held until the object goes.
  ProfileFile(const std::filesystem::path& file, Use use);
  ~ProfileFile();
  ProfileFile(const ProfileFile&) = delete;
  ProfileFile& operator=(const ProfileFile&) = delete;

  // Empty when the file was read whole; otherwise why it is not rewritten.
  const std::string& Problem() const { return problem_; }

  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  // The keys of `section` in file order.
  std::vector<std::string> Keys(std::string_view section) const;

  // False (EINVAL) for a name or value that a profile line cannot hold.
  bool Set(std::string_view section, std::string_view key, std::string_view value);
  // Removes a key, or the whole section when `key` is empty.
  void Remove(std::string_view section, std::string_view key);

  // Writes the changes (nothing when there are none). False, with the
  // reason on stderr and the file left as it was, when the file was not
  // read whole (errno EBADMSG) or cannot be written.
  bool Save();

 private:
  struct Data;
  std::filesystem::path file_;
  std::unique_ptr<Data> data_;
  std::string problem_;
  bool changed_ = false;
};

// The value of `key` in `section`, or `defaultValue` when the file, the
// section or the key is missing. Surrounding blanks of the value are dropped.
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue,
                                    const std::filesystem::path& file);

// The values of several keys of `section` with one read of the file: for
// each key what GetPrivateProfileString gives for it.
std::vector<std::string> GetPrivateProfileStrings(std::string_view section,
                                                  const std::vector<std::string>& keys,
                                                  std::string_view defaultValue,
                                                  const std::filesystem::path& file);

// The value of `key` as a decimal integer, or `defaultValue` when the file,
// the section or the key is missing or the value is empty. As on Windows the
// leading digits count (a value without any gives 0); a leading minus sign
// negates, and digits wrap modulo 2^32, so "3232235781" reads as the
// address 192.168.1.5 converted to int.
int GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                         const std::filesystem::path& file);

// Sets `key` in `section` to `value`, adding the section, the key or the file
// when missing. False, leaving the file as it was, when the file cannot be
// read or written, or when a name or the value cannot be stored in a profile
// line (a line break, a key holding '=' or starting with '[' or ';', a
// section holding ']', an empty section or key).
bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::filesystem::path& file);

// Sets several keys of `section` with one read and one write of the file,
// in the order given, as the same number of WritePrivateProfileString calls
// would leave it. False, leaving the file as it was, when any name or value
// cannot be stored or the file cannot be read or written.
bool WritePrivateProfileStrings(std::string_view section,
                                const std::vector<std::pair<std::string, std::string>>& entries,
                                const std::filesystem::path& file);

// Removes `key` from `section` (true also when it was not there).
bool DeletePrivateProfileKey(std::string_view section, std::string_view key,
                             const std::filesystem::path& file);

// Removes `section` with all its keys (true also when it was not there).
bool DeletePrivateProfileSection(std::string_view section, const std::filesystem::path& file);

}  // namespace gw::platform
