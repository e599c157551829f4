#pragma once
// Private profile (.ini) files in the manner of the Windows profile
// functions: sections and keys match without regard to case, lines are
// written as key=value, and a write keeps every other section, key and
// comment of the file as it was. Writes replace the file atomically.

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gw::platform {

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
