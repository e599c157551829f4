#pragma once
// How the parameter pages turn record fields into the texts they show: the
// meaning of the ComConfig bits, the drop-list captions, baud codes, switches,
// addresses, the module clock and the time zone. A value with no entry in its
// list gives "unknown (value)".

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "ByteOrder.h"

namespace gw::report {

// Firmware numbers above this one know the IPv6 fields and the "Serial Device
// Server" master configuration.
inline constexpr int kLastFirmwareWithoutIpv6 = 154;
inline bool HasIpv6AndDeviceServer(int firmwareNumber) {
  return firmwareNumber > kLastFirmwareWithoutIpv6;
}

// Bits of the SerialBlock's ComConfig word.
namespace comconfig {
inline constexpr std::uint16_t kDataLength8 = 1u << 0;
inline constexpr unsigned kParityShift = 1;  // bits 1-2: 0 None, 1 Odd, 3 Even
inline constexpr std::uint16_t kParityMask = 3u << kParityShift;
inline constexpr std::uint16_t kTwoStopBits = 1u << 3;
inline constexpr std::uint16_t kModeRtu = 1u << 8;
inline constexpr std::uint16_t kModbusCom1 = 1u << 9;
inline constexpr std::uint16_t kSerialSlave = 1u << 10;
inline constexpr std::uint16_t kUserDefineCom1 = 1u << 11;
inline constexpr std::uint16_t kSerialDeviceServer = 1u << 13;
inline constexpr std::uint16_t kUserDefineCom2 = 1u << 15;
}  // namespace comconfig

// "unknown (value)"
std::string UnknownText(long long value);
// Entry `index` of a drop list, or UnknownText(index) outside it.
std::string ListText(std::span<const std::string_view> list, long long index);

// COM Protocol Setup, in the order of its drop list.
enum class ComProtocol { ModbusCom1 = 0, ModbusCom2 = 1, UserDefineCom1 = 2, UserDefineCom2 = 3 };
// User Define COM1 wins over User Define COM2, which wins over Modbus COM1;
// no protocol bit means Modbus COM2.
ComProtocol ProtocolOf(std::uint16_t comConfig);
bool UsesCom1(ComProtocol protocol);
bool IsUserDefine(ComProtocol protocol);
std::string ProtocolText(ComProtocol protocol);

// Master Configuration list position: 1 for Serial Slave, plus 2 for Serial
// Device Server when the firmware knows it; 3 has no entry.
int MasterIndex(std::uint16_t comConfig, int firmwareNumber);
std::string MasterText(std::uint16_t comConfig, int firmwareNumber);

std::string DataLengthText(std::uint16_t comConfig);
// The parity field 0, 1, 3 shows None, Odd, Even; 2 has no entry.
std::string ParityText(std::uint16_t comConfig);
std::string StopBitsText(std::uint16_t comConfig);
std::string ModeText(std::uint16_t comConfig);

// BaudCodes: low byte COM1, high byte COM2; a code is the 1-based position in
// the Baudrate list (1 = 110 ... 12 = 115200).
std::uint8_t BaudCode(std::uint16_t baudCodes, bool com1);
std::string BaudText(std::uint8_t code);

std::string IpConfigurationText(std::uint16_t value);  // "Static", "DHCP"
// A check box: 0 "No", 1 "Yes".
std::string SwitchText(unsigned value);
// 1 "Locked"; 0 and 2 "Unlocked".
std::string LockStateText(std::uint16_t lockState);

// Eight groups "%02X%02X" joined by ":".
std::string Ipv6Text(ConstBytes address16);
// The address of a relay entry, whose four octets are held last first.
std::string ReversedIpv4Text(ConstBytes octets4);
// "%d / %d": high byte inputs, low byte outputs.
std::string DiDoText(std::uint16_t diDoPoints);

// The module clock (seconds since 1970 of local time, taken as UTC) as
// "YYYY-MM-DD hh:mm:ss Weekday"; zero is "Time error".
std::string ClockText(std::uint32_t clockTime);
// The Time Zone list entry where its caption is known, else "entry N";
// outside the 74 entries "unknown (N)".
std::string TimeZoneText(std::uint16_t index);
// "GMT+05:45 (20700 s)"; an offset that is no whole minute only in seconds.
std::string TimeZoneOffsetText(std::int32_t seconds);

// A fixed-size character field made safe for a terminal and for JSON:
// printable ASCII as it is, a backslash doubled, every other byte "\xNN".
std::string PrintableText(ConstBytes field);

}  // namespace gw::report
