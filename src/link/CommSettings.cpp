#include "CommSettings.h"

#include <arpa/inet.h>

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
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

std::string IpKey(int n) { return "IP" + std::to_string(n); }

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
  int count = platform::GetPrivateProfileInt(kIpList, kIpCount, 0, path);
  if (count < 0) count = 0;
  if (count == 0) platform::WritePrivateProfileString(kIpList, kIpCount, "0", path);
  std::vector<std::uint32_t> listed;
  listed.reserve(static_cast<std::size_t>(count));
  for (int n = 1; n <= count; ++n) {
    listed.push_back(ParseDottedAddress(platform::GetPrivateProfileString(kIpList, IpKey(n), "", path)));
  }
  for (int i = 0; i < nodes.Count(); ++i) {
    const std::uint32_t address = nodes.Node(i).IpAddress();
    if (std::find(listed.begin(), listed.end(), address) != listed.end()) continue;
    listed.push_back(address);
    ++count;
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", address >> 24, (address >> 16) & 0xFF,
                  (address >> 8) & 0xFF, address & 0xFF);
    platform::WritePrivateProfileString(kIpList, IpKey(count), text, path);
  }
  platform::WritePrivateProfileString(kIpList, kIpCount, std::to_string(count), path);
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
