// The simulator's answers on the wire, against byte vectors written out from
// the frame layout.
#include <gtest/gtest.h>

#include "SerialReply.h"
#include "SimTestSupport.h"
#include "Simulator.h"
#include "platform/util/SerialFrameDecoder.h"

namespace gw::sim::test {
namespace {

constexpr SimTime kT0{0};

TEST(WireVectors, SearchRequestGetsTheExactReply) {
  Simulator sim(Settings({PumpStation()}), kT0);
  const auto request =
      Hex("F2 00 00 01  12 34 56 78  00 00  00 00 00 00 00 00  00 00  00 00  00 00 00 00"
          "00 00 00 00  00 00  00 00  00 00  00 00");
  const auto expected = Hex(
      // header: type, version, id, reply 0x0001, MAC, block 0, LockState 2,
      // key, unnamed, ModuleNumber 7, unnamed, firmware 1.55, tail
      "F2 00 00 01  12 34 56 78  00 01  00 60 E9 01 02 03  00 00  00 02  00 00 00 00"
      "00 00 00 00  00 07  00 00  01 55  00 00"
      // block 0: mask, "Pump station" in 32 bytes
      "00 00 00 00  50 75 6D 70 20 73 74 61 74 69 6F 6E  00 00 00 00 00 00 00 00"
      "00 00 00 00 00 00 00 00 00 00 00 00"
      // 127.1.0.7, 255.255.255.0, 127.1.0.254, no password, 6 bytes, static
      "7F 01 00 07  FF FF FF 00  7F 01 00 FE  00 00 00 00  00 00 00 00 00 00  00 00"
      // unnamed, IPv6 on, fe80::260:e9ff:fe01:203
      "00 00  00 01  FE 80 00 00 00 00 00 00 02 60 E9 FF FE 01 02 03");
  ASSERT_EQ(expected.size(), 116u);
  EXPECT_EQ(Only(sim.Handle(request, Channel::Udp, kT0)), expected);
}

TEST(WireVectors, SerialLoginFrameWithStuffingBothWays) {
  // Id and MAC hold 0xC0 and 0xDB, which travel as DB DC and DB DD.
  ModuleSetup m = PumpStation();
  m.mac = {0x00, 0x60, 0xE9, 0xC0, 0xDB, 0x01};
  Simulator sim(Settings({m}), kT0);
  const auto line =
      Hex("C0 F2 00 00 01 DB DC DB DD 00 01 00 06 00 60 E9 DB DC DB DD 01 00 00 00 02"
          "31 32 33 34 00 00 00 00 00 00 00 00 00 00 00 00 BA C0");
  const auto expected =
      Hex("C0 F2 00 00 01 DB DC DB DD 00 01 00 07 00 60 E9 DB DC DB DD 01 00 00 00 02"
          "00 00 00 00 00 00 00 00 00 07 00 00 01 55 00 00 26 C0");
  platform::SerialFrameDecoder decoder;
  const auto frames = decoder.Feed(line);
  ASSERT_EQ(frames.size(), 1u);
  ASSERT_EQ(frames[0].verdict, platform::SerialFrameDecoder::Verdict::Good);
  ASSERT_EQ(frames[0].body.size(), 36u);
  const auto replies = sim.Handle(frames[0].body, Channel::Serial, kT0);
  ASSERT_EQ(replies.size(), 1u);
  EXPECT_EQ(EncodeSerialReply(replies[0]), expected);
}

TEST(WireVectors, EveryBlockReplyMeetsItsMinimumLength) {
  Simulator sim(Settings({PumpStation()}), kT0);
  // block, payload bytes, shortest reply the tool takes
  const struct {
    int block;
    std::size_t payload, minimum;
  } blocks[] = {{0, 80, 64},      {1, 336, 372},    {2, 644, 680},    {4, 20, 56},
                {6, 72, 108},     {8, 168, 172},    {9, 504, 540},    {10, 12, 46},
                {11, 128, 168},   {13, 84, 120},    {44, 1008, 1044}, {47, 1208, 1244},
                {48, 1208, 1244}, {49, 1208, 1244}, {50, 1208, 1244}};
  std::uint32_t id = 100;
  for (const auto& b : blocks) {
    const auto reply = Only(sim.Handle(
        Request(0x0002, ++id, kPumpMac, static_cast<std::uint16_t>(b.block)), Channel::Udp, kT0));
    ASSERT_FALSE(reply.empty()) << "block " << b.block;
    EXPECT_EQ(Be16(reply, kCode), 0x0003);
    EXPECT_EQ(Be32(reply, kId), id);
    EXPECT_GE(reply.size(), b.minimum) << "block " << b.block;
    EXPECT_EQ(reply.size(), std::max(kHeader + b.payload, b.minimum)) << "block " << b.block;
    // The block as stored, then zero bytes up to the minimum (block 11: four).
    const auto stored = sim.Module(0).Stored(b.block);
    ASSERT_EQ(stored.size(), b.payload);
    EXPECT_TRUE(std::equal(stored.begin(), stored.end(), reply.begin() + kHeader));
    EXPECT_EQ(std::count(reply.begin() + static_cast<long>(kHeader + b.payload), reply.end(), 0),
              reply.end() - reply.begin() - static_cast<long>(kHeader + b.payload));
  }
}

TEST(WireVectors, OlderFirmwareSendsBlock0WithoutIpv6ButAllOfItInASearch) {
  ModuleSetup m = PumpStation();
  m.firmware = 0x0154;
  Simulator sim(Settings({m}), kT0);
  const auto read = Only(sim.Handle(Request(0x0002, 1, kPumpMac, 0), Channel::Udp, kT0));
  EXPECT_EQ(read.size(), 100u);
  EXPECT_EQ(Be16(read, kFirmware), 0x0154);
  const auto search = Only(sim.Handle(Request(0x0000, 2), Channel::Udp, kT0));
  ASSERT_EQ(search.size(), 116u);
  // IPv6 switch and address are zero.
  EXPECT_EQ(std::vector<std::uint8_t>(search.begin() + 36 + 62, search.end()),
            std::vector<std::uint8_t>(18, 0));
}

TEST(WireVectors, OnlyTheAddressedModuleAnswers) {
  ModuleSetup second = PumpStation();
  second.index = 2;
  second.mac[5] = 0x04;
  second.moduleNumber = 300;
  Simulator sim(Settings({PumpStation(), second}), kT0);
  // A search reaches every module.
  const auto all = sim.Handle(Request(0x0000, 1), Channel::Udp, kT0);
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(Be16(all[0].body, kNumber), 7);
  EXPECT_EQ(Be16(all[1].body, kNumber), 300);
  // Reads, writes, logins and resets only the one they name.
  for (std::uint16_t command : {0x0002, 0x0004, 0x0006, 0x0008}) {
    auto req =
        command == 0x0004 ? Write(2, second.mac, 11, 128, 0) : Request(command, 2, second.mac);
    const auto replies = sim.Handle(req, Channel::Udp, kT0);
    ASSERT_EQ(replies.size(), 1u) << command;
    EXPECT_EQ(MacOf(replies[0].body), second.mac);
    EXPECT_EQ(Be16(replies[0].body, kCode), command + 1);
  }
  Mac nobody = kPumpMac;
  nobody[5] = 0x77;
  EXPECT_TRUE(sim.Handle(Request(0x0002, 3, nobody, 0), Channel::Udp, kT0).empty());
}

TEST(WireVectors, OnAModuleAddressOnlyTheModuleHoldingItAnswers) {
  ModuleSetup second = PumpStation();
  second.index = 2;
  second.mac[5] = 0x04;
  second.moduleNumber = 300;
  second.ipAddress = 0x7F010008;  // 127.1.0.8
  Simulator sim(Settings({PumpStation(), second}), kT0);
  // A write of IpAddress (mask bit 30) moves the second module to 127.1.0.9.
  auto move = Write(9, second.mac, 0, 80, 0x40000000);
  PutBe32(move, kHeader + 36, 0x7F010009);
  const struct {
    std::vector<std::uint8_t> request;
    std::uint32_t on;
    std::vector<int> numbers;  // of the modules that answer
  } cases[] = {
      {Request(0x0000, 1), 0x7F010007, {7}},
      {Request(0x0000, 2), 0x7F010008, {300}},
      {Request(0x0000, 3), 0x7F010063, {}},
      {Request(0x0002, 4, second.mac, 11), 0x7F010008, {300}},
      {Request(0x0002, 5, second.mac, 11), 0x7F010007, {}},
      {Request(0x0002, 6, kPumpMac, 11), 0x7F010007, {7}},
      {move, 0x7F010008, {300}},
      {Request(0x0000, 7), 0x7F010008, {}},
      {Request(0x0000, 8), 0x7F010009, {300}},
  };
  for (const auto& c : cases) {
    std::vector<int> numbers;
    for (const Outgoing& o : sim.Handle(c.request, Channel::Udp, kT0, {}, c.on))
      numbers.push_back(Be16(o.body, kNumber));
    EXPECT_EQ(numbers, c.numbers) << "request " << Be32(c.request, kId);
  }
  EXPECT_EQ(sim.Module(1).IpAddress(), 0x7F010009u);
  // Without an address, as on the simulator's own socket, both answer a search.
  EXPECT_EQ(sim.Handle(Request(0x0000, 10), Channel::Udp, kT0).size(), 2u);
}

TEST(WireVectors, RequestsAModuleDoesNotTake) {
  SimSettings settings = Settings({PumpStation()});
  settings.quietBlocks = {13};
  std::vector<std::string> problems;
  Simulator sim(settings, kT0, {}, [&](const std::string& line) { problems.push_back(line); });
  // Too short, an odd code, a code above 8, another module type, a block that
  // does not exist, a write shorter than its block, a quiet block.
  auto other = Request(0x0000, 1);
  other[0] = 0xF1;
  for (const auto& request :
       {Hex("F2 00 00 01"), Request(0x0003, 1), Request(0x000A, 1), other,
        Request(0x0002, 1, kPumpMac, 3), Write(1, kPumpMac, 11, 100, 0x80000000),
        Request(0x0002, 1, kPumpMac, 13)}) {
    EXPECT_TRUE(sim.Handle(request, Channel::Udp, kT0).empty()) << request.size();
  }
  // The quiet block is still written.
  EXPECT_EQ(sim.Handle(Write(1, kPumpMac, 13, 84, 0x80000000), Channel::Udp, kT0).size(), 1u);
  EXPECT_EQ(problems.size(), 3u);  // the malformed ones are reported
}

TEST(WireVectors, ForeignModuleTypeAnswersWithItsOwnType) {
  ModuleSetup m = PumpStation();
  m.moduleType = kForeignModuleType;
  Simulator sim(Settings({m}), kT0);
  const auto reply = Only(sim.Handle(Request(0x0000, 1), Channel::Udp, kT0));
  ASSERT_EQ(reply.size(), 116u);
  EXPECT_EQ(Be16(reply, kType), 0xF300);
}

}  // namespace
}  // namespace gw::sim::test
