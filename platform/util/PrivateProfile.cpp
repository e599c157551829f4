#include "platform/util/PrivateProfile.h"

#include <SimpleIni.h>

#include <cctype>
#include <cerrno>
#include <cstdint>

#include "platform/util/AtomicFile.h"

namespace gw::platform {

namespace {

// CSimpleIniA compares section and key names without regard to case.
using Profile = CSimpleIniA;

// Loads `file` into `profile`; a missing file is an empty profile.
bool Load(Profile& profile, const std::filesystem::path& file) {
  errno = 0;
  const SI_Error result = profile.LoadFile(file.c_str());
  if (result >= 0) {
    return true;
  }
  return result == SI_FILE && errno == ENOENT;
}

bool Save(const Profile& profile, const std::filesystem::path& file) {
  std::string text;
  if (profile.Save(text, false) < 0) {
    return false;
  }
  return WriteFileAtomically(file, text);
}

void Prepare(Profile& profile) {
  // key=value, as the Windows functions write it.
  profile.SetSpaces(false);
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

bool StorableSection(std::string_view section) {
  return !section.empty() && !HasLineBreak(section) && section.find(']') == std::string_view::npos;
}

bool StorableKey(std::string_view key) {
  return !key.empty() && !HasLineBreak(key) && key.find('=') == std::string_view::npos &&
         key.front() != '[' && key.front() != ';' && key.front() != '#';
}

// Leading digits with an optional sign, wrapping modulo 2^32.
int LeadingInteger(std::string_view text) {
  std::size_t at = 0;
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
    negative = text[at] == '-';
    ++at;
  }
  std::uint32_t value = 0;
  for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0; ++at) {
    value = value * 10U + static_cast<std::uint32_t>(text[at] - '0');
  }
  if (negative) {
    value = 0U - value;
  }
  return static_cast<int>(value);
}

}  // namespace

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue,
                                    const std::filesystem::path& file) {
  return GetPrivateProfileStrings(section, {std::string(key)}, defaultValue, file).front();
}

std::vector<std::string> GetPrivateProfileStrings(std::string_view section,
                                                  const std::vector<std::string>& keys,
                                                  std::string_view defaultValue,
                                                  const std::filesystem::path& file) {
  std::vector<std::string> values(keys.size(), std::string(defaultValue));
  Profile profile;
  Prepare(profile);
  if (keys.empty() || !Load(profile, file)) {
    return values;
  }
  const std::string sectionName(section);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const char* value = profile.GetValue(sectionName.c_str(), keys[i].c_str(), nullptr);
    if (value != nullptr) {
      values[i] = value;
    }
  }
  return values;
}

int GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                         const std::filesystem::path& file) {
  // A value holds no NUL, so this default tells a missing key.
  constexpr std::string_view kMissing{"\0", 1};
  const std::string value = GetPrivateProfileString(section, key, kMissing, file);
  if (value == kMissing || value.empty()) {
    return defaultValue;
  }
  return LeadingInteger(value);
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::filesystem::path& file) {
  return WritePrivateProfileStrings(section, {{std::string(key), std::string(value)}}, file);
}

bool WritePrivateProfileStrings(std::string_view section,
                                const std::vector<std::pair<std::string, std::string>>& entries,
                                const std::filesystem::path& file) {
  if (!StorableSection(section)) {
    errno = EINVAL;
    return false;
  }
  for (const auto& [key, value] : entries) {
    if (!StorableKey(key) || HasLineBreak(value)) {
      errno = EINVAL;
      return false;
    }
  }
  Profile profile;
  Prepare(profile);
  if (!Load(profile, file)) {
    return false;
  }
  const std::string sectionName(section);
  for (const auto& [key, value] : entries) {
    if (profile.SetValue(sectionName.c_str(), key.c_str(), value.c_str()) < 0) {
      return false;
    }
  }
  return Save(profile, file);
}

bool DeletePrivateProfileKey(std::string_view section, std::string_view key,
                             const std::filesystem::path& file) {
  Profile profile;
  Prepare(profile);
  if (!Load(profile, file)) {
    return false;
  }
  const std::string sectionName(section);
  const std::string keyName(key);
  if (!profile.Delete(sectionName.c_str(), keyName.c_str())) {
    return true;
  }
  return Save(profile, file);
}

bool DeletePrivateProfileSection(std::string_view section, const std::filesystem::path& file) {
  Profile profile;
  Prepare(profile);
  if (!Load(profile, file)) {
    return false;
  }
  const std::string sectionName(section);
  if (!profile.Delete(sectionName.c_str(), nullptr)) {
    return true;
  }
  return Save(profile, file);
}

}  // namespace gw::platform
