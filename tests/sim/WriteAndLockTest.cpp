// Block writes take only what the change mask names; a locked module takes
// writes only with the right key or after a login.
#include <gtest/gtest.h>

#include "SimTestSupport.h"
#include "Simulator.h"

namespace gw::sim::test {
namespace {

using std::chrono::seconds;
constexpr SimTime kT0{0};

std::vector<std::uint8_t> Bytes(ConstBytes b) { return {b.begin(), b.end()}; }

// Block 0 field offsets.
constexpr std::size_t kName = 4, kIp = 36, kMask = 40, kGateway = 44, kPassword = 48,
                      kIpConfig = 58, kIpv6On = 62, kIpv6 = 64;

std::vector<std::uint8_t> NetworkWrite(std::uint32_t id, std::uint32_t mask) {
  auto w = Write(id, kPumpMac, 0, 80, mask);
  const char name[] = "Renamed";
  std::copy(name, name + 7, w.begin() + kHeader + kName);
  PutBe32(w, kHeader + kIp, 0x7F010063);
  PutBe32(w, kHeader + kMask, 0xFFFF0000);
  PutBe32(w, kHeader + kGateway, 0x7F010001);
  PutBe16(w, kHeader + kIpConfig, 1);
  PutBe16(w, kHeader + kIpv6On, 0);
  w[kHeader + kIpv6] = 0x20;
  return w;
}

TEST(MaskedWrites, Block0TakesOnlyTheNamedFieldsAndOlderFirmwareNoIpv6) {
  ModuleSetup legacy = PumpStation();
  legacy.firmware = 0x0154;
  const struct {
    std::uint32_t mask;
    std::size_t at, size;
    bool legacy = false;
  } fields[] = {{0, 0, 0},
                {1u << 31, kName, 32},
                {1u << 30, kIp, 4},
                {1u << 29, kMask, 4},
                {1u << 28, kGateway, 4},
                {1u << 25, kIpConfig, 2},
                {1u << 22, kIpv6On, 18},
                {0, 0, 0, true},
                {1u << 22, 0, 0, true}};
  for (const auto& f : fields) {
    SCOPED_TRACE(testing::Message() << std::hex << f.mask << (f.legacy ? " on 1.54" : ""));
    Simulator sim(Settings({f.legacy ? legacy : PumpStation()}), kT0);
    auto expected = Bytes(sim.Module(0).Stored(0));
    const auto request = NetworkWrite(1, f.mask);
    std::copy_n(request.begin() + static_cast<long>(kHeader + f.at), f.size,
                expected.begin() + static_cast<long>(f.at));
    const auto reply = Only(sim.Handle(request, Channel::Udp, kT0));
    EXPECT_EQ(Be16(reply, kCode), 0x0005);
    EXPECT_EQ(Bytes(sim.Module(0).Stored(0)), expected);
    // The reply carries the block as it now is (1.54 sends 64 bytes of it).
    expected.resize(f.legacy ? 64 : 80);
    EXPECT_EQ(std::vector<std::uint8_t>(reply.begin() + kHeader, reply.end()), expected);
  }
}

TEST(MaskedWrites, OtherBlocksWholeWhenTheMaskIsNotZero) {
  Simulator sim(Settings({PumpStation()}), kT0);
  auto w = Write(1, kPumpMac, 11, 128, 0);
  for (std::size_t i = 4; i < 128; ++i) w[kHeader + i] = static_cast<std::uint8_t>(i);
  const auto before = Bytes(sim.Module(0).Stored(11));
  sim.Handle(w, Channel::Udp, kT0);
  EXPECT_EQ(Bytes(sim.Module(0).Stored(11)), before);
  PutBe32(w, kHeader, 0x80000000);
  sim.Handle(w, Channel::Udp, kT0);
  const auto after = Bytes(sim.Module(0).Stored(11));
  EXPECT_EQ(Be32(after, 0), 0u);  // the module keeps no change mask
  EXPECT_TRUE(std::equal(after.begin() + 4, after.end(), w.begin() + kHeader + 4));
}

// Mail block fields by bit (the pattern written is the byte's offset), the
// recipient addresses one by one.
TEST(MaskedWrites, MailFieldsByTheirBits) {
  const struct {
    int block;
    std::size_t size;
    std::uint32_t mask;
    std::size_t at, length;
  } cases[] = {{1, 336, 1u << 31, 4, 4},     {1, 336, 1u << 30, 8, 64}, {1, 336, 1u << 27, 200, 64},
               {1, 336, 0x0000FFC0, 330, 6}, {2, 644, 1u << 31, 4, 64}, {2, 644, 1u << 22, 580, 64},
               {1, 336, 1u << 0, 0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.block << " " << std::hex << c.mask);
    Simulator sim(Settings({PumpStation()}), kT0);
    auto expected = Bytes(sim.Module(0).Stored(c.block));
    auto w = Write(1, kPumpMac, c.block, c.size, c.mask);
    for (std::size_t i = 4; i < c.size; ++i) w[kHeader + i] = static_cast<std::uint8_t>(i | 1);
    std::copy_n(w.begin() + static_cast<long>(kHeader + c.at), c.length,
                expected.begin() + static_cast<long>(c.at));
    sim.Handle(w, Channel::Udp, kT0);
    EXPECT_EQ(Bytes(sim.Module(0).Stored(c.block)), expected);
  }
}

TEST(MaskedWrites, DeviceMonitorTablesOneAtATime) {
  Simulator sim(Settings({PumpStation()}), kT0);
  const auto before = Bytes(sim.Module(0).Stored(44));
  // The bit pane zeroes the block and fills only its bit table.
  auto w = Write(1, kPumpMac, 44, 1008, 0x80000000);
  PutBe16(w, kHeader + 4, 0x8064);
  PutBe16(w, kHeader + 6, 0x0A05);  // 10 points at station 5
  PutBe16(w, kHeader + 406, 0x8064);
  sim.Handle(w, Channel::Udp, kT0);
  const auto after = Bytes(sim.Module(0).Stored(44));
  EXPECT_EQ(Be16(after, 6), 0x0A05);
  // The word table (406 to 807 and the word types at 908) stays.
  EXPECT_TRUE(std::equal(after.begin() + 406, after.begin() + 808, before.begin() + 406));
  EXPECT_TRUE(std::equal(after.begin() + 908, after.end(), before.begin() + 908));
}

TEST(MaskedWrites, IpFilterTakesTheSwitchAndTheNamedEntries) {
  Simulator sim(Settings({PumpStation()}), kT0);
  const auto before = Bytes(sim.Module(0).Stored(6));
  auto w = Write(1, kPumpMac, 6, 72, 0x90000000);  // the switch and entry 3
  PutBe16(w, kHeader + 4, 1);
  for (std::size_t k = 0; k < 8; ++k) {
    PutBe32(w, kHeader + 8 + 4 * k, 0x0A000000 + static_cast<std::uint32_t>(k));
    PutBe32(w, kHeader + 40 + 4 * k, 0xFFFFFF00);
  }
  sim.Handle(w, Channel::Udp, kT0);
  auto expected = before;
  PutBe16(expected, 4, 1);
  PutBe32(expected, 8 + 4 * 2, 0x0A000002);
  PutBe32(expected, 40 + 4 * 2, 0xFFFFFF00);
  EXPECT_EQ(Bytes(sim.Module(0).Stored(6)), expected);
}

TEST(MaskedWrites, ClockRunsAndIsSetOnlyWithItsBit) {
  Simulator sim(Settings({PumpStation()}), kT0);
  const std::uint32_t start = Be32(Bytes(sim.Module(0).Stored(4)), 12);
  auto clockAt = [&](SimTime now, std::uint32_t id) {
    return Be32(Only(sim.Handle(Request(0x0002, id, kPumpMac, 4), Channel::Udp, now)),
                kHeader + 12);
  };
  EXPECT_EQ(clockAt(seconds(90), 1), start + 90);
  // Time server switch only (bit 31): the clock keeps running.
  auto w = Write(2, kPumpMac, 4, 20, 0x80000000);
  w[kHeader + 4] = 1;
  sim.Handle(w, Channel::Udp, seconds(100));
  EXPECT_EQ(Bytes(sim.Module(0).Stored(4))[4], 1);
  EXPECT_EQ(clockAt(seconds(110), 3), start + 110);
  // Bit 27 sets the clock.
  w = Write(4, kPumpMac, 4, 20, 0x08000000);
  PutBe32(w, kHeader + 12, 1434371445);
  sim.Handle(w, Channel::Udp, seconds(200));
  EXPECT_EQ(clockAt(seconds(205), 5), 1434371445u + 5);
}

class Locked : public ::testing::Test {
 protected:
  Locked() : sim_(LockedSettings(), kT0) {}
  static SimSettings LockedSettings() {
    ModuleSetup m = PumpStation();
    m.password = "ab1";
    SimSettings s = Settings({m});
    s.loginTimeout = seconds(60);
    return s;
  }
  std::vector<std::uint8_t> Send(const std::vector<std::uint8_t>& r, SimTime now = kT0) {
    return Only(sim_.Handle(r, Channel::Udp, now));
  }
  std::vector<std::uint8_t> NameWrite(std::uint32_t id, std::uint16_t lock = 0,
                                      std::string_view key = {}) {
    auto w = Write(id, kPumpMac, 0, 80, 0x80000000, lock, key);
    w[kHeader + kName] = 'Z';
    return w;
  }
  char StoredNameStart() { return static_cast<char>(sim_.Module(0).Stored(0)[kName]); }
  Simulator sim_;
};

TEST_F(Locked, ReadsWorkWritesAreRefusedWithoutTheKey) {
  const auto read = Send(Request(0x0002, 1, kPumpMac, 0));
  EXPECT_EQ(Be16(read, kLock), 1);
  EXPECT_EQ(Be16(read, kCode), 0x0003);
  for (const auto& w : {NameWrite(2), NameWrite(3, 2, "ab2"), NameWrite(4, 1, "ab1")}) {
    const auto reply = Send(w);
    EXPECT_EQ(Be16(reply, kCode), 0x8005);
    EXPECT_EQ(reply.size(), 116u);  // the block as it still is
    EXPECT_EQ(StoredNameStart(), 'P');
  }
  // LockState 2 and the key padded with zeros to four bytes.
  EXPECT_EQ(Be16(Send(NameWrite(5, 2, "ab1")), kCode), 0x0005);
  EXPECT_EQ(StoredNameStart(), 'Z');
  EXPECT_EQ(Be16(Send(Request(0x0002, 6, kPumpMac, 0)), kLock), 1);  // still locked
}

TEST_F(Locked, LoginOpensASessionThatEndsWhenIdle) {
  auto bad = Send(Request(0x0006, 1, kPumpMac, 0, 2, "ab2"));
  EXPECT_EQ(Be16(bad, kCode), 0x8007);
  EXPECT_EQ(Be16(bad, kLock), 1);
  EXPECT_EQ(bad.size(), 36u);
  auto good = Send(Request(0x0006, 2, kPumpMac, 0, 2, "ab1"));
  EXPECT_EQ(Be16(good, kCode), 0x0007);
  EXPECT_EQ(Be16(good, kLock), 2);
  // Writes need no key now, and each request keeps the session open.
  EXPECT_EQ(Be16(Send(NameWrite(3), seconds(50)), kCode), 0x0005);
  EXPECT_EQ(Be16(Send(Request(0x0002, 4, kPumpMac, 0), seconds(100)), kLock), 2);
  EXPECT_EQ(Be16(Send(Request(0x0002, 5, kPumpMac, 0), seconds(161)), kLock), 1);
  EXPECT_EQ(Be16(Send(NameWrite(6), seconds(162)), kCode), 0x8005);
}

TEST_F(Locked, EmptyPasswordUnlocksForGood) {
  auto w = Write(1, kPumpMac, 0, 80, 0x08000000, 2, "ab1");  // Password field left zero
  EXPECT_EQ(Be16(Send(w), kCode), 0x0005);
  EXPECT_EQ(Be16(Send(Request(0x0002, 2, kPumpMac, 0), seconds(10000)), kLock), 2);
  EXPECT_EQ(Be16(Send(NameWrite(3), seconds(10001)), kCode), 0x0005);
}

TEST_F(Locked, NewPasswordTakesEffectAndFactoryResetClearsIt) {
  auto w = Write(1, kPumpMac, 0, 80, 0x08000000, 2, "ab1");
  const char pw[] = "wxyz";
  std::copy(pw, pw + 4, w.begin() + kHeader + kPassword);
  EXPECT_EQ(Be16(Send(w), kCode), 0x0005);
  EXPECT_EQ(Be16(Send(Request(0x0006, 2, kPumpMac, 0, 2, "ab1")), kCode), 0x8007);
  EXPECT_EQ(Be16(Send(Request(0x0006, 3, kPumpMac, 0, 2, "wxyz")), kCode), 0x0007);
  // A factory reset needs no login and leaves the module without a password.
  Send(NameWrite(4));
  const auto reset = Send(Request(0x0008, 5, kPumpMac, 0, 1));
  EXPECT_EQ(Be16(reset, kCode), 0x0009);
  EXPECT_EQ(Be16(reset, kLock), 2);
  EXPECT_EQ(StoredNameStart(), 'P');
  EXPECT_EQ(Be32(Bytes(sim_.Module(0).Stored(0)), kPassword), 0u);
}

}  // namespace
}  // namespace gw::sim::test
