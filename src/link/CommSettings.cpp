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
#include "platform/util/PrivateProfile.h"

namespace gw {

namespace {

constexpr const char* kCommConf = "CommConf";
constexpr const char* kIpAddress = "IPAddress";
constexpr const char* kIpList = "IPList";
constexpr const char* kIpCount = "IPCount";
constexpr std::size_t kValueLimit = 64;
// IP list keys looked up per read of the file.
constexpr int kKeysPerRead = 4096;

std::string IpKey(long long n) { return "IP" + std::to_string(n); }

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

bool CommSettings::EnsureFolder() const {
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  return std::filesystem::is_directory(folder_, ec);
}

std::uint32_t CommSettings::LoadRemoteAddress() const {
  if (!EnsureFolder()) return 0xFFFFFFFF;
  const std::string value =
      platform::GetPrivateProfileString(kCommConf, kIpAddress, "-1", SettingsPath());
  return ParseProfileNumber(value.substr(0, kValueLimit));
}

void CommSettings::MergeIpList(const NodeTable& nodes) const {
  if (!EnsureFolder()) return;
  const std::string path = IpListPath();
  // Counted wider than the file's number, so that the new entries of a
  // damaged count near the top of its range still count up.
  long long count = std::max(0, platform::GetPrivateProfileInt(kIpList, kIpCount, 0, path));
  // The list is read many keys at a time and every change goes to the file
  // in one write: key by key, a search of 253 modules would read the file 253
  // times and rewrite (and sync) it up to 255 times.
  std::vector<std::pair<std::string, std::string>> changes;
  if (count == 0) changes.emplace_back(kIpCount, "0");
  std::vector<std::uint32_t> listed;
  listed.reserve(static_cast<std::size_t>(std::min(count, 4096LL)));
  std::vector<std::string> keys;
  for (long long first = 1; first <= count; first += kKeysPerRead) {
    keys.clear();
    for (long long n = first; n <= count && n - first < kKeysPerRead; ++n) {
      keys.push_back(IpKey(n));
    }
    bool anyListed = false;
    for (const std::string& text : platform::GetPrivateProfileStrings(kIpList, keys, "", path)) {
      listed.push_back(ParseDottedAddress(text));
      anyListed = anyListed || !text.empty();
    }
    // A count far beyond the keys the file holds (a damaged list): the keys
    // still to come are missing too and compare as 255.255.255.255, which
    // this run already holds.
    if (!anyListed) break;
  }
  for (int i = 0; i < nodes.Count(); ++i) {
    const std::uint32_t address = nodes.Node(i).IpAddress();
    if (std::find(listed.begin(), listed.end(), address) != listed.end()) continue;
    listed.push_back(address);
    ++count;
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", address >> 24, (address >> 16) & 0xFF,
                  (address >> 8) & 0xFF, address & 0xFF);
    changes.emplace_back(IpKey(count), text);
  }
  changes.emplace_back(kIpCount, std::to_string(count));
  platform::WritePrivateProfileStrings(kIpList, changes, path);
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

std::uint32_t ParseDottedAddress(const std::string& text) {
  return ntohl(inet_addr(text.c_str()));
}

}  // namespace gw
