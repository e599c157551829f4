#pragma once
// The module's own Modbus registers that hold the results of its device
// monitor: for the bit table and for the word table a run of validity words
// and a run of values, read with function 3 (read holding registers).
//
// The points are the entries of the DeviceMonitorBlock the module holds,
// expanded in order: an entry with station 0 or amount 0 gives none, any
// other gives `amount` points at address, address + 1, ... Point r has
// validity bit r % 16 of validity word r / 16 (mask 1 for bit 0); a bit
// point's value is the same bit of the value words, a word point's value is
// value register r. Points past the end of a run are not served. The values
// are made up from the seed, the point's station, address and type digit,
// and a step counter, so they change as the simulator runs.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "FaultInjector.h"
#include "model/ByteOrder.h"
#include "monitor/MonitorTable.h"

namespace gw::sim {

// The tables and their registers are those the tool's monitor reads.
using MonitorTable = monitor::Table;
using RegisterRun = monitor::RegisterRange;
inline constexpr RegisterRun kBitValidity = monitor::kBitTraits.validity;
inline constexpr RegisterRun kBitValues = monitor::kBitTraits.values;
inline constexpr RegisterRun kWordValidity = monitor::kWordTraits.validity;
inline constexpr RegisterRun kWordValues = monitor::kWordTraits.values;
// The points of a table that have a validity bit and a value.
inline constexpr std::size_t kBitPointsServed = monitor::kBitTraits.valuePoints;
inline constexpr std::size_t kWordPointsServed = monitor::kWordTraits.valuePoints;

struct MonitorPoint {
  unsigned station = 0;
  std::uint16_t address = 0;  // zero-based Modbus address
  std::uint8_t typeDigit = 0;
  bool operator==(const MonitorPoint&) const = default;
};

// Every point of one table of a DeviceMonitorBlock, in order (also those
// past what the registers can hold).
std::vector<MonitorPoint> ExpandMonitorTable(ConstBytes deviceMonitorBlock, MonitorTable table);

// What makes up the values and their validity.
struct ResultRule {
  std::uint32_t seed = 1;
  // invalid-points faults: without WHEN every point is invalid, a count N
  // makes the first N points of each table invalid, a probability marks each
  // point invalid by a draw from the seed, the table and its position.
  std::vector<FaultRule> invalidPoints;
};

// A point's value at step `step`: 0 or 1 for bits, a register for words.
std::uint16_t PointValue(std::uint32_t seed, MonitorTable table, const MonitorPoint& point,
                         std::uint64_t step);
bool PointInvalid(const ResultRule& rule, MonitorTable table, std::size_t position);

// `count` registers from `start` at step `step`; nothing when one of them is
// not a result register (the caller answers with a Modbus exception).
std::optional<std::vector<std::uint16_t>> ReadResultRegisters(ConstBytes deviceMonitorBlock,
                                                              const ResultRule& rule,
                                                              std::uint64_t step,
                                                              std::uint16_t start,
                                                              std::uint16_t count);

}  // namespace gw::sim
