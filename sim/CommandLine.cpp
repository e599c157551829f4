#include "CommandLine.h"

#include <arpa/inet.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <charconv>

#include "platform/util/Ipv4Text.h"

namespace gw::sim {

bool IsLoopback(std::uint32_t address) { return (address >> 24) == 127; }

namespace {

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
  unsigned modbusStep = 1000;
};

const std::array<const char*, 8> kSites = {"Boiler house",  "Pump station", "Press line",
                                           "Cooling tower", "Packing hall", "Water works",
                                           "Mixer room",    "Dock gate"};

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
  const MacAddress macBase =
      raw.macBase.value_or(MacAddress{0x00, 0x60, 0xE9, seedByte, addressByte, 1});
  // By default the modules of simulators on different addresses get
  // different addresses of their own: 127.0.0.d gives 127.1.d.1, 127.0.c.d
  // gives 127.(c+1).d.1.
  const std::uint32_t third = (address.value_or(0) >> 8) & 0xFF;
  const std::uint32_t second = third < 0xFF ? third + 1 : 1;
  const std::uint32_t ipBase = raw.ipBase.value_or((127u << 24) | (second << 16) |
                                                   (std::uint32_t{addressByte} << 8) | 1u);
  std::vector<ModuleSetup> modules;
  for (int k = 1; k <= raw.modules; ++k) {
    const auto i = static_cast<std::size_t>(k - 1);
    ModuleSetup m;
    m.index = k;
    m.mac = AddToMac(macBase, static_cast<unsigned>(i));
    m.moduleNumber = i < raw.numbers.size() ? raw.numbers[i] : static_cast<std::uint16_t>(k);
    m.moduleType = Listed(raw.foreign, k) ? kForeignModuleType : kModuleTypeNxg;
    if (!raw.firmware.empty()) m.firmware = raw.firmware[std::min(i, raw.firmware.size() - 1)];
    m.name = i < raw.names.size()
                 ? raw.names[i]
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

// An option whose text `parse` turns into a value; other text is refused with
// `rule`. With a delimiter, every part of a list goes through `store`.
template <typename Parse, typename Store>
CLI::Option* AddParsed(CLI::App& app, const std::string& name, Parse parse, Store store,
                       const std::string& rule, const std::string& help) {
  return app
      .add_option_function<std::vector<std::string>>(
          name,
          [name, parse, store, rule](const std::vector<std::string>& texts) {
            for (const std::string& text : texts) {
              auto value = parse(text);
              if (!value) throw CLI::ValidationError(name, rule + ", not \"" + text + "\"");
              store(*value);
            }
          },
          help)
      ->expected(1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

std::optional<int> WholeNumber(const std::string& text) {
  int k = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), k);
  if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return k;
}

std::optional<int> ModulePosition(const std::string& text) {
  const auto k = WholeNumber(text);
  return k && *k >= 1 ? k : std::nullopt;
}

std::optional<std::uint32_t> LoopbackOrAny(const std::string& text) {
  auto a = ParseIpv4(text);
  if (a && *a != 0 && !IsLoopback(*a)) return std::nullopt;
  return a;
}

std::optional<std::uint32_t> Loopback(const std::string& text) {
  auto a = ParseIpv4(text);
  if (a && !IsLoopback(*a)) return std::nullopt;
  return a;
}

// The options, bound to `o` and `raw`. Values are checked as they are taken;
// what depends on several options is checked after the parse.
void DescribeOptions(CLI::App& app, Options& o, Raw& raw) {
  app.get_formatter()->column_width(26);
  app.footer("KIND: " + FaultNames() +
             "\nWHEN: a probability (0.3) or a count (2: the first two replies it applies to);"
             "\n      none: every reply. delay=MS: the delay in ms (default 500)"
             "\ninvalid-points: Modbus results not valid: WHEN a count marks the first N"
             "\n      points of each table, a probability each point; none: every point");
  app.option_defaults()->disable_flag_override();

  const std::string listen = "Where it listens (at least one)";
  AddParsed(
      app, "--address", LoopbackOrAny, [&o](std::uint32_t a) { o.address = a; },
      "must be a loopback address 127.x.y.z or 0.0.0.0",
      "UDP on A, port 20006: a loopback address 127.x.y.z, or 0.0.0.0 to share the port "
      "with other simulators and receive broadcasts to 127.255.255.255")
      ->type_name("A")
      ->group(listen);
  app.add_option("--port", o.port, "another UDP port (default 20006)")
      ->check(CLI::Range(1, 65535).description(""))
      ->type_name("P")
      ->group(listen);
  auto* serial = app.add_flag("--serial", o.serial,
                              "a pseudo-terminal speaking the serial framing; its path is printed "
                              "as \"serial PATH\"")
                     ->group(listen);
  app.add_option("--link", o.link, "also make PATH a symlink to the pseudo-terminal")
      ->needs(serial)
      ->type_name("PATH")
      ->group(listen);
  app.add_flag("--pace", o.pace, "write to the pseudo-terminal at 19200 baud (1920 bytes/s)")
      ->needs(serial)
      ->group(listen);

  const std::string modules = "The modules";
  app.add_option("--modules", raw.modules, "N modules on this address (default 1, at most 1000)")
      ->check(CLI::Range(1, 1000).description(""))
      ->type_name("N")
      ->group(modules);
  AddParsed(
      app, "--mac-base", ParseMac, [&raw](const MacAddress& m) { raw.macBase = m; },
      "must look like 00:60:E9:01:02:03",
      "MAC of module 1; module k gets MAC + k-1 (default 00:60:E9:ss:aa:01, ss from the "
      "seed, aa the last octet of --address)")
      ->type_name("MAC")
      ->group(modules);
  app.add_flag("--duplicate-mac", raw.duplicateMac, "the last module repeats the MAC of the first")
      ->group(modules);
  app.add_option("--module-numbers", raw.numbers,
                 "ModuleNumber per module, e.g. 2,300,1 (default k)")
      ->expected(1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->delimiter(',')
      ->type_name("L")
      ->group(modules);
  app.add_option("--names", raw.names, "ModuleName per module, comma separated")
      ->expected(1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->check(CLI::Validator(
          [](std::string& name) {
            return name.size() > net::kModuleNameSize
                       ? "module name \"" + name + "\" is longer than 32 characters"
                       : std::string();
          },
          ""))
      ->delimiter(',')
      ->type_name("L")
      ->group(modules);
  AddParsed(
      app, "--ip-base", Loopback, [&raw](std::uint32_t a) { raw.ipBase = a; },
      "must be a loopback address 127.x.y.z",
      "IPv4 address of module 1 (a loopback address; default 127.1.aa.1), module k gets "
      "A + k-1")
      ->type_name("A")
      ->group(modules);
  AddParsed(
      app, "--firmware", ParseFirmware, [&raw](std::uint16_t f) { raw.firmware.push_back(f); },
      "takes versions like 1.54 or 1.55",
      "1.54 or 1.55 per module; the last one given holds for the rest (default 1.55)")
      ->delimiter(',')
      ->type_name("L")
      ->group(modules);
  AddParsed(
      app, "--locked",
      // 0 stands for "all".
      [](const std::string& text) {
        return text == "all" ? std::optional<int>(0) : ModulePosition(text);
      },
      [&raw](int k) {
        if (k == 0)
          raw.lockAll = true;
        else
          raw.locked.push_back(k);
      },
      "takes module positions counted from 1 or all",
      "these modules (positions from 1) are password locked")
      ->delimiter(',')
      ->type_name("L|all")
      ->group(modules);
  app.add_option("--password", raw.password, "their password, 1 to 4 characters (default 1234)")
      ->check(CLI::Validator(
          [](std::string& pw) {
            return pw.empty() || pw.size() > net::kPasswordSize ? "must be 1 to 4 characters"
                                                                : std::string();
          },
          ""))
      ->type_name("TEXT")
      ->group(modules);
  app.add_option("--login-timeout", raw.loginTimeout,
                 "a login lasts S seconds after the module's last request (default 300; 0: "
                 "until the password is changed)")
      ->type_name("S")
      ->group(modules);
  AddParsed(
      app, "--foreign-type", ModulePosition, [&raw](int k) { raw.foreign.push_back(k); },
      "takes module positions counted from 1", "these modules answer with ModuleType 0xF300")
      ->delimiter(',')
      ->type_name("L")
      ->group(modules);
  AddParsed(
      app, "--quiet-block",
      [](const std::string& text) {
        const auto b = WholeNumber(text);
        return b && FindBlock(*b) ? b : std::nullopt;
      },
      [&o](int b) { o.settings.quietBlocks.push_back(b); }, "takes parameter block numbers",
      "never answer reads of these blocks")
      ->delimiter(',')
      ->type_name("L")
      ->group(modules);
  app.add_flag("--quiet-login", o.settings.quietLogin, "never answer a login")->group(modules);
  app.add_option("--seed", raw.seed, "seed of the parameters and the faults (default 1)")
      ->type_name("N")
      ->group(modules);

  const std::string modbus = "Modbus TCP: each module serves its device monitor results";
  app.add_option("--modbus-port", o.modbusPort,
                 "on port P of the module's IP address (default 502; 0: no Modbus)")
      ->check(CLI::Range(0, 65535).description(""))
      ->type_name("P")
      ->group(modbus);
  app.add_option("--modbus-step", raw.modbusStep,
                 "the values change every MS milliseconds (default 1000; 0: never)")
      ->check(CLI::Range(0, 3600000).description(""))
      ->type_name("MS")
      ->group(modbus);

  app.add_option_function<std::vector<std::string>>(
         "--fault",
         [&o](const std::vector<std::string>& texts) {
           for (const std::string& text : texts) {
             std::string error;
             auto rule = ParseFault(text, error);
             if (!rule) throw CLI::ValidationError("--fault", error);
             o.settings.faults.push_back(*rule);
           }
         },
         "a fault; several allowed")
      ->expected(1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->type_name("KIND[=MS][:WHEN]")
      ->group("Faults");
  AddParsed(
      app, "--fault-modules", ModulePosition, [&o](int k) { o.settings.faultModules.push_back(k); },
      "takes module positions counted from 1",
      "the faults strike only these modules (positions from 1; default all)")
      ->delimiter(',')
      ->type_name("L")
      ->group("Faults");

  app.add_option("--ready-file", o.readyFile,
                 "write PATH once listening (lines \"udp A:P\", \"serial PATH\")")
      ->type_name("PATH")
      ->group("Other");
  app.add_flag("--verbose,-v", o.verbose, "log every request and reply on stderr")->group("Other");
  app.set_help_flag("--help,-h", "this text")->group("Other");
}

std::string Check(const Options& o, const Raw& raw) {
  if (!o.address && !o.serial) return "nothing to listen on: give --address and/or --serial";
  for (const auto* list : {&raw.locked, &raw.foreign, &o.settings.faultModules}) {
    for (int k : *list) {
      if (k > raw.modules) {
        return "module " + std::to_string(k) + " does not exist (--modules " +
               std::to_string(raw.modules) + ")";
      }
    }
  }
  if (raw.duplicateMac && raw.modules < 2) return "--duplicate-mac needs at least two modules";
  return {};
}

CLI::App MakeApp() {
  return CLI::App("Plays one or more NXG4120-T modules on the configuration protocol.", "nxgsim");
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
  if (dot == std::string::npos || dot == 0 || dot > 2 || text.size() - dot - 1 != 2)
    return std::nullopt;
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
  CLI::App app = MakeApp();
  DescribeOptions(app, o, raw);
  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    o.help = true;
    return o;
  } catch (const CLI::ParseError& e) {
    error = e.what();
    return std::nullopt;
  }
  error = Check(o, raw);
  if (!error.empty()) return std::nullopt;
  o.settings.seed = raw.seed;
  o.settings.loginTimeout = std::chrono::seconds(raw.loginTimeout);
  o.settings.modbusStep = std::chrono::milliseconds(raw.modbusStep);
  o.settings.modules = MakeModules(raw, o.address);
  return o;
}

std::string UsageText() {
  Options o;
  Raw raw;
  CLI::App app = MakeApp();
  DescribeOptions(app, o, raw);
  return app.help();
}

}  // namespace gw::sim
