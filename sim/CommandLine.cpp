#include "CommandLine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <sstream>

#include "platform/util/Ipv4Text.h"

namespace gw::sim {

namespace {

template <typename T>
bool Number(const std::string& text, T& value) {
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc{} && end == text.data() + text.size();
}

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, ',')) parts.push_back(part);
  return parts;
}

bool IsLoopback(std::uint32_t address) { return (address >> 24) == 127; }

// The raw option values, before the modules are made from them.
struct Raw {
  int modules = 1;
  std::optional<MacAddress> macBase;
  bool duplicateMac = false;
  std::vector<std::uint16_t> numbers;
  std::vector<std::string> names;
  std::optional<std::uint32_t> ipBase;
  std::vector<std::uint16_t> firmware;
  std::vector<int> locked;
  bool lockAll = false;
  std::string password = "1234";
  std::vector<int> foreign;
  std::uint32_t seed = 1;
  unsigned loginTimeout = 300;
};

const std::array<const char*, 8> kSites = {"Boiler house", "Pump station", "Press line",
                                           "Cooling tower", "Packing hall", "Water works",
                                           "Mixer room",   "Dock gate"};

MacAddress AddToMac(MacAddress mac, unsigned add) {
  std::uint64_t v = 0;
  for (std::uint8_t b : mac) v = (v << 8) | b;
  v += add;
  for (int i = 5; i >= 0; --i) {
    mac[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v);
    v >>= 8;
  }
  return mac;
}

bool Listed(const std::vector<int>& list, int index) {
  return std::find(list.begin(), list.end(), index) != list.end();
}

std::vector<ModuleSetup> MakeModules(const Raw& raw, std::optional<std::uint32_t> address) {
  const auto seedByte = static_cast<std::uint8_t>((raw.seed * 2654435761u) >> 24);
  const auto addressByte = static_cast<std::uint8_t>(address.value_or(0));
  const MacAddress macBase = raw.macBase.value_or(MacAddress{0x00, 0x60, 0xE9, seedByte, addressByte, 1});
  const std::uint32_t ipBase = raw.ipBase.value_or((127u << 24) | (1u << 16) | (std::uint32_t{addressByte} << 8) | 1u);
  std::vector<ModuleSetup> modules;
  for (int k = 1; k <= raw.modules; ++k) {
    const auto i = static_cast<std::size_t>(k - 1);
    ModuleSetup m;
    m.index = k;
    m.mac = AddToMac(macBase, static_cast<unsigned>(i));
    m.moduleNumber = i < raw.numbers.size() ? raw.numbers[i] : static_cast<std::uint16_t>(k);
    m.moduleType = Listed(raw.foreign, k) ? kForeignModuleType : kModuleTypeNxg;
    if (!raw.firmware.empty()) m.firmware = raw.firmware[std::min(i, raw.firmware.size() - 1)];
    m.name = i < raw.names.size() ? raw.names[i]
                                  : std::string(kSites[(seedByte + i) % kSites.size()]) + " " + std::to_string(k);
    m.ipAddress = ipBase + static_cast<std::uint32_t>(i);
    m.netmask = 0xFFFFFF00;
    m.gateway = (m.ipAddress & m.netmask) | 254;
    if (raw.lockAll || Listed(raw.locked, k)) m.password = raw.password;
    m.seed = raw.seed;
    modules.push_back(m);
  }
  if (raw.duplicateMac && modules.size() > 1) modules.back().mac = modules.front().mac;
  return modules;
}

bool IndexList(const std::string& text, std::vector<int>& out, std::string& error,
               const std::string& option) {
  for (const auto& part : Split(text)) {
    int k = 0;
    if (!Number(part, k) || k < 1) {
      error = option + " takes module positions counted from 1, not \"" + part + "\"";
      return false;
    }
    out.push_back(k);
  }
  return true;
}

}  // namespace

std::optional<std::uint32_t> ParseIpv4(const std::string& text) {
  return platform::ParseIpv4(text);
}

std::optional<MacAddress> ParseMac(const std::string& text) {
  MacAddress mac{};
  if (text.size() != 17) return std::nullopt;
  for (std::size_t i = 0; i < 6; ++i) {
    if (i > 0 && text[3 * i - 1] != ':') return std::nullopt;
    unsigned v = 0;
    auto [end, ec] = std::from_chars(text.data() + 3 * i, text.data() + 3 * i + 2, v, 16);
    if (ec != std::errc{} || end != text.data() + 3 * i + 2) return std::nullopt;
    mac[i] = static_cast<std::uint8_t>(v);
  }
  return mac;
}

std::optional<std::uint16_t> ParseFirmware(const std::string& text) {
  // Major and minor are shown in hexadecimal digits: "1.54" is 0x0154.
  const auto dot = text.find('.');
  if (dot == std::string::npos || dot == 0 || dot > 2 || text.size() - dot - 1 != 2) return std::nullopt;
  unsigned major = 0;
  unsigned minor = 0;
  auto [e1, c1] = std::from_chars(text.data(), text.data() + dot, major, 16);
  auto [e2, c2] = std::from_chars(text.data() + dot + 1, text.data() + text.size(), minor, 16);
  if (c1 != std::errc{} || c2 != std::errc{} || e1 != text.data() + dot ||
      e2 != text.data() + text.size()) {
    return std::nullopt;
  }
  return static_cast<std::uint16_t>((major << 8) | minor);
}

std::optional<Options> ParseCommandLine(const std::vector<std::string>& args, std::string& error) {
  Options o;
  Raw raw;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::optional<std::string> inlineValue;
    if (auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      inlineValue = name.substr(eq + 1);
      name = name.substr(0, eq);
    }
    auto value = [&](std::string& out) {
      if (inlineValue) {
        out = *inlineValue;
        return true;
      }
      if (i + 1 >= args.size()) {
        error = name + " needs a value";
        return false;
      }
      out = args[++i];
      return true;
    };
    auto flag = [&]() {
      if (inlineValue) {
        error = name + " takes no value";
        return false;
      }
      return true;
    };
    std::string v;
    if (name == "--help" || name == "-h") {
      if (!flag()) return std::nullopt;
      o.help = true;
    } else if (name == "--verbose" || name == "-v") {
      if (!flag()) return std::nullopt;
      o.verbose = true;
    } else if (name == "--serial") {
      if (!flag()) return std::nullopt;
      o.serial = true;
    } else if (name == "--pace") {
      if (!flag()) return std::nullopt;
      o.pace = true;
    } else if (name == "--duplicate-mac") {
      if (!flag()) return std::nullopt;
      raw.duplicateMac = true;
    } else if (name == "--address") {
      if (!value(v)) return std::nullopt;
      auto a = ParseIpv4(v);
      if (!a || (*a != 0 && !IsLoopback(*a))) {
        error = "--address must be a loopback address 127.x.y.z or 0.0.0.0, not \"" + v + "\"";
        return std::nullopt;
      }
      o.address = *a;
    } else if (name == "--port") {
      if (!value(v)) return std::nullopt;
      if (!Number(v, o.port) || o.port == 0) {
        error = "--port must be 1 to 65535, not \"" + v + "\"";
        return std::nullopt;
      }
    } else if (name == "--link") {
      if (!value(o.link)) return std::nullopt;
    } else if (name == "--ready-file") {
      if (!value(o.readyFile)) return std::nullopt;
    } else if (name == "--modules") {
      if (!value(v)) return std::nullopt;
      if (!Number(v, raw.modules) || raw.modules < 1 || raw.modules > 1000) {
        error = "--modules must be 1 to 1000, not \"" + v + "\"";
        return std::nullopt;
      }
    } else if (name == "--mac-base") {
      if (!value(v)) return std::nullopt;
      raw.macBase = ParseMac(v);
      if (!raw.macBase) {
        error = "--mac-base must look like 00:60:E9:01:02:03, not \"" + v + "\"";
        return std::nullopt;
      }
    } else if (name == "--module-numbers") {
      if (!value(v)) return std::nullopt;
      for (const auto& part : Split(v)) {
        std::uint16_t n = 0;
        if (!Number(part, n)) {
          error = "--module-numbers takes numbers 0 to 65535, not \"" + part + "\"";
          return std::nullopt;
        }
        raw.numbers.push_back(n);
      }
    } else if (name == "--names") {
      if (!value(v)) return std::nullopt;
      raw.names = Split(v);
      for (const auto& n : raw.names) {
        if (n.size() > net::kModuleNameSize) {
          error = "module name \"" + n + "\" is longer than 32 characters";
          return std::nullopt;
        }
      }
    } else if (name == "--ip-base") {
      if (!value(v)) return std::nullopt;
      raw.ipBase = ParseIpv4(v);
      if (!raw.ipBase || !IsLoopback(*raw.ipBase)) {
        error = "--ip-base must be a loopback address 127.x.y.z, not \"" + v + "\"";
        return std::nullopt;
      }
    } else if (name == "--firmware") {
      if (!value(v)) return std::nullopt;
      for (const auto& part : Split(v)) {
        auto f = ParseFirmware(part);
        if (!f) {
          error = "--firmware takes versions like 1.54 or 1.55, not \"" + part + "\"";
          return std::nullopt;
        }
        raw.firmware.push_back(*f);
      }
    } else if (name == "--locked") {
      if (!value(v)) return std::nullopt;
      if (v == "all") {
        raw.lockAll = true;
      } else if (!IndexList(v, raw.locked, error, name)) {
        return std::nullopt;
      }
    } else if (name == "--password") {
      if (!value(raw.password)) return std::nullopt;
      if (raw.password.empty() || raw.password.size() > net::kPasswordSize) {
        error = "--password must be 1 to 4 characters";
        return std::nullopt;
      }
    } else if (name == "--foreign-type") {
      if (!value(v) || !IndexList(v, raw.foreign, error, name)) return std::nullopt;
    } else if (name == "--quiet-block") {
      if (!value(v)) return std::nullopt;
      for (const auto& part : Split(v)) {
        int b = 0;
        if (!Number(part, b) || !FindBlock(b)) {
          error = "--quiet-block takes parameter block numbers, not \"" + part + "\"";
          return std::nullopt;
        }
        o.settings.quietBlocks.push_back(b);
      }
    } else if (name == "--seed") {
      if (!value(v)) return std::nullopt;
      if (!Number(v, raw.seed)) {
        error = "--seed must be a number 0 to 4294967295, not \"" + v + "\"";
        return std::nullopt;
      }
    } else if (name == "--fault") {
      if (!value(v)) return std::nullopt;
      auto spec = ParseFault(v, error);
      if (!spec) return std::nullopt;
      o.settings.faults.push_back(*spec);
    } else if (name == "--login-timeout") {
      if (!value(v)) return std::nullopt;
      if (!Number(v, raw.loginTimeout)) {
        error = "--login-timeout must be a number of seconds, not \"" + v + "\"";
        return std::nullopt;
      }
    } else {
      error = "unknown option \"" + args[i] + "\"";
      return std::nullopt;
    }
  }
  if (o.help) return o;
  if (!o.address && !o.serial) {
    error = "nothing to listen on: give --address and/or --serial";
    return std::nullopt;
  }
  if (!o.link.empty() && !o.serial) {
    error = "--link needs --serial";
    return std::nullopt;
  }
  if (o.pace && !o.serial) {
    error = "--pace needs --serial";
    return std::nullopt;
  }
  for (const auto* list : {&raw.locked, &raw.foreign}) {
    for (int k : *list) {
      if (k > raw.modules) {
        error = "module " + std::to_string(k) + " does not exist (--modules " +
                std::to_string(raw.modules) + ")";
        return std::nullopt;
      }
    }
  }
  if (raw.duplicateMac && raw.modules < 2) {
    error = "--duplicate-mac needs at least two modules";
    return std::nullopt;
  }
  o.settings.seed = raw.seed;
  o.settings.loginTimeout = std::chrono::seconds(raw.loginTimeout);
  o.settings.modules = MakeModules(raw, o.address);
  return o;
}

std::string UsageText() {
  return R"(Usage: nxgsim [options]
Plays one or more NXG4120-T modules on the configuration protocol.

Where it listens (at least one):
  --address A          UDP on A, port 20006: a loopback address 127.x.y.z, or
                       0.0.0.0 to share the port with other simulators and
                       receive broadcasts to 127.255.255.255
  --port P             another UDP port (default 20006)
  --serial             a pseudo-terminal speaking the serial framing; its path
                       is printed as "serial PATH"
  --link PATH          also make PATH a symlink to the pseudo-terminal
  --pace               write to the pseudo-terminal at 19200 baud (1920 bytes/s)

The modules:
  --modules N          N modules on this address (default 1, at most 1000)
  --mac-base MAC       MAC of module 1; module k gets MAC + k-1
                       (default 00:60:E9:ss:aa:01, ss from the seed, aa the
                       last octet of --address)
  --duplicate-mac      the last module repeats the MAC of the first
  --module-numbers L   ModuleNumber per module, e.g. 2,300,1 (default k)
  --names L            ModuleName per module, comma separated
  --ip-base A          IPv4 address of module 1 (a loopback address; default
                       127.1.aa.1), module k gets A + k-1
  --firmware L         1.54 or 1.55 per module; the last one given holds for
                       the rest (default 1.55)
  --locked L|all       these modules (positions from 1) are password locked
  --password TEXT      their password, 1 to 4 characters (default 1234)
  --login-timeout S    a login lasts S seconds after the module's last request
                       (default 300; 0: until the password is changed)
  --foreign-type L     these modules answer with ModuleType 0xF300
  --quiet-block L      never answer reads of these blocks
  --seed N             seed of the parameters and the faults (default 1)

Faults (several allowed):
  --fault KIND[=MS][:WHEN]
                       KIND: )" + FaultNames() + R"(
                       WHEN: a probability (0.3) or a count (2: the first two
                       replies it applies to); none: every reply
                       delay=MS: the delay in ms (default 500)

Other:
  --ready-file PATH    write PATH once listening (lines "udp A:P", "serial PATH")
  --verbose, -v        log every request and reply on stderr
  --help, -h           this text
)";
}

}  // namespace gw::sim
