// Faults strike as configured, and the same seed gives the same faults.
#include <gtest/gtest.h>

#include "FaultInjector.h"
#include "SerialReply.h"
#include "SimTestSupport.h"
#include "Simulator.h"

namespace gw::sim::test {
namespace {

constexpr SimTime kT0{0};

FaultRule Rule(const std::string& text) {
  std::string error;
  auto rule = ParseFault(text, error);
  EXPECT_TRUE(rule) << text << ": " << error;
  return rule.value_or(FaultRule{});
}

Simulator WithFaults(std::vector<std::string> faults, std::uint32_t seed = 7) {
  SimSettings s = Settings({PumpStation()});
  for (const auto& f : faults) s.faults.push_back(Rule(f));
  s.seed = seed;
  return Simulator(s, kT0);
}

std::vector<Outgoing> Read(Simulator& sim, std::uint32_t id, std::uint16_t block = 11,
                           Channel channel = Channel::Udp) {
  return sim.Handle(Request(0x0002, id, kPumpMac, block), channel, kT0);
}

// Everything that left the simulator for a run of reads and writes.
std::vector<std::vector<std::uint8_t>> Traffic(const std::string& fault, std::uint32_t seed,
                                               Channel channel) {
  Simulator sim = WithFaults({fault}, seed);
  std::vector<std::vector<std::uint8_t>> seen;
  for (std::uint32_t i = 0; i < 40; ++i) {
    auto out = i % 4 == 3 ? sim.Handle(Write(i, kPumpMac, 10, 12, 0x80000000), channel, kT0)
                          : Read(sim, i, 11, channel);
    seen.push_back({static_cast<std::uint8_t>(out.size())});
    for (const auto& o : out) {
      seen.push_back(channel == Channel::Serial ? EncodeSerialReply(o) : o.body);
      seen.back().push_back(static_cast<std::uint8_t>(o.delay.count()));
    }
  }
  return seen;
}

TEST(Faults, ParsingAndItsErrors) {
  auto d = Rule("delay=250:0.5");
  EXPECT_EQ(d.kind, FaultKind::Delay);
  EXPECT_EQ(d.delayMs, 250u);
  EXPECT_EQ(d.probability, 0.5);
  auto c = Rule("drop:2");
  EXPECT_EQ(c.count, 2u);
  EXPECT_FALSE(c.probability);
  std::string error;
  EXPECT_EQ(Rule("invalid-points:0.25").kind, FaultKind::InvalidPoints);
  for (const char* bad : {"explode", "drop=3", "delay=x", "busy:1.5", "short:-1", "delay=99999",
                          "invalid-points:x"}) {
    EXPECT_FALSE(ParseFault(bad, error)) << bad;
    EXPECT_FALSE(error.empty());
  }
}

TEST(Faults, SameSeedSameOutcomeEveryKind) {
  for (const char* kind : {"drop", "delay=40", "duplicate", "corrupt", "other-mac", "other-type",
                           "stale-id", "short", "busy", "refuse"}) {
    for (Channel channel : {Channel::Udp, Channel::Serial}) {
      const std::string fault = std::string(kind) + ":0.5";
      const auto first = Traffic(fault, 11, channel);
      EXPECT_EQ(first, Traffic(fault, 11, channel)) << kind;
      // Half the chances: some struck and some did not.
      EXPECT_NE(first, Traffic(std::string(kind) + ":0", 11, channel)) << kind;
      EXPECT_NE(first, Traffic(std::string(kind) + ":1.0", 11, channel)) << kind;
    }
  }
}

TEST(Faults, InvalidPointsLeavesTheConfigurationProtocolAlone) {
  for (Channel channel : {Channel::Udp, Channel::Serial}) {
    EXPECT_EQ(Traffic("invalid-points", 3, channel), Traffic("drop:0", 3, channel));
  }
}

TEST(Faults, CountStrikesTheFirstRepliesOnly) {
  Simulator sim = WithFaults({"drop:2"});
  EXPECT_TRUE(Read(sim, 1).empty());
  EXPECT_TRUE(Read(sim, 2).empty());
  EXPECT_EQ(Read(sim, 3).size(), 1u);
  EXPECT_EQ(Read(sim, 4).size(), 1u);
}

TEST(Faults, StrikeOnlyTheModulesListed) {
  ModuleSetup second = PumpStation();
  second.index = 2;
  second.mac[5] = 0x04;
  SimSettings s = Settings({PumpStation(), second});
  s.faults = {Rule("refuse")};
  s.faultModules = {2};
  Simulator sim(s, kT0);
  EXPECT_EQ(Read(sim, 1).size(), 1u);
  const auto write = sim.Handle(Write(3, kPumpMac, 10, 12, 0x80000000), Channel::Udp, kT0);
  EXPECT_EQ(Be16(Only(write), kCode), 0x0005);
  EXPECT_EQ(
      Be16(Only(sim.Handle(Write(4, second.mac, 10, 12, 0x80000000), Channel::Udp, kT0)), kCode),
      0x8005);
}

TEST(Faults, DelayAndDuplicate) {
  Simulator sim = WithFaults({"delay=250", "duplicate:1"});
  auto out = Read(sim, 1);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].body, out[1].body);
  EXPECT_EQ(out[0].delay, std::chrono::milliseconds(250));
  EXPECT_EQ(Read(sim, 2).size(), 1u);
}

TEST(Faults, CorruptBreaksTheChecksumOnSerialAndOneByteOnUdp) {
  Simulator clean = WithFaults({});
  const auto good = Only(Read(clean, 1));
  Simulator sim = WithFaults({"corrupt"});
  const auto udp = Only(Read(sim, 1));
  ASSERT_EQ(udp.size(), good.size());
  int differ = 0;
  for (std::size_t i = 0; i < udp.size(); ++i) differ += udp[i] != good[i];
  EXPECT_EQ(differ, 1);
  // Serial: the frame is well formed but its bytes no longer sum to zero.
  auto serial = Read(sim, 2, 4, Channel::Serial);
  ASSERT_EQ(serial.size(), 1u);
  const auto line = EncodeSerialReply(serial[0]);
  EXPECT_EQ(line.front(), 0xC0);
  EXPECT_EQ(line.back(), 0xC0);
  const auto decoded = Unstuff(line);
  ASSERT_EQ(decoded.size(), serial[0].body.size() + 1);
  EXPECT_NE(Sum(decoded), 0);
}

TEST(Faults, HeaderFaults) {
  Simulator sim = WithFaults({"other-mac:1", "other-type:1", "stale-id:2"});
  Read(sim, 0x100);                            // takes all three
  const auto second = Only(Read(sim, 0x200));  // stale-id only
  EXPECT_EQ(Be32(second, kId), 0x100u);
  EXPECT_EQ(MacOf(second), kPumpMac);
  Simulator again = WithFaults({"other-mac:1", "other-type:1"});
  const auto first = Only(Read(again, 5));
  EXPECT_NE(MacOf(first), kPumpMac);
  EXPECT_EQ(Be16(first, kType), 0xF300);
}

TEST(Faults, ShortIsOneByteBelowWhatTheToolTakes) {
  Simulator sim = WithFaults({"short"});
  EXPECT_EQ(Only(Read(sim, 1, 11)).size(), 167u);
  EXPECT_EQ(Only(Read(sim, 2, 0)).size(), 63u);
  EXPECT_EQ(Only(sim.Handle(Request(0x0000, 3), Channel::Udp, kT0)).size(), 97u);
  EXPECT_EQ(Only(sim.Handle(Request(0x0006, 4, kPumpMac), Channel::Udp, kT0)).size(), 35u);
  // On a serial line the tool counts the checksum byte as well.
  EXPECT_EQ(Only(Read(sim, 5, 11, Channel::Serial)).size(), 166u);
}

TEST(Faults, BusyAndRefuse) {
  Simulator sim = WithFaults({"busy", "refuse:1"});
  EXPECT_EQ(Be16(Only(sim.Handle(Request(0x0000, 1), Channel::Udp, kT0)), kCode), 0x0001);
  EXPECT_EQ(Be16(Only(Read(sim, 2)), kCode), 0xC003);
  auto w = Write(3, kPumpMac, 10, 12, 0x80000000);
  w[kHeader + 5] = 0x5A;
  const auto refused = Only(sim.Handle(w, Channel::Udp, kT0));
  EXPECT_EQ(Be16(refused, kCode), 0x8005);  // a refusal stays one
  EXPECT_NE(sim.Module(0).Stored(10)[5], 0x5A);
  const auto taken = Only(sim.Handle(w, Channel::Udp, kT0));
  EXPECT_EQ(Be16(taken, kCode), 0xC005);
  EXPECT_EQ(sim.Module(0).Stored(10)[5], 0x5A);
}

}  // namespace
}  // namespace gw::sim::test
