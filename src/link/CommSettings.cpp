#include "CommSettings.h"

#include <arpa/inet.h>

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>

#include "platform/util/ConfigFolder.h"
#include "platform/util/Ipv4Text.h"
#include "platform/util/PrivateProfile.h"

namespace gw {

namespace {

constexpr const char* kCommConf = "CommConf";
constexpr const char* kIpAddress = "IPAddress";
constexpr const char* kIpList = "IPList";
constexpr const char* kIpCount = "IPCount";
constexpr std::size_t kValueLimit = 64;

std::string IpKey(long long n) { return "IP" + std::to_string(n); }

// n of a key "IP<n>" (any case, n decimal without a leading zero); 0 for
// other keys.
long long IpKeyNumber(const std::string& key) {
  if (key.size() < 3 || key.size() > 20 || (key[0] != 'I' && key[0] != 'i') ||
      (key[1] != 'P' && key[1] != 'p') || key[2] == '0') {
    return 0;
  }
  long long n = 0;
  for (std::size_t i = 2; i < key.size(); ++i) {
    if (key[i] < '0' || key[i] > '9') return 0;
    n = n * 10 + (key[i] - '0');
  }
  return n;
}

}  // namespace

CommSettings::CommSettings() : CommSettings(platform::ConfigFolder().string()) {}

CommSettings::CommSettings(std::string folder, std::string modelName)
    : folder_(std::move(folder)), modelName_(std::move(modelName)) {}

std::string CommSettings::SettingsPath() const {
  return (std::filesystem::path(folder_) / (modelName_ + ".ini")).string();
}

std::string CommSettings::IpListPath() const {
  return (std::filesystem::path(folder_) / "IPList.ini").string();
}

bool CommSettings::EnsureFolder() const { return platform::EnsurePrivateFolder(folder_); }

std::uint32_t CommSettings::LoadRemoteAddress() const {
  if (!EnsureFolder()) return 0xFFFFFFFF;
  const std::string value =
      platform::GetPrivateProfileString(kCommConf, kIpAddress, "-1", SettingsPath());
  return ParseProfileNumber(value.substr(0, kValueLimit));
}

void CommSettings::MergeIpList(const NodeTable& nodes) const {
  if (!EnsureFolder()) return;
  // Read, merged and written under the folder's update lock, so that two
  // searches at once both add their modules.
  platform::ProfileFile list(IpListPath(), platform::ProfileFile::Use::Update);
  // The count is taken from the keys the list holds: a damaged IPCount
  // (negative, not a number, far beyond the entries) neither overwrites an
  // entry nor runs past the end of the numbers.
  long long count = 0;
  std::vector<std::uint32_t> listed;
  long long present = 0;
  for (const std::string& key : list.Keys(kIpList)) {
    const long long n = IpKeyNumber(key);
    if (n <= 0) continue;
    ++present;
    count = std::max(count, n);
    listed.push_back(ParseDottedAddress(list.Value(kIpList, key).value_or("")));
  }
  // A number below the count without its key reads as empty text, which
  // converts to 255.255.255.255.
  if (present < count) listed.push_back(0xFFFFFFFF);
  // The count first, so that a new list starts with it.
  bool ok = list.Set(kIpList, kIpCount, std::to_string(count));
  for (int i = 0; i < nodes.Count(); ++i) {
    const std::uint32_t address = nodes.Node(i).IpAddress();
    if (std::find(listed.begin(), listed.end(), address) != listed.end()) continue;
    listed.push_back(address);
    ++count;
    ok = ok && list.Set(kIpList, IpKey(count), platform::FormatIpv4(address));
  }
  ok = ok && list.Set(kIpList, kIpCount, std::to_string(count));
  if (ok) list.Save();
}

std::uint32_t ParseProfileNumber(const std::string& text) {
  // As a 32-bit strtoul: out of range gives all ones, a minus negates.
  const char* begin = text.c_str();
  char* end = nullptr;
  errno = 0;
  const unsigned long long value = std::strtoull(begin, &end, 10);
  const char* p = begin;
  while (*p == ' ' || *p == '\t') ++p;
  const bool negative = *p == '-';
  std::uint64_t magnitude = negative ? (0 - value) : value;
  if (errno == ERANGE || magnitude > 0xFFFFFFFFull) return 0xFFFFFFFF;
  return negative ? static_cast<std::uint32_t>(0 - static_cast<std::uint32_t>(magnitude))
                  : static_cast<std::uint32_t>(magnitude);
}

std::uint32_t ParseDottedAddress(const std::string& text) { return ntohl(inet_addr(text.c_str())); }

}  // namespace gw
