#pragma once
// What one poll of a monitor table read: every point of the table as the
// status grid shows it, with the time of the poll. The status grid, the CSV
// log, the trend and nxgcfg's monitor all take their values from here.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace gw::monitor {

enum class Table { Bits, Words };

// How the word pane shows a value: "Hex", "Dec", "Bin".
enum class ValueFormat { Hex, Dec, Bin };

struct PointReading {
  int station = 0;            // 1 to 255
  std::uint16_t address = 0;  // zero-based Modbus address
  int typeDigit = 0;          // 0 coil, 1 input; 3 input register, 4 holding register
  bool valid = false;         // the module's validity bit for the point
  // The value as a number: 0 or 1 for bits; for words the register, signed
  // when the row shows it in "Dec".
  std::int32_t value = 0;
  // The status column's text: "X" when not valid, else "0"/"1", "H04D2",
  // "K-1" or "B0000 0000 0000 0101".
  std::string text;
};

// Which point a reading is of.
struct PointId {
  int station = 0;
  int typeDigit = 0;
  std::uint16_t address = 0;

  static PointId Of(const PointReading& point) {
    return {point.station, point.typeDigit, point.address};
  }
  bool operator==(const PointId&) const = default;
};

// The six-digit Modbus number of a point: its type digit, then address + 1
// in five digits ("400257").
std::string PointNumber(int typeDigit, std::uint16_t address);

struct MonitorTick {
  std::chrono::system_clock::time_point time;
  Table table = Table::Words;
  std::vector<PointReading> points;
};

}  // namespace gw::monitor
