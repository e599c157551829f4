// The Modbus result registers a module serves follow the device monitor block
// written to it over the configuration protocol. The block is built at the
// byte offsets of its layout written out here.
#include <gtest/gtest.h>

#include "ModbusRegisters.h"
#include "SimTestSupport.h"

namespace gw::sim::test {
namespace {

constexpr std::size_t kBlock44 = 1008;
constexpr std::uint32_t kBitTable = 0x80000000, kWordTable = 0x40000000;

struct Entry {
  unsigned station, amount;
  std::uint16_t address;
  std::uint8_t type;
};

// Writes one table of block 44 as the tool does, and checks it was taken.
void WriteTable(Simulator& sim, std::uint32_t mask, const std::vector<Entry>& entries) {
  static std::uint32_t id = 100;
  auto w = Write(++id, kPumpMac, 44, kBlock44, mask);
  const bool bits = mask == kBitTable;
  PutBe16(w, kHeader + (bits ? 4 : 406), 0x8064);
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const std::size_t at = kHeader + (bits ? 6 : 408) + 4 * k;
    PutBe16(w, at, static_cast<std::uint16_t>(entries[k].amount << 8 | entries[k].station));
    PutBe16(w, at + 2, entries[k].address);
    w[kHeader + (bits ? 808 : 908) + k] = entries[k].type;
  }
  ASSERT_EQ(Be16(Only(sim.Handle(w, Channel::Udp, SimTime{0})), kCode), 0x0005);
}

Simulator Module(std::vector<std::string> faults = {}, std::chrono::milliseconds step = {},
                 std::uint32_t seed = 21) {
  SimSettings s = Settings({PumpStation()});
  s.seed = seed;
  s.modbusStep = step;
  for (const auto& f : faults) {
    std::string error;
    s.faults.push_back(*ParseFault(f, error));
  }
  return Simulator(s, SimTime{0});
}

std::vector<std::uint16_t> Registers(const Simulator& sim, std::uint16_t start, std::uint16_t count,
                                     SimTime now = SimTime{0}) {
  return sim.ReadRegisters(0, start, count, now).value_or(std::vector<std::uint16_t>{});
}

using Words = std::vector<std::uint16_t>;

TEST(ModbusRegisters, ValidityFollowsTheTablesEntries) {
  const Entry none{0, 0, 0, 0};
  const struct {
    const char* what;
    std::vector<Entry> entries;
    Words bitValidity;   // 0x2108, 7 words
    Words wordValidity;  // 0x235F, 7 words
  } cases[] = {
      {"no entry", {}, Words(7, 0), Words(7, 0)},
      {"one point", {{9, 1, 0x10, 4}}, {0x0001, 0, 0, 0, 0, 0, 0}, {0x0001, 0, 0, 0, 0, 0, 0}},
      {"station 0 and amount 0 give no point; 3 + 14 points",
       {{1, 3, 0, 0}, {0, 5, 7, 0}, {2, 0, 7, 0}, {3, 14, 0x200, 1}},
       {0xFFFF, 0x0001, 0, 0, 0, 0, 0},
       {0xFFFF, 0x0001, 0, 0, 0, 0, 0}},
      {"an empty entry between two others",
       {{1, 1, 0, 0}, none, {2, 2, 0, 0}},
       {0x0007, 0, 0, 0, 0, 0, 0},
       {0x0007, 0, 0, 0, 0, 0, 0}},
      {"120 points: bits stop at 112, words at 100",
       {{1, 100, 0, 0}, {2, 20, 0, 0}},
       Words(7, 0xFFFF),
       {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0x000F}},
  };
  for (const auto& c : cases) {
    Simulator sim = Module();
    WriteTable(sim, kBitTable, c.entries);
    WriteTable(sim, kWordTable, c.entries);
    EXPECT_EQ(Registers(sim, 0x2108, 7), c.bitValidity) << c.what;
    EXPECT_EQ(Registers(sim, 0x235F, 7), c.wordValidity) << c.what;
    // Where there is no point the values read 0.
    const Words bitValues = Registers(sim, 0x20FB, 7);
    const Words wordValues = Registers(sim, 0x22FB, 100);
    ASSERT_EQ(bitValues.size(), 7u);
    ASSERT_EQ(wordValues.size(), 100u);
    for (std::size_t w = 0; w < 7; ++w) EXPECT_EQ(bitValues[w] & ~c.bitValidity[w], 0) << c.what;
    for (std::size_t r = 0; r < 100; ++r) {
      const bool valid = c.wordValidity[r / 16] >> (r % 16) & 1;
      EXPECT_TRUE(valid || wordValues[r] == 0) << c.what << " point " << r;
    }
  }
}

TEST(ModbusRegisters, ValuesBelongToTheirPointAndTheStep) {
  const std::vector<Entry> table = {{1, 2, 0x0100, 4}, {0, 9, 0, 0}, {7, 1, 0x0005, 3}};
  Simulator sim = Module({}, std::chrono::milliseconds(100));
  WriteTable(sim, kWordTable, table);
  WriteTable(sim, kBitTable, {{1, 2, 0x0100, 0}, {7, 1, 0x0005, 1}});
  const MonitorPoint points[] = {{1, 0x0100, 4}, {1, 0x0101, 4}, {7, 0x0005, 3}};
  for (const SimTime now : {SimTime{0}, SimTime{250}, SimTime{99'999}}) {
    const std::uint64_t step = static_cast<std::uint64_t>(now.count() / 100);
    const Words words = Registers(sim, 0x22FB, 3, now);
    const Words bits = Registers(sim, 0x20FB, 1, now);
    for (std::size_t r = 0; r < 3; ++r) {
      EXPECT_EQ(words.at(r), PointValue(21, MonitorTable::Words, points[r], step)) << r;
      const MonitorPoint bit{points[r].station, points[r].address,
                             static_cast<std::uint8_t>(points[r].typeDigit == 4 ? 0 : 1)};
      EXPECT_EQ(bits.at(0) >> r & 1, PointValue(21, MonitorTable::Bits, bit, step)) << r;
    }
  }
  // Word values count up every step; with step 0 they stand still.
  EXPECT_NE(Registers(sim, 0x22FB, 3, SimTime{0}), Registers(sim, 0x22FB, 3, SimTime{100}));
  Simulator still = Module();
  WriteTable(still, kWordTable, table);
  EXPECT_EQ(Registers(still, 0x22FB, 3, SimTime{0}), Registers(still, 0x22FB, 3, SimTime{9000}));
  // Points at other stations or addresses read other values.
  EXPECT_NE(PointValue(21, MonitorTable::Words, points[0], 0),
            PointValue(21, MonitorTable::Words, points[1], 0));
  EXPECT_NE(PointValue(21, MonitorTable::Words, points[0], 0),
            PointValue(22, MonitorTable::Words, points[0], 0));
}

TEST(ModbusRegisters, OnlyTheResultRegistersAreServed) {
  const Simulator sim = Module();
  const struct {
    std::uint16_t start, count;
    bool served;
  } reads[] = {
      {0x2108, 7, true},   {0x2107, 1, false},  {0x2108, 8, false},  {0x20FB, 7, true},
      {0x2102, 1, false},  {0x20FB, 14, false}, {0x22FB, 100, true}, {0x22FA, 1, false},
      {0x22FB, 107, true}, {0x235F, 7, true},   {0x2366, 1, false},  {0x0000, 1, false},
      {0xFFFF, 1, false},
  };
  for (const auto& r : reads) {
    const auto got = sim.ReadRegisters(0, r.start, r.count, SimTime{0});
    EXPECT_EQ(got.has_value(), r.served) << std::hex << r.start << " x" << std::dec << r.count;
    EXPECT_EQ(got.value_or(Words{}).size(), r.served ? r.count : 0u);
  }
}

TEST(ModbusRegisters, InvalidPointsFault) {
  const std::vector<Entry> table = {{4, 40, 0, 1}};  // 40 points
  const auto Validity = [&](std::vector<std::string> faults, std::uint32_t seed = 21) {
    Simulator sim = Module(faults, {}, seed);
    WriteTable(sim, kBitTable, table);
    WriteTable(sim, kWordTable, table);
    // The bit table's validity words, then the word table's.
    Words both = Registers(sim, 0x2108, 3);
    for (std::uint16_t w : Registers(sim, 0x235F, 3)) both.push_back(w);
    return both;
  };
  const auto Twice = [](Words w) {
    w.insert(w.end(), w.begin(), w.end());
    return w;
  };
  EXPECT_EQ(Validity({}), Twice({0xFFFF, 0xFFFF, 0x00FF}));
  EXPECT_EQ(Validity({"invalid-points"}), Twice({0, 0, 0}));
  EXPECT_EQ(Validity({"invalid-points:3"}), Twice({0xFFF8, 0xFFFF, 0x00FF}));
  EXPECT_EQ(Validity({"delay=10", "invalid-points:17"}), Twice({0, 0xFFFE, 0x00FF}));
  // A probability: some of the points, the same ones for the same seed.
  const Words half = Validity({"invalid-points:0.5"});
  EXPECT_EQ(half, Validity({"invalid-points:0.5"}));
  EXPECT_NE(half, Validity({"invalid-points:0.5"}, 22));
  EXPECT_NE(half, Validity({}));
  EXPECT_NE(half, Validity({"invalid-points"}));
}

TEST(ModbusRegisters, ExpandMonitorTableKeepsOrderAndWrapsTheAddress) {
  Simulator sim = Module();
  WriteTable(sim, kBitTable, {{3, 2, 0xFFFF, 1}, {0, 1, 5, 0}, {4, 1, 0x0010, 0}});
  const auto points = ExpandMonitorTable(sim.Module(0).Stored(44), MonitorTable::Bits);
  EXPECT_EQ(points, (std::vector<MonitorPoint>{{3, 0xFFFF, 1}, {3, 0x0000, 1}, {4, 0x0010, 0}}));
  // The word table was not written: it keeps the factory entry.
  EXPECT_FALSE(ExpandMonitorTable(sim.Module(0).Stored(44), MonitorTable::Words).empty());
}

}  // namespace
}  // namespace gw::sim::test
