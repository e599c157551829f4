#pragma once
// The two monitor tables of the DeviceMonitorBlock (block 44) and what tells
// them apart: where each sits in the block, the numbers a user may type for
// it, the module's result registers the monitor reads, and how a point's
// value is shown. Also the expansion of a table's entries into one status
// row per point.

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ByteOrder.h"
#include "model/RecordLayout.h"
#include "model/Texts.h"
#include "monitor/MonitorTick.h"

namespace gw::monitor {

// Rows of every grid of the page, entries of each table.
inline constexpr int kTableRows = 100;
// The most points all rows of a table may add up to.
inline constexpr unsigned kAmountLimit = 100;
// Points the validity registers cover (7 registers of 16 bits).
inline constexpr std::size_t kValidityPoints = 112;
inline constexpr std::size_t kValidityBytes = 14;
// The largest value reply (100 registers).
inline constexpr std::size_t kValueBytes = 200;
// Modbus function 3, read holding registers.
inline constexpr int kReadHoldingRegisters = 3;

// A read of the module's result registers.
struct RegisterRange {
  std::uint16_t start = 0;
  std::uint16_t count = 0;
};

struct TableTraits {
  Table table;
  const char* caption;      // the tab's title
  std::size_t entries;      // offset of the entry table in block 44
  std::size_t typeBytes;    // offset of its type digits
  std::uint32_t changeBit;  // of the block's ChangeMask
  int hexType;              // the type digit a hexadecimal entry selects
  const char* numberRange;  // the refusal of a decimal number
  const char* valueHeading;
  int valueWidth;
  RegisterRange validity;   // request A
  RegisterRange values;     // request B
  std::size_t valuePoints;  // points the value registers hold
  std::chrono::milliseconds interval;
  const char* clipboardFormat;
};
inline constexpr TableTraits kBitTraits{Table::Bits,
                                        text::kBitDevice,
                                        devmon::BitAddresses,
                                        devmon::BitTypes,
                                        0x80000000,
                                        devmon::kTypeInput,
                                        text::kBitNumberRange,
                                        text::kBitStatus,
                                        80,
                                        {0x2108, 7},
                                        {0x20FB, 7},
                                        kValidityPoints,
                                        std::chrono::milliseconds{500},
                                        "BIT_MONITOR"};
inline constexpr TableTraits kWordTraits{Table::Words,
                                         text::kWordDevice,
                                         devmon::WordAddresses,
                                         devmon::WordTypes,
                                         0x40000000,
                                         devmon::kTypeHoldingRegister,
                                         text::kWordNumberRange,
                                         text::kPresentValue,
                                         120,
                                         {0x235F, 7},
                                         {0x22FB, 100},
                                         100,
                                         std::chrono::milliseconds{300},
                                         "WORD_MONITOR"};
const TableTraits& TraitsOf(Table table);

// One entry of a table; station 0 marks an empty one.
struct MonitorEntry {
  unsigned station = 0;
  unsigned amount = 0;
  std::uint16_t address = 0;
  int typeDigit = 0;
  friend bool operator==(const MonitorEntry&, const MonitorEntry&) = default;
};
MonitorEntry ReadEntry(ConstBytes block, const TableTraits& traits, std::size_t index);
void WriteEntry(Bytes block, const TableTraits& traits, std::size_t index,
                const MonitorEntry& entry);

// Whether a number typed in the decimal column names a point of the table
// (bits 1 to 65536 or 100001 to 165536, words 300001 to 365536 or 400001 to
// 465536).
bool NumberInRange(const TableTraits& traits, long number);
// The zero-based address of a decimal column's text: the number without its
// type digit when the text has six digits, minus one.
std::uint16_t AddressOfNumber(std::string_view text);
// The type digit of a decimal column's text: its first digit when it has
// six, else 0.
int TypeOfNumber(std::string_view text);
// "%04X".
std::string HexAddress(std::uint16_t address);

inline constexpr std::array<const char*, 3> kFormatNames = {"Hex", "Dec", "Bin"};
ValueFormat FormatNamed(std::string_view name);
// "H%04X", "K%d" of the value as a signed 16-bit number, or "B" and its
// sixteen binary digits in four groups of four.
std::string FormatWord(std::uint16_t value, ValueFormat format);

// The status rows of a table: its entries expanded in order, one row per
// point, read from the validity and value replies. A point whose validity
// bit or value lies beyond the replies shows "X"; points beyond the grid's
// rows are only counted.
struct StatusRows {
  std::vector<PointReading> points;  // at most kTableRows
  std::vector<int> entryOf;          // the table entry of each row
  int notShown = 0;
};
StatusRows ExpandStatus(ConstBytes block, const TableTraits& traits, ConstBytes validity,
                        ConstBytes values, const std::function<ValueFormat(int row)>& formatOf);

}  // namespace gw::monitor
