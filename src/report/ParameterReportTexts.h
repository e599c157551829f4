#pragma once
// How the parameter pages turn record fields into the texts they show: the
// meaning of the ComConfig bits, the drop-list captions, baud codes, switches,
// addresses, the module clock and the time zone. A value with no entry in its
// list gives "unknown (value)".

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/ByteOrder.h"
#include "model/SerialConfig.h"

namespace gw::report {

// The bits, codes and lists of the serial settings are those of
// SerialConfig.h (namespace gw, found from here).

// "unknown (value)"
std::string UnknownText(long long value);
// Entry `index` of a drop list, or UnknownText(index) outside it.
std::string ListText(std::span<const std::string_view> list, long long index);

std::string ProtocolText(ComProtocol protocol);

std::string MasterText(std::uint16_t comConfig, int firmwareNumber);

std::string DataLengthText(std::uint16_t comConfig);
// The parity field 0, 1, 3 shows None, Odd, Even; 2 has no entry.
std::string ParityText(std::uint16_t comConfig);
std::string StopBitsText(std::uint16_t comConfig);
std::string ModeText(std::uint16_t comConfig);

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
// The Time Zone list entry; outside the 74 entries "unknown (N)".
std::string TimeZoneText(std::uint16_t index);
// "GMT+05:45 (20700 s)"; an offset that is no whole minute only in seconds.
std::string TimeZoneOffsetText(std::int32_t seconds);

// A fixed-size character field made safe for a terminal and for JSON:
// printable ASCII as it is, a backslash doubled, every other byte "\xNN".
std::string PrintableText(ConstBytes field);

}  // namespace gw::report
