#include "ParameterReportTexts.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "model/ClockValue.h"
#include "model/NodeRecord.h"
#include "model/Texts.h"
#include "model/TimeZones.h"

namespace gw::report {
namespace {

using namespace lists;

constexpr std::array<std::string_view, 2> kSwitch = {"No", "Yes"};
}  // namespace

std::string UnknownText(long long value) { return "unknown (" + std::to_string(value) + ")"; }

std::string ListText(std::span<const std::string_view> list, long long index) {
  if (index < 0 || static_cast<unsigned long long>(index) >= list.size()) return UnknownText(index);
  return std::string(list[static_cast<std::size_t>(index)]);
}

std::string ProtocolText(ComProtocol protocol) {
  return ListText(kProtocols, static_cast<int>(protocol));
}

std::string MasterText(std::uint16_t comConfig, int firmwareNumber) {
  // Older firmware never reaches the third entry, which only it lacks.
  return ListText(kMasters, MasterIndex(comConfig, firmwareNumber));
}

std::string DataLengthText(std::uint16_t comConfig) {
  return ListText(kDataLengths, DataLengthIndex(comConfig));
}

std::string ParityText(std::uint16_t comConfig) {
  const int index = ParityIndex(comConfig);
  return index < 0 ? UnknownText(ParityField(comConfig)) : ListText(kParities, index);
}

std::string StopBitsText(std::uint16_t comConfig) {
  return ListText(kStopBits, StopBitsIndex(comConfig));
}

std::string ModeText(std::uint16_t comConfig) { return ListText(kModes, ModeIndex(comConfig)); }

std::string BaudText(std::uint8_t code) {
  if (code < 1 || code > kBaudRates.size()) return UnknownText(code);
  return std::string(kBaudRates[code - 1u]);
}

std::string IpConfigurationText(std::uint16_t value) { return ListText(kIpConfigurations, value); }

std::string SwitchText(unsigned value) { return ListText(kSwitch, value); }

std::string LockStateText(std::uint16_t lockState) {
  switch (lockState) {
    case kLockStateLocked:
      return "Locked";
    case 0:
    case kLockStateUnlocked:
      return "Unlocked";
    default:
      return UnknownText(lockState);
  }
}

std::string Ipv6Text(ConstBytes address16) {
  std::string text;
  for (std::size_t i = 0; i + 1 < address16.size(); i += 2) {
    char group[8];
    std::snprintf(group, sizeof group, "%02X%02X", address16[i], address16[i + 1]);
    if (!text.empty()) text += ':';
    text += group;
  }
  return text;
}

std::string ReversedIpv4Text(ConstBytes octets4) {
  // a.b.c.d is held as the bytes d, c, b, a.
  return Ipv4Text((std::uint32_t{octets4[3]} << 24) | (std::uint32_t{octets4[2]} << 16) |
                  (std::uint32_t{octets4[1]} << 8) | std::uint32_t{octets4[0]});
}

std::string DiDoText(std::uint16_t diDoPoints) {
  return std::to_string(diDoPoints >> 8) + " / " + std::to_string(diDoPoints & 0xFF);
}

std::string ClockText(std::uint32_t clockTime) {
  if (clockTime == 0) return text::kTimeError;
  const DateTime t = BreakDown(clockTime);
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d ", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  return text +
         std::string(kWeekDayNames[static_cast<std::size_t>(WeekDayOf(t.year, t.month, t.day))]);
}

std::string TimeZoneText(std::uint16_t index) {
  if (index >= kTimeZones.size()) return UnknownText(index);
  std::string_view caption = kTimeZones[index];
  while (caption.ends_with(' ')) caption.remove_suffix(1);
  return std::string(caption);
}

std::string TimeZoneOffsetText(std::int32_t seconds) {
  const long long value = seconds;
  if (value % 60 != 0) return std::to_string(value) + " s";
  const long long minutes = std::llabs(value) / 60;
  char text[48];
  std::snprintf(text, sizeof text, "GMT%c%02lld:%02lld (%lld s)", value < 0 ? '-' : '+',
                minutes / 60, minutes % 60, value);
  return text;
}

std::string PrintableText(ConstBytes field) {
  std::string text;
  for (std::uint8_t byte : field) {
    if (byte == 0) break;
    if (byte == '\\') {
      text += "\\\\";
    } else if (byte >= 0x20 && byte < 0x7F) {
      text += static_cast<char>(byte);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      text += escaped;
    }
  }
  return text;
}

}  // namespace gw::report
