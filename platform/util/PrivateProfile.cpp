#include "platform/util/PrivateProfile.h"

#include <SimpleIni.h>

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <set>

#include "platform/util/AtomicFile.h"
#include "platform/util/FileLock.h"

namespace gw::platform {

namespace {

// CSimpleIniA compares section and key names without regard to case.
using Profile = CSimpleIniA;

// Settings files are small; anything larger is not one.
constexpr std::size_t kMaxProfileBytes = 4U << 20;

// SimpleIni keeps a comment with the entry that follows it, and drops the
// comments after the last entry: a section of this name, added behind
// what the file holds and taken out of every save, keeps them.
constexpr std::string_view kTrailer = "[\x01]";

constexpr std::string_view kUtf8Signature = "\xEF\xBB\xBF";

// `text` saved by SimpleIni without the trailer section, ending in one line
// break.
std::string WithoutTrailer(std::string text) {
  const std::string line = "\n" + std::string(kTrailer) + "\n";
  if (text.starts_with(line.substr(1))) {
    text.erase(0, line.size() - 1);
  } else if (const std::size_t at = text.find(line); at != std::string::npos) {
    text.erase(at + 1, line.size() - 1);
  }
  while (text.ends_with("\n\n")) text.pop_back();
  return text;
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

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

// A line as it reads after a load and save by SimpleIni, which drops the
// blanks around names and values; empty for a blank line.
std::string Normalized(std::string_view line) {
  line = Trimmed(line);
  if (line.empty() || line.front() == ';' || line.front() == '#') return std::string(line);
  if (line.front() == '[') {
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::string(line);
    return "[" + std::string(Trimmed(line.substr(1, close - 1))) + "]" +
           std::string(line.substr(close + 1));
  }
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::string(line);
  return std::string(Trimmed(line.substr(0, equals))) + "=" +
         std::string(Trimmed(line.substr(equals + 1)));
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// A line for a message: at most 40 characters, control characters as '?'.
std::string Shown(std::string_view line) {
  std::string shown;
  for (const char c : Trimmed(line).substr(0, 40)) {
    shown += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
  }
  return shown;
}

bool IsEntry(const std::string& line) {
  return line.front() == ';' || line.front() == '#' ||
         (line.front() == '[' && line.find(']') != std::string::npos) ||
         (line.find('=') != std::string::npos && line.front() != '=');
}

// Why the text `original` would not come back whole from `profile` (what
// SimpleIni read of it), or an empty text when it would: every line must
// reappear in a save of what was read.
std::string LossOf(std::string_view original, const Profile& profile) {
  if (original.starts_with("\xFF\xFE") || original.starts_with("\xFE\xFF")) {
    return "it is UTF-16 text, not UTF-8";
  }
  std::string saved;
  if (profile.Save(saved, true) < 0) return "it cannot be laid out again";
  saved = WithoutTrailer(std::move(saved));
  if (saved.starts_with(kUtf8Signature)) saved.erase(0, kUtf8Signature.size());
  std::map<std::string, int> left;
  for (const std::string_view line : Lines(saved)) ++left[Normalized(line)];
  const std::vector<std::string_view> lines = Lines(original);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view raw = i == 0 && lines[i].starts_with(kUtf8Signature)
                                     ? lines[i].substr(kUtf8Signature.size())
                                     : lines[i];
    const std::string line = Normalized(raw);
    if (line.empty()) continue;
    const std::string where = "line " + std::to_string(i + 1) + " (\"" + Shown(raw) + "\")";
    if (line.find('\0') != std::string::npos) return where + " holds a NUL byte";
    if (!IsEntry(line)) return where + " is neither a section, a key=value pair nor a comment";
    if (--left[line] < 0) {
      return where +
             " would be lost (a repeated key or section, or a comment after the last entry)";
    }
  }
  return {};
}

// Names a damaged file and why on stderr, once per file and reason.
void ReportProblem(const std::filesystem::path& file, const std::string& problem) {
  static std::mutex mutex;
  static std::set<std::string> reported;
  const std::lock_guard lock(mutex);
  if (!reported.insert(file.string() + "\n" + problem).second) return;
  std::fprintf(stderr,
               "%s cannot be read whole: %s. It is not rewritten; the values read from it are "
               "used for this run only.\n",
               file.c_str(), problem.c_str());
}

}  // namespace

struct ProfileFile::Data {
  std::optional<FolderLock> lock;
  Profile profile;
};

ProfileFile::ProfileFile(const std::filesystem::path& file, Use use)
    : file_(file), data_(std::make_unique<Data>()) {
  if (use == Use::Update) data_->lock.emplace(file);
  Prepare(data_->profile);
  const FileContent content = ReadSmallFile(file, kMaxProfileBytes);
  switch (content.status) {
    case ReadStatus::Missing:
      return;
    case ReadStatus::TooLarge:
      problem_ = "it is larger than a settings file can be";
      break;
    case ReadStatus::Failed:
      problem_ = std::strerror(errno);
      break;
    case ReadStatus::Ok: {
      const std::string_view text(reinterpret_cast<const char*>(content.bytes.data()),
                                  content.bytes.size());
      // SimpleIni stops at a NUL byte: the lines holding one are left out,
      // so that the lines after them are still read.
      std::string readable;
      for (const std::string_view line : Lines(text)) {
        if (line.find('\0') == std::string_view::npos) readable.append(line);
        readable += '\n';
      }
      readable.append(kTrailer);
      readable += '\n';
      if (data_->profile.LoadData(readable.data(), readable.size()) < 0) {
        problem_ = "it is not a profile file";
        break;
      }
      problem_ = LossOf(text, data_->profile);
      break;
    }
  }
  if (!problem_.empty()) ReportProblem(file, problem_);
}

ProfileFile::~ProfileFile() = default;

std::optional<std::string> ProfileFile::Value(std::string_view section,
                                              std::string_view key) const {
  const std::string sectionName(section);
  const std::string keyName(key);
  const char* value = data_->profile.GetValue(sectionName.c_str(), keyName.c_str(), nullptr);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

std::vector<std::string> ProfileFile::Keys(std::string_view section) const {
  Profile::TNamesDepend keys;
  const std::string sectionName(section);
  data_->profile.GetAllKeys(sectionName.c_str(), keys);
  keys.sort(Profile::Entry::LoadOrder());
  std::vector<std::string> names;
  for (const Profile::Entry& key : keys) names.emplace_back(key.pItem);
  return names;
}

bool ProfileFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (!StorableSection(section) || !StorableKey(key) || HasLineBreak(value)) {
    errno = EINVAL;
    return false;
  }
  const std::string sectionName(section);
  const std::string keyName(key);
  const std::string text(value);
  const char* old = data_->profile.GetValue(sectionName.c_str(), keyName.c_str(), nullptr);
  if (old != nullptr && text == old) return true;
  if (data_->profile.SetValue(sectionName.c_str(), keyName.c_str(), text.c_str()) < 0) {
    errno = ENOMEM;
    return false;
  }
  changed_ = true;
  return true;
}

void ProfileFile::Remove(std::string_view section, std::string_view key) {
  const std::string sectionName(section);
  const std::string keyName(key);
  if (data_->profile.Delete(sectionName.c_str(), key.empty() ? nullptr : keyName.c_str())) {
    changed_ = true;
  }
}

bool ProfileFile::Save() {
  if (!changed_) return true;
  if (!problem_.empty()) {
    ReportProblem(file_, problem_);
    errno = EBADMSG;
    return false;
  }
  std::string text;
  if (data_->profile.Save(text, true) < 0) {
    errno = ENOMEM;
    return false;
  }
  text = WithoutTrailer(std::move(text));
  if (!WriteFileAtomically(file_, text, kPrivateFileMode)) {
    const int error = errno;
    std::fprintf(stderr, "%s\n", WriteFailureText(file_, error).c_str());
    errno = error;
    return false;
  }
  changed_ = false;
  return true;
}

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
  if (keys.empty()) return values;
  const ProfileFile profile(file, ProfileFile::Use::Read);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (auto value = profile.Value(section, keys[i])) values[i] = std::move(*value);
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
  ProfileFile profile(file, ProfileFile::Use::Update);
  for (const auto& [key, value] : entries) {
    if (!profile.Set(section, key, value)) return false;
  }
  return profile.Save();
}

bool DeletePrivateProfileKey(std::string_view section, std::string_view key,
                             const std::filesystem::path& file) {
  if (key.empty()) return true;
  ProfileFile profile(file, ProfileFile::Use::Update);
  profile.Remove(section, key);
  return profile.Save();
}

bool DeletePrivateProfileSection(std::string_view section, const std::filesystem::path& file) {
  ProfileFile profile(file, ProfileFile::Use::Update);
  profile.Remove(section, {});
  return profile.Save();
}

}  // namespace gw::platform
