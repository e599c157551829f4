// The monitor's Modbus link against nxgsim over the real MbKit: the tool
// writes a word table, opens the Modbus link on the port PortLink.ini names
// (ModbusTCPPort) and reads the result registers of what it wrote.
#include <gtest/gtest.h>

#include <array>
#include <iterator>

#include "ModbusRegisters.h"
#include "SimLinkTest.h"
#include "model/ChangeMasks.h"

namespace gw::test {
namespace {

using Words = std::vector<std::uint16_t>;

TEST_F(SimLinkTest, TheMonitorReadsTheResultsOfTheTableItWrote) {
  const std::uint16_t port = FreeTcpPort();
  ASSERT_NE(port, 0);
  ASSERT_NO_FATAL_FAILURE(Start(Line::Ethernet, {"--modbus-port", std::to_string(port),
                                                 "--modbus-step", "0", "--seed", "4"}));
  home.WritePortLinkIni(home.ReadConfigFile("PortLink.ini") +
                        "ModbusTCPPort=" + std::to_string(port) + "\n");
  const int node = AddKnownNode();

  // Two word entries, 3 + 2 points, staged and written as the word pane does.
  const sim::MonitorPoint points[] = {
      {7, 0x0100, 4}, {7, 0x0101, 4}, {7, 0x0102, 4}, {9, 0xFFFF, 3}, {9, 0x0000, 3}};
  const Bytes block = Nodes().Outgoing().Block(kDeviceMonitorBlock);
  std::fill(block.begin(), block.end(), std::uint8_t{0});
  StoreBE32(block, kChangeMask, devmonbits::WordTable);
  StoreBE16(block, devmon::BitCount, devmon::kTableHeader);
  StoreBE16(block, devmon::WordCount, devmon::kTableHeader);
  StoreBE16(block, devmon::WordAddresses + devmon::EntryAmountStation, devmon::EntryWord(3, 7));
  StoreBE16(block, devmon::WordAddresses + devmon::EntryAddress, 0x0100);
  block[devmon::WordTypes] = devmon::kTypeHoldingRegister;
  const std::size_t second = devmon::WordAddresses + devmon::kEntrySize;
  StoreBE16(block, second + devmon::EntryAmountStation, devmon::EntryWord(2, 9));
  StoreBE16(block, second + devmon::EntryAddress, 0xFFFF);
  block[devmon::WordTypes + 1] = devmon::kTypeInputRegister;
  ASSERT_TRUE(OnLink([&] { return Link().WriteBlock(kDeviceMonitorBlock); }).Ok());

  // The pane's two requests, as one poll sends them.
  ASSERT_EQ(Link().OpenModbusLink(), LinkStatus::Ok);
  const int station = LoadBE16(Node(node).Block(kSerialBlock), serial::StationAddress);
  const auto Request = [&](std::array<std::uint8_t, 4> data) {
    MbKitApi& mb = Link().MbKit();
    EXPECT_GT(mb.RequestData(station, 3, data.data(), 4), 0);
    EXPECT_GT(mb.ReadSelect(3000), 0);
    std::array<std::uint8_t, 256> reply{};
    std::int32_t first = 0, second = 0;
    const int length = mb.ResponseData(&first, &second, reply.data());
    Words words;
    for (int i = 0; i + 1 < length; i += 2)
      words.push_back(LoadBE16(reply, static_cast<std::size_t>(i)));
    return words;
  };
  const Words validity = Request({0x23, 0x5F, 0x00, 0x07});
  const Words values = Request({0x22, 0xFB, 0x00, 0x64});
  // After a poll the pane reads its table again, through the node's own
  // address while the Modbus link is open; the module answers there.
  EXPECT_EQ(Link().PortLink().GetRemoteIPAddr(), Module(0).ipAddress);
  EXPECT_TRUE(OnLink([&] { return Link().ReadBlock(kDeviceMonitorBlock); }).Ok()) << Sim().Log();
  Link().CloseModbusLink();
  EXPECT_EQ(Sim().CountLogLines("to " + Ipv4Text(Module(0).ipAddress)), 1u) << Sim().Log();

  EXPECT_EQ(validity, (Words{0x001F, 0, 0, 0, 0, 0, 0}));
  ASSERT_EQ(values.size(), 100u);
  for (std::size_t r = 0; r < std::size(points); ++r)
    EXPECT_EQ(values[r], sim::PointValue(4, sim::MonitorTable::Words, points[r], 0)) << r;
  EXPECT_EQ(values[5], 0);
  EXPECT_EQ(Sim().CountLogLines("<- modbus"), 2u);
}

}  // namespace
}  // namespace gw::test
