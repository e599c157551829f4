// search and link: finding modules and choosing the transport.
#include <arpa/inet.h>

#include <cstdio>
#include "Json.h"

#include "CliCommands.h"
#include "CliUi.h"
#include "ModuleRef.h"
#include "Session.h"
#include "platform/util/Ipv4Text.h"
#include "report/ParameterReport.h"
#include "report/ParameterReportTexts.h"

namespace gw::cli {

namespace {

using SetDeviceFn = void (*)(int, const char*);
using GetDeviceFn = int (*)(int, char*, int);
using SaveFn = int (*)();

// The module's name with anything unprintable escaped.
std::string NameText(const NodeRecord& n) {
  return report::PrintableText(n.Block(kBlocks[0]).subspan(net::ModuleName, net::kModuleNameSize));
}

std::string LockText(std::uint16_t lockState) {
  return lockState == kLockStateLocked ? "locked" : "unlocked";
}

// "COM3" -> 3; 0 when it is not a COM name.
int ComNumber(const std::string& text) {
  if (text.size() < 4 || (text.compare(0, 3, "COM") != 0 && text.compare(0, 3, "com") != 0))
    return 0;
  try {
    const int n = std::stoi(text.substr(3));
    return n > 0 && n < 256 ? n : 0;
  } catch (...) {
    return 0;
  }
}

bool ParseIpv4(const std::string& text, std::uint32_t& hostOrder) {
  const std::optional<std::uint32_t> address = platform::ParseIpv4(text);
  if (address) hostOrder = *address;
  return address.has_value();
}

std::string DeviceOf(Session& session, int port) {
  auto get = reinterpret_cast<GetDeviceFn>(session.PortLinkSymbol("GetCOMPortDevice"));
  if (get == nullptr) return {};
  char path[512] = {};
  get(port, path, sizeof path);
  return path;
}

// Points the serial port at COMn or a device; false after saying why.
bool UseSerial(Session& session, const std::string& serial, const std::string& device) {
  PortLinkApi& api = session.Link().PortLink();
  int port = ComNumber(serial);
  std::string path = device;
  if (port == 0 && !serial.empty()) {
    if (serial.find('/') == std::string::npos) {
      std::fprintf(stderr, "'%s' is neither COMn nor a device path.\n", serial.c_str());
      return false;
    }
    port = api.GetCOMPortNum();
    path = serial;
  }
  if (port > 0) api.SetCOMPortNum(port);
  if (!path.empty()) {
    auto set = reinterpret_cast<SetDeviceFn>(session.PortLinkSymbol("SetCOMPortDevice"));
    if (set == nullptr) {
      std::fprintf(stderr, "The transport library cannot map COM ports to devices.\n");
      return false;
    }
    set(api.GetCOMPortNum(), path.c_str());
  }
  api.SetCommType(kCommSerial);
  return true;
}

// After a search that found nothing: what the kept list still holds.
void SayKept(Session& session) {
  session.LoadNodes();
  const int count = session.Nodes().Count();
  if (count == 1) {
    std::fprintf(stderr, "The module of the last search is kept.\n");
  } else if (count > 1) {
    std::fprintf(stderr, "The %d modules of the last search are kept.\n", count);
  }
}

}  // namespace

int RunSearch(CliUi& ui, const SearchOptions& options) {
  Session session(ui);
  PortLinkApi& api = session.Link().PortLink();
  std::uint32_t target = 0xFFFFFFFF;
  if (!options.ip.empty()) {
    if (!ParseIpv4(options.ip, target)) {
      std::fprintf(stderr, "'%s' is not an IPv4 address.\n", options.ip.c_str());
      return kExitUsage;
    }
    api.SetCommType(kCommEthernet);
  } else if (options.settingsAddress) {
    api.SetCommType(kCommEthernet);
    target = session.Doc().Settings().LoadRemoteAddress();
  } else if (!options.serial.empty()) {
    if (!UseSerial(session, options.serial, {})) return kExitUsage;
  }
  session.Doc().SearchAt(target);
  NodeTable& nodes = session.Nodes();
  // Only a search that found modules replaces the kept list; a module that is
  // off for a moment or a mistyped device must not make the tool forget.
  if (nodes.Count() == 0) {
    if (options.json) std::printf("[]\n");
    SayKept(session);
    return kExitFailed;
  }
  const bool kept = session.ReplaceNodes();
  if (options.json) {
    Json list = Json::array();
    for (int i = 0; i < nodes.Count(); ++i) {
      const NodeRecord& n = nodes.Node(i);
      list.push_back({{"index", i},
                      {"moduleNumber", n.ModuleNumber()},
                      {"name", NameText(n)},
                      {"ip", Ipv4Text(n.IpAddress())},
                      {"mac", MacText(n.Mac())},
                      {"firmware", FirmwareText(n.FirmwareVersion())},
                      {"locked", n.LockState() == kLockStateLocked}});
    }
    std::printf("%s\n", DumpJson(list).c_str());
  } else {
    std::vector<std::vector<std::string>> rows{
        {"#", "Module", "Name", "IP", "MAC", "Firmware", "Lock"}};
    for (int i = 0; i < nodes.Count(); ++i) {
      const NodeRecord& n = nodes.Node(i);
      char index[16];
      std::snprintf(index, sizeof index, "#%03d", i);
      rows.push_back({index, std::to_string(n.ModuleNumber()), NameText(n), Ipv4Text(n.IpAddress()),
                      MacText(n.Mac()), FirmwareText(n.FirmwareVersion()),
                      LockText(n.LockState())});
    }
    const auto widths = ColumnWidths(rows);
    for (const auto& row : rows) std::fputs(AlignedRow(row, widths).c_str(), stdout);
  }
  return kept ? kExitOk : kExitFailed;
}

int RunLink(CliUi& ui, const LinkOptions& options) {
  Session session(ui);
  PortLinkApi& api = session.Link().PortLink();
  if (!options.ethernet.empty()) {
    std::uint32_t address = 0;
    if (!ParseIpv4(options.ethernet, address)) {
      std::fprintf(stderr, "'%s' is not an IPv4 address.\n", options.ethernet.c_str());
      return kExitUsage;
    }
    api.SetCommType(kCommEthernet);
    api.SetRemoteIPAddr(htonl(address));
  } else if (!options.serial.empty() || !options.device.empty()) {
    if (!UseSerial(session, options.serial, options.device)) return kExitUsage;
  }
  const bool changed =
      !options.ethernet.empty() || !options.serial.empty() || !options.device.empty();
  if (changed) {
    // A search sets the link for its own run; this command saves it.
    auto save = reinterpret_cast<SaveFn>(session.PortLinkSymbol("SaveCommSettings"));
    if (save == nullptr || save() != 0) {
      std::fprintf(stderr, "The link settings were not saved%s.\n",
                   save == nullptr ? ": the transport library cannot save them" : "");
      return kExitFailed;
    }
  }
  const int commType = api.GetCommType();
  const int port = api.GetCOMPortNum();
  const std::string remote = Ipv4Text(api.GetRemoteIPAddr());
  const std::string device = DeviceOf(session, port);
  if (options.json) {
    Json j = {{"commType", commType == kCommSerial ? "serial" : "ethernet"},
              {"comPort", port},
              {"device", device},
              {"remoteAddress", remote}};
    std::printf("%s\n", DumpJson(j).c_str());
  } else {
    std::printf("Link:           %s\n", commType == kCommSerial ? "serial" : "Ethernet");
    std::printf("Remote address: %s\n", remote.c_str());
    std::printf("Serial port:    COM%d (%s)\n", port, device.c_str());
  }
  return kExitOk;
}

}  // namespace gw::cli
