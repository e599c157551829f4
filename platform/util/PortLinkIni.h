#pragma once
// PortLink.ini in the configuration folder: the communication settings that
// PortLink owns and the host edits, and the devices behind the COM numbers.
//
//   [PortLink]
//   CommType=1                    0 serial, 1 Ethernet
//   COMPort=1                     COM number of the serial link
//   RemoteIP=255.255.255.255      dotted address of the Ethernet link
//   BroadcastAddress=127.255.255.255   optional: sent to instead of
//                                 255.255.255.255 (otherwise every
//                                 broadcast-capable interface gets a copy)
//   ModbusTCPPort=502             optional: port of MbKit's Modbus TCP link
//   [COMPorts]
//   COM1=/dev/ttyUSB0             optional: default COM n = /dev/ttyS<n-1>

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace gw::platform {

inline constexpr std::string_view kPortLinkIniName = "PortLink.ini";
inline constexpr std::string_view kPortLinkSection = "PortLink";
inline constexpr std::string_view kComPortsSection = "COMPorts";
inline constexpr std::string_view kCommTypeKey = "CommType";
inline constexpr std::string_view kComPortKey = "COMPort";
inline constexpr std::string_view kRemoteIpKey = "RemoteIP";
inline constexpr std::string_view kBroadcastAddressKey = "BroadcastAddress";
inline constexpr std::string_view kModbusTcpPortKey = "ModbusTCPPort";

inline constexpr int kDefaultCommType = 1;
inline constexpr int kDefaultComPort = 1;
inline constexpr int kMaxComPort = 255;
inline constexpr std::uint32_t kDefaultRemoteIp = 0xFFFFFFFFU;  // host order
inline constexpr int kDefaultModbusTcpPort = 502;

std::filesystem::path PortLinkIniPath();

// Each Load reads the file afresh; a missing or unusable value gives the
// default (an unusable one is reported once on stderr).
int LoadCommType();
int LoadComPort();             // 1 .. kMaxComPort
std::uint32_t LoadRemoteIp();  // host order

std::optional<std::uint32_t> LoadBroadcastAddress();  // host order
int LoadModbusTcpPort();

// The device behind COM<port>; empty for numbers outside 1 .. kMaxComPort.
std::string LoadComPortDevice(int port);

// Settings to be saved together; what is not set stays as the file has it.
struct SettingChanges {
  std::optional<int> commType;
  std::optional<int> comPort;                 // 1 .. kMaxComPort
  std::optional<std::uint32_t> remoteIp;      // host order
  std::map<int, std::string> comPortDevices;  // COM number -> device path
};

// Writes `changes` into PortLink.ini in one load-modify-save run under the
// folder's update lock, creating the configuration folder when needed; a
// file that holds every value already is left untouched. 0, or an errno
// value after the reason went to stderr (EBADMSG: the file cannot be read
// whole and is left as it is; EINVAL: a value out of range).
int SaveSettings(const SettingChanges& changes);

// "COM3" (any case, any number) names the device behind COM3; any other
// name is taken as a device path.
std::string ResolveSerialDevice(std::string_view name);

}  // namespace gw::platform
