#pragma once
// The simulator's command line: where it listens, which modules it plays, and
// which faults it makes.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Simulator.h"

namespace gw::sim {

inline constexpr std::uint16_t kConfigPort = 20006;
inline constexpr std::uint16_t kModbusTcpPort = 502;

struct Options {
  std::optional<std::uint32_t> address;  // UDP address, most significant octet first
  std::uint16_t port = kConfigPort;
  std::uint16_t modbusPort = kModbusTcpPort;  // on each module's IpAddress; 0: none
  bool serial = false;
  std::string link;  // symlink to the pseudo-terminal
  bool pace = false;
  std::string readyFile;
  bool verbose = false;
  bool help = false;
  SimSettings settings;
};

// `args` without the program name, read by CLI11. On failure `error` names
// the option and what is wrong with it.
std::optional<Options> ParseCommandLine(const std::vector<std::string>& args, std::string& error);

// The --help text, made from the same option table.
std::string UsageText();

// 127.0.0.0/8, the only addresses the simulator listens on (but 0.0.0.0).
bool IsLoopback(std::uint32_t address);

// "a.b.c.d" into a value with the first octet most significant.
std::optional<std::uint32_t> ParseIpv4(const std::string& text);
// "00:60:E9:01:02:03"
std::optional<MacAddress> ParseMac(const std::string& text);
// "1.54" into 0x0154.
std::optional<std::uint16_t> ParseFirmware(const std::string& text);

}  // namespace gw::sim
