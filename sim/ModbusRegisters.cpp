#include "ModbusRegisters.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

#include "model/RecordLayout.h"

namespace gw::sim {

namespace {

// A well-mixed 64-bit value from a few numbers (the finaliser of splitmix64),
// so that every point gets its own value and nothing depends on a library's
// generator.
std::uint64_t Mix(std::initializer_list<std::uint64_t> parts) {
  std::uint64_t h = 0x9E3779B97F4A7C15ull;
  for (std::uint64_t p : parts) {
    h ^= p + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;
    h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
    h ^= h >> 31;
  }
  return h;
}

// The registers of one table: its validity words and its values.
struct TableRegisters {
  std::vector<std::uint16_t> validity;
  std::vector<std::uint16_t> values;
};

TableRegisters Compute(ConstBytes block, const ResultRule& rule, std::uint64_t step,
                       MonitorTable table) {
  const bool bits = table == MonitorTable::Bits;
  TableRegisters out{std::vector<std::uint16_t>(bits ? kBitValidity.count : kWordValidity.count),
                     std::vector<std::uint16_t>(bits ? kBitValues.count : kWordValues.count)};
  const auto points = ExpandMonitorTable(block, table);
  const std::size_t served = std::min(points.size(), bits ? kBitPointsServed : kWordPointsServed);
  for (std::size_t r = 0; r < served; ++r) {
    const auto mask = static_cast<std::uint16_t>(1u << (r % 16));
    if (!PointInvalid(rule, table, r)) out.validity[r / 16] |= mask;
    const std::uint16_t value = PointValue(rule.seed, table, points[r], step);
    if (!bits)
      out.values[r] = value;
    else if (value != 0)
      out.values[r / 16] |= mask;
  }
  return out;
}

}  // namespace

std::vector<MonitorPoint> ExpandMonitorTable(ConstBytes block, MonitorTable table) {
  std::vector<MonitorPoint> points;
  for (std::size_t k = 0; k < devmon::kEntries; ++k) {
    const monitor::MonitorEntry entry = monitor::ReadEntry(block, monitor::TraitsOf(table), k);
    if (entry.station == 0 || entry.amount == 0) continue;
    for (unsigned i = 0; i < entry.amount; ++i) {
      points.push_back({entry.station, static_cast<std::uint16_t>(entry.address + i),
                        static_cast<std::uint8_t>(entry.typeDigit)});
    }
  }
  return points;
}

std::uint16_t PointValue(std::uint32_t seed, MonitorTable table, const MonitorPoint& point,
                         std::uint64_t step) {
  const std::uint64_t h =
      Mix({seed, static_cast<std::uint64_t>(table), point.station, point.address, point.typeDigit});
  if (table == MonitorTable::Bits) {
    // A square wave with a period of 2 to 8 steps and its own phase.
    const std::uint64_t halfPeriod = 1 + h % 4;
    return static_cast<std::uint16_t>(((step + (h >> 8)) / halfPeriod) & 1u);
  }
  // A counter from its own start that goes up by 1 to 16 every step.
  return static_cast<std::uint16_t>((h >> 16) + step * (1 + (h >> 40) % 16));
}

bool PointInvalid(const ResultRule& rule, MonitorTable table, std::size_t position) {
  return std::any_of(rule.invalidPoints.begin(), rule.invalidPoints.end(), [&](const FaultRule& f) {
    if (f.count) return position < *f.count;
    if (!f.probability) return true;
    const auto draw =
        static_cast<double>(Mix({rule.seed, static_cast<std::uint64_t>(table), position}) >> 32) /
        4294967296.0;
    return draw < *f.probability;
  });
}

std::optional<std::vector<std::uint16_t>> ReadResultRegisters(ConstBytes block,
                                                              const ResultRule& rule,
                                                              std::uint64_t step,
                                                              std::uint16_t start,
                                                              std::uint16_t count) {
  const TableRegisters bits = Compute(block, rule, step, MonitorTable::Bits);
  const TableRegisters words = Compute(block, rule, step, MonitorTable::Words);
  const std::array<std::pair<RegisterRun, const std::vector<std::uint16_t>*>, 4> runs = {{
      {kBitValidity, &bits.validity},
      {kBitValues, &bits.values},
      {kWordValidity, &words.validity},
      {kWordValues, &words.values},
  }};
  std::vector<std::uint16_t> out;
  out.reserve(count);
  for (std::uint32_t a = start; a < std::uint32_t{start} + count; ++a) {
    const auto run = std::find_if(runs.begin(), runs.end(), [a](const auto& r) {
      return a >= r.first.start && a < std::uint32_t{r.first.start} + r.first.count;
    });
    if (run == runs.end()) return std::nullopt;
    out.push_back((*run->second)[a - run->first.start]);
  }
  return out;
}

}  // namespace gw::sim
