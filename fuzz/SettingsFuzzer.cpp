// The settings files as the tool reads them, in a configuration folder of the
// fuzzer's own: PortLink.ini through the transport's settings (every value in
// its range, and a store keeps what it stores and every other setting),
// NXG4120-T.ini's search address and IPList.ini's merge of found modules.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "FuzzInput.h"
#include "link/CommSettings.h"
#include "platform/util/ConfigFolder.h"
#include "platform/util/PortLinkIni.h"

namespace {

using namespace gw;
using namespace gw::platform;
using fuzz::Check;

std::filesystem::path home;

void RemoveHome() {
  std::error_code ec;
  std::filesystem::remove_all(home, ec);
}

// Three found modules, one of them on an address the seeds list already.
const NodeTable& FoundNodes() {
  static const NodeTable* table = [] {
    auto* t = new NodeTable();
    const std::uint32_t addresses[] = {0x7F000005, 0x0A000001, 0xC0A80105};
    for (int i = 0; i < 3; ++i)
      StoreBE32(t->Node(i).Block(kBlocks[0]), net::IpAddress, addresses[i]);
    t->SetCount(3);
    return t;
  }();
  return *table;
}

void ReadPortLinkIni() {
  const int commType = LoadCommType();
  const int comPort = LoadComPort();
  Check(comPort >= 1 && comPort <= kMaxComPort);
  const std::uint32_t remote = LoadRemoteIp();
  const auto broadcast = LoadBroadcastAddress();
  const int modbusPort = LoadModbusTcpPort();
  Check(modbusPort >= 1 && modbusPort <= 65535);
  const std::string device = LoadComPortDevice(comPort);
  Check(!device.empty());
  Check(ResolveSerialDevice("com" + std::to_string(comPort)) == device);

  const int otherPort = comPort % kMaxComPort + 1;
  SettingChanges change;
  change.comPort = otherPort;
  if (SaveSettings(change) != 0) return;
  Check(LoadComPort() == otherPort);
  Check(LoadCommType() == commType);
  Check(LoadRemoteIp() == remote);
  Check(LoadBroadcastAddress() == broadcast);
  Check(LoadModbusTcpPort() == modbusPort);
  Check(LoadComPortDevice(comPort) == device);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // On a memory file system when there is one: every save is synced.
  const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
  std::string pattern = (base / "gwfuzz-settings-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    std::exit(1);
  }
  home = pattern;
  setenv("GWSUITE_HOME", home.c_str(), 1);
  std::atexit(RemoveHome);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::filesystem::path folder = ConfigFolder();
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
  Check(EnsureConfigFolder());

  const CommSettings settings(folder.string());
  const auto which = static_cast<fuzz::SettingsFile>(data[0] % 3);
  const std::filesystem::path file = which == fuzz::kPortLinkIni ? PortLinkIniPath()
                                     : which == fuzz::kModelIni
                                         ? std::filesystem::path(settings.SettingsPath())
                                         : std::filesystem::path(settings.IpListPath());
  std::FILE* out = std::fopen(file.c_str(), "wb");
  Check(out != nullptr);
  Check(std::fwrite(data + 1, 1, size - 1, out) == size - 1);
  Check(std::fclose(out) == 0);

  switch (which) {
    case fuzz::kPortLinkIni:
      ReadPortLinkIni();
      break;
    case fuzz::kModelIni:
      settings.LoadRemoteAddress();
      break;
    case fuzz::kIpListIni:
      settings.MergeIpList(FoundNodes());
      break;
  }
  return 0;
}
