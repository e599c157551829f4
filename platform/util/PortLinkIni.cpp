#include "platform/util/PortLinkIni.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <limits>
#include <mutex>
#include <set>

#include "platform/util/ConfigFolder.h"
#include "platform/util/Ipv4Text.h"
#include "platform/util/PrivateProfile.h"

namespace gw::platform {

namespace {

void WarnOnce(std::string_view key, const std::string& value, std::string_view expected) {
  static std::mutex mutex;
  static std::set<std::string> warned;
  const std::lock_guard lock(mutex);
  if (!warned.insert(std::string(key)).second) {
    return;
  }
  std::fprintf(stderr, "PortLink.ini: %.*s=%s is not %.*s; the default is used\n",
               static_cast<int>(key.size()), key.data(), value.c_str(),
               static_cast<int>(expected.size()), expected.data());
}

std::string ReadSetting(std::string_view section, std::string_view key) {
  return GetPrivateProfileString(section, key, "", PortLinkIniPath());
}

std::optional<int> ParseInt(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

// An integer setting within [low, high], or `fallback`.
int ReadIntSetting(std::string_view key, int low, int high, int fallback,
                   std::string_view expected) {
  const std::string text = ReadSetting(kPortLinkSection, key);
  if (text.empty()) {
    return fallback;
  }
  const std::optional<int> value = ParseInt(text);
  if (!value || *value < low || *value > high) {
    WarnOnce(key, text, expected);
    return fallback;
  }
  return *value;
}

std::optional<std::uint32_t> ReadAddressSetting(std::string_view key) {
  const std::string text = ReadSetting(kPortLinkSection, key);
  if (text.empty()) {
    return std::nullopt;
  }
  const std::optional<std::uint32_t> address = ParseIpv4(text);
  if (!address) {
    WarnOnce(key, text, "a dotted IPv4 address");
  }
  return address;
}

std::string ComKey(int port) { return "COM" + std::to_string(port); }

}  // namespace

std::filesystem::path PortLinkIniPath() { return ConfigFile(kPortLinkIniName); }

int LoadCommType() {
  return ReadIntSetting(kCommTypeKey, std::numeric_limits<int>::min(),
                        std::numeric_limits<int>::max(), kDefaultCommType, "a number");
}

int LoadComPort() {
  return ReadIntSetting(kComPortKey, 1, kMaxComPort, kDefaultComPort, "a COM number 1 to 255");
}

std::uint32_t LoadRemoteIp() { return ReadAddressSetting(kRemoteIpKey).value_or(kDefaultRemoteIp); }

std::optional<std::uint32_t> LoadBroadcastAddress() {
  return ReadAddressSetting(kBroadcastAddressKey);
}

int LoadModbusTcpPort() {
  return ReadIntSetting(kModbusTcpPortKey, 1, 65535, kDefaultModbusTcpPort,
                        "a TCP port 1 to 65535");
}

std::string LoadComPortDevice(int port) {
  if (port < 1 || port > kMaxComPort) {
    return {};
  }
  const std::string device = ReadSetting(kComPortsSection, ComKey(port));
  if (!device.empty()) {
    return device;
  }
  return "/dev/ttyS" + std::to_string(port - 1);
}

int SaveSettings(const SettingChanges& changes) {
  if (changes.comPort && (*changes.comPort < 1 || *changes.comPort > kMaxComPort)) {
    return EINVAL;
  }
  for (const auto& [port, device] : changes.comPortDevices) {
    if (port < 1 || port > kMaxComPort || device.empty()) return EINVAL;
  }
  if (!EnsureConfigFolder()) {
    std::fprintf(stderr, "cannot create the configuration folder %s\n", ConfigFolder().c_str());
    return EACCES;
  }
  ProfileFile file(PortLinkIniPath(), ProfileFile::Use::Update);
  bool ok = true;
  if (changes.commType) {
    ok = ok && file.Set(kPortLinkSection, kCommTypeKey, std::to_string(*changes.commType));
  }
  if (changes.comPort) {
    ok = ok && file.Set(kPortLinkSection, kComPortKey, std::to_string(*changes.comPort));
  }
  if (changes.remoteIp) {
    ok = ok && file.Set(kPortLinkSection, kRemoteIpKey, FormatIpv4(*changes.remoteIp));
  }
  for (const auto& [port, device] : changes.comPortDevices) {
    ok = ok && file.Set(kComPortsSection, ComKey(port), device);
  }
  if (!ok || !file.Save()) return errno != 0 ? errno : EIO;
  return 0;
}

std::string ResolveSerialDevice(std::string_view name) {
  if (name.size() > 3 && (name[0] == 'C' || name[0] == 'c') && (name[1] == 'O' || name[1] == 'o') &&
      (name[2] == 'M' || name[2] == 'm')) {
    const std::optional<int> port = ParseInt(name.substr(3));
    if (port && *port >= 1 && *port <= kMaxComPort) {
      return LoadComPortDevice(*port);
    }
  }
  return std::string(name);
}

}  // namespace gw::platform
