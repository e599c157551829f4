#include "MonitorTable.h"

#include <charconv>
#include <cstdio>

#include "model/RecordLayout.h"
#include "model/Texts.h"

namespace gw::monitor {

namespace {

constexpr long kTypeSpan = 100000;  // the type digit's place in a six-digit number
constexpr long kLastPoint = 65536;

bool Bit(ConstBytes words, std::size_t index) {
  const std::size_t at = 2 * (index / 16);
  if (at + 2 > words.size()) return false;
  return (LoadBE16(words, at) >> (index % 16)) & 1u;
}

}  // namespace

const TableTraits& TraitsOf(Table table) { return table == Table::Bits ? kBitTraits : kWordTraits; }

MonitorEntry ReadEntry(ConstBytes block, const TableTraits& traits, std::size_t index) {
  const std::size_t at = traits.entries + devmon::kEntrySize * index;
  const std::uint16_t word = LoadBE16(block, at + devmon::EntryAmountStation);
  return {devmon::StationOf(word), devmon::AmountOf(word),
          LoadBE16(block, at + devmon::EntryAddress), block[traits.typeBytes + index]};
}

void WriteEntry(Bytes block, const TableTraits& traits, std::size_t index,
                const MonitorEntry& entry) {
  const std::size_t at = traits.entries + devmon::kEntrySize * index;
  StoreBE16(block, at + devmon::EntryAmountStation, devmon::EntryWord(entry.amount, entry.station));
  StoreBE16(block, at + devmon::EntryAddress, entry.address);
  block[traits.typeBytes + index] = static_cast<std::uint8_t>(entry.typeDigit);
}

bool NumberInRange(const TableTraits& traits, long number) {
  const long low = traits.table == Table::Bits ? 0 : devmon::kTypeInputRegister;
  const auto within = [number](long type) {
    return number >= type * kTypeSpan + 1 && number <= type * kTypeSpan + kLastPoint;
  };
  return within(low) || within(low + 1);
}

std::uint16_t AddressOfNumber(std::string_view text) {
  const std::string_view digits = text.size() == 6 ? text.substr(1) : text;
  long number = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), number);
  return static_cast<std::uint16_t>(number - 1);
}

int TypeOfNumber(std::string_view text) { return text.size() == 6 ? text[0] - '0' : 0; }

std::string HexAddress(std::uint16_t address) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", address);
  return text;
}

ValueFormat FormatNamed(std::string_view name) {
  if (name == kFormatNames[1]) return ValueFormat::Dec;
  if (name == kFormatNames[2]) return ValueFormat::Bin;
  return ValueFormat::Hex;
}

std::string FormatWord(std::uint16_t value, ValueFormat format) {
  char text[32];
  switch (format) {
    case ValueFormat::Hex:
      std::snprintf(text, sizeof text, "H%04X", value);
      return text;
    case ValueFormat::Dec:
      std::snprintf(text, sizeof text, "K%d", static_cast<int>(static_cast<std::int16_t>(value)));
      return text;
    case ValueFormat::Bin:
      break;
  }
  std::string out = "B";
  for (int bit = 15; bit >= 0; --bit) {
    out += ((value >> bit) & 1u) ? '1' : '0';
    if (bit % 4 == 0 && bit != 0) out += ' ';
  }
  return out;
}

StatusRows ExpandStatus(ConstBytes block, const TableTraits& traits, ConstBytes validity,
                        ConstBytes values, const std::function<ValueFormat(int row)>& formatOf) {
  StatusRows rows;
  std::size_t point = 0;
  for (std::size_t e = 0; e < devmon::kEntries; ++e) {
    const MonitorEntry entry = ReadEntry(block, traits, e);
    if (entry.station == 0 || entry.amount == 0) continue;
    for (unsigned k = 0; k < entry.amount; ++k, ++point) {
      if (rows.points.size() == kTableRows) {
        ++rows.notShown;
        continue;
      }
      PointReading reading;
      reading.station = static_cast<int>(entry.station);
      reading.address = static_cast<std::uint16_t>(entry.address + k);
      reading.typeDigit = entry.typeDigit;
      reading.valid = point < kValidityPoints && Bit(validity, point) && point < traits.valuePoints;
      if (!reading.valid) {
        reading.text = "X";
      } else if (traits.table == Table::Bits) {
        reading.value = Bit(values, point) ? 1 : 0;
        reading.text = std::to_string(reading.value);
      } else {
        const std::uint16_t raw =
            2 * point + 2 <= values.size() ? LoadBE16(values, 2 * point) : std::uint16_t{0};
        const ValueFormat format = formatOf(static_cast<int>(rows.points.size()));
        reading.value = format == ValueFormat::Dec ? static_cast<std::int16_t>(raw) : raw;
        reading.text = FormatWord(raw, format);
      }
      rows.points.push_back(std::move(reading));
      rows.entryOf.push_back(static_cast<int>(e));
    }
  }
  return rows;
}

}  // namespace gw::monitor
