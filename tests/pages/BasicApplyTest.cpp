// The Basic page's Apply and Refresh: the staged bytes of blocks 0 and 11,
// the range checks, unchanged addresses, the closing on a serial link, and
// link failures.
#include <gtest/gtest.h>

#include "link/RequestCodes.h"
#include "model/Texts.h"
#include "support/PageFixture.h"

namespace gw::pages::test {
namespace {

struct BasicApply : PageFixture {
  // Each link action by kind, with the requests: "open", "send 4/0", "close".
  Strings LinkSteps() const {
    Strings out;
    for (const auto& e :
         log.Only({"OpenSocket", "CloseSocket", "OpenSerialEx", "CloseSerial", "send"})) {
      if (e.rfind("Open", 0) == 0)
        out.push_back("open");
      else if (e.rfind("Close", 0) == 0)
        out.push_back("close");
      else
        out.push_back(e);
    }
    return out;
  }
};

std::vector<std::uint8_t> Payload(const std::vector<std::uint8_t>& body) {
  return body.size() > 36 ? std::vector<std::uint8_t>(body.begin() + 36, body.end())
                          : std::vector<std::uint8_t>{};
}

TEST_F(BasicApply, WritesExactlyTheStagedBytesOfBothBlocks) {
  Open();
  Basic().OnModuleNameChanged("Pump room");
  Basic().OnIpAddressFieldChanged(3, 21);
  Basic().OnStationAddressChanged("5");
  Basic().OnKeepAliveChanged("120");
  ASSERT_TRUE(Basic().OnApply());

  EXPECT_EQ(LinkSteps(), (Strings{"open", "send 4/0", "send 2/0", "close", "open", "send 4/11",
                                  "send 2/11", "close"}));

  // Block 0: only the marked fields, the rest zero; IPv6 always on this firmware.
  std::vector<std::uint8_t> network(80, 0);
  network[0] = 0xC0;  // ChangeMask: name, IP address
  const std::string name = "Pump room";
  std::copy(name.begin(), name.end(), network.begin() + 4);
  network[36] = 192, network[37] = 168, network[38] = 1, network[39] = 21;
  network[63] = 1;  // Ipv6Enable
  const std::uint8_t ipv6[16] = {0xFE, 0x80, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  std::copy(std::begin(ipv6), std::end(ipv6), network.begin() + 64);
  const auto body0 = WriteBody(kNetworkBlock);
  EXPECT_EQ(body0.size(), 116u);
  EXPECT_EQ(Payload(body0), network);
  EXPECT_EQ(Word(body0, 18), 0);  // no login for an unlocked module

  // Block 11: the module's block with the page's fields.
  std::vector<std::uint8_t> serialBlock(128, 0);
  for (std::size_t i = 4; i < 128; ++i) serialBlock[i] = static_cast<std::uint8_t>(0xA0 + i);
  serialBlock[0] = 0x80;                           // ChangeMask
  serialBlock[12] = 0x00, serialBlock[13] = 0x06;  // ComConfig
  serialBlock[14] = 0x0A, serialBlock[15] = 0x08;  // BaudCodes
  serialBlock[16] = 0x00, serialBlock[17] = 0x05;  // StationAddress
  serialBlock[18] = 0x08, serialBlock[19] = 0x02;  // DiDoPoints
  serialBlock[26] = 0x03, serialBlock[27] = 0xE8;  // ModbusTimeout 1000
  serialBlock[28] = 0x00, serialBlock[29] = 0x0A;  // DelayTime 10
  serialBlock[30] = 0x00, serialBlock[31] = 0x78;  // KeepAliveTime 120
  const auto body11 = WriteBody(kSerialBlock);
  EXPECT_EQ(body11.size(), 164u);
  EXPECT_EQ(Payload(body11), serialBlock);

  // The page shows what the module took, unmodified.
  EXPECT_EQ(C().moduleName.text, "Pump room");
  EXPECT_EQ(C().stationAddress.text, "5");
  EXPECT_FALSE(Basic().IsModified());
  EXPECT_EQ(Basic().NetworkMask() | Basic().SerialMask(), 0u);
}

TEST_F(BasicApply, NothingChangedOrOnlyTheStoredAddressSendsNothing) {
  Open();
  EXPECT_TRUE(Basic().OnApply());
  Basic().OnIpAddressFieldChanged(3, 21);
  Basic().OnIpAddressFieldChanged(3, 20);
  ASSERT_TRUE(Basic().OnApply());  // the mask became 0
  EXPECT_TRUE(log.All().empty());
}

TEST_F(BasicApply, TimersAreCheckedInOrderAndTheStoredValuePutBack) {
  Open();
  Basic().OnKeepAliveChanged("4");
  Basic().OnModbusTimeoutChanged("65536");
  Basic().OnDelayTimeChanged("70000");

  EXPECT_FALSE(Basic().OnApply());
  EXPECT_EQ(ui.messages, Strings{text::kOutOfRange});
  EXPECT_EQ(C().keepAlive.text, "60");
  EXPECT_EQ(C().modbusTimeout.text, "65536");
  auto focus = Basic().TakeFocusRequest();
  ASSERT_TRUE(focus);
  EXPECT_EQ(focus->control, &C().keepAlive);
  EXPECT_TRUE(focus->selectAll);

  EXPECT_FALSE(Basic().OnApply());
  EXPECT_EQ(C().modbusTimeout.text, "1000");
  focus = Basic().TakeFocusRequest();
  ASSERT_TRUE(focus);
  EXPECT_EQ(focus->control, &C().modbusTimeout);

  EXPECT_FALSE(Basic().OnApply());
  EXPECT_EQ(C().delayTime.text, "10");
  EXPECT_FALSE(Basic().TakeFocusRequest());  // the delay edit is not focused
  EXPECT_EQ(ui.messages.size(), 3u);
  EXPECT_TRUE(port.requests.empty());
  EXPECT_TRUE(Basic().IsModified());
}

TEST_F(BasicApply, AStationOutsideItsRangeRefusesApplyWithoutLosingTheFocus) {
  Open();
  for (const char* typed : {"0", "248", "abc", ""}) {
    SCOPED_TRACE(typed);
    ui.messages.clear();
    Basic().OnStationAddressChanged(typed);
    EXPECT_FALSE(Basic().OnApply());
    EXPECT_EQ(ui.messages, Strings{text::kStationRange});
    EXPECT_EQ(C().stationAddress.text, "17");
    EXPECT_EQ(C().stationSpin.position, 17);
    const auto focus = Basic().TakeFocusRequest();
    ASSERT_TRUE(focus);
    EXPECT_EQ(focus->control, &C().stationAddress);
    EXPECT_TRUE(focus->selectAll);
  }
  EXPECT_TRUE(port.requests.empty());
}

TEST_F(BasicApply, TimerBoundsAreInclusiveAndANumberIsRequired) {
  Open();
  Basic().OnKeepAliveChanged("5");
  Basic().OnModbusTimeoutChanged("65535");
  Basic().OnDelayTimeChanged("0");
  ASSERT_TRUE(Basic().OnApply());
  const auto body = WriteBody(kSerialBlock);
  EXPECT_EQ(Word(body, 36 + 30), 5);
  EXPECT_EQ(Word(body, 36 + 26), 65535);
  EXPECT_EQ(Word(body, 36 + 28), 0);

  Basic().OnDelayTimeChanged("");
  EXPECT_FALSE(Basic().OnApply());
  Basic().OnKeepAliveChanged("1x");
  EXPECT_FALSE(Basic().OnApply());
  EXPECT_EQ(C().keepAlive.text, "5");
}

TEST_F(BasicApply, AnAddressEnteredAsStoredIsNotRewritten) {
  Open();
  Basic().OnModuleNameChanged("Pump room");
  Basic().OnIpAddressFieldChanged(3, 21);
  Basic().OnIpAddressFieldChanged(3, 20);  // back to the stored address
  Basic().OnNetmaskFieldChanged(3, 128);
  Basic().OnIpConfigurationChanged(1);
  Basic().OnIpConfigurationChanged(0);  // back to Static
  ASSERT_EQ(Basic().NetworkMask(), 0xF2000000u);
  ASSERT_TRUE(Basic().OnApply());

  const auto body = WriteBody(kNetworkBlock);
  EXPECT_EQ(Long(body, 36 + 0), 0xA0000000u);  // name and netmask only
  EXPECT_EQ(Long(body, 36 + 36), 0u);
  EXPECT_EQ(Long(body, 36 + 40), 0xFFFFFF80u);
  EXPECT_EQ(Long(body, 36 + 44), 0u);
}

TEST_F(BasicApply, AnEmptyNameIsNeverSent) {
  Open();
  Basic().OnModuleNameChanged("");
  Basic().OnGatewayFieldChanged(3, 254);
  ASSERT_TRUE(Basic().OnApply());
  const auto body = WriteBody(kNetworkBlock);
  EXPECT_EQ(Long(body, 36 + 0), 0x10000000u);
  EXPECT_EQ(Chars(body, 36 + 4, 32), std::string(32, '\0'));
}

TEST_F(BasicApply, Ipv6AddressTextBecomesSixteenBytes) {
  Open();
  Basic().OnEnableIpv6Clicked(false);
  EXPECT_FALSE(C().ipv6Address.enabled);
  Basic().OnEnableIpv6Clicked(true);
  Basic().OnIpv6AddressChanged("2001:0DB8:0000:0000:0000:ff00:0042:8329");
  ASSERT_TRUE(Basic().OnApply());
  const auto body = WriteBody(kNetworkBlock);
  EXPECT_EQ(Long(body, 36 + 0), 0x00400000u);
  EXPECT_EQ(Word(body, 36 + 62), 1);
  const std::vector<std::uint8_t> expected = {0x20, 0x01, 0x0D, 0xB8, 0, 0,    0,    0,
                                              0,    0,    0xFF, 0x00, 0, 0x42, 0x83, 0x29};
  EXPECT_EQ(std::vector<std::uint8_t>(body.begin() + 36 + 64, body.end()), expected);
}

// A COM1 protocol written over the serial link closes the sheet
// (Sheet.APageThatClosesTheSheetEndsTheApply); COM2 there, or COM1 over
// Ethernet, keeps it.
struct SheetKept : PageFixture, ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(SheetKept, AfterTheApply) {
  const auto [commType, protocol] = GetParam();
  Open(commType);
  Basic().OnComProtocolChanged(protocol);
  Basic().OnStationAddressChanged("5");
  ASSERT_TRUE(sheet->Apply());
  EXPECT_EQ(Sent(CmdWriteBlock, kSerialBlock).size(), 1u);
  EXPECT_FALSE(sheet->Closed());
}

INSTANTIATE_TEST_SUITE_P(Links, SheetKept,
                         ::testing::Values(std::pair{kCommSerial, 1}, std::pair{kCommEthernet, 0}));

TEST_F(BasicApply, FailuresAreReportedPerBlockAndThePageReloads) {
  Open();
  module.writeCode = 0x8005;
  Basic().OnModuleNameChanged("Pump room");
  Basic().OnStationAddressChanged("5");
  EXPECT_TRUE(Basic().OnApply());
  EXPECT_EQ(ui.messages, (Strings{text::kModifyFailed, text::kModifyFailed}));
  EXPECT_EQ(C().moduleName.text, "Boiler house");  // what the module reports

  ui.messages.clear();
  port.openResult = -1;
  Basic().OnModuleNameChanged("Pump room");
  Basic().OnStationAddressChanged("5");
  EXPECT_TRUE(Basic().OnApply());
  EXPECT_EQ(ui.messages, (Strings{text::kCannotOpenDevice, text::kCommunicationError,
                                  text::kCannotOpenDevice, text::kCommunicationError}));
  EXPECT_FALSE(Basic().IsModified());
}

TEST_F(BasicApply, RefreshReadsBlock0OnceWithA200msWaitAndJudgesNoReply) {
  StoreBE32(module.record.Block(kNetworkBlock), net::IpAddress, 0);
  Open();
  module.ignore = [](const SentRequest&) { return true; };
  Basic().OnRefreshClicked();
  EXPECT_EQ(log.Only({"send", "pause"}), (Strings{"send 2/0", "pause 200"}));
  EXPECT_TRUE(ui.messages.empty());
  port.openResult = -1;
  Basic().OnRefreshClicked();
  EXPECT_EQ(ui.messages, (Strings{text::kCannotOpenDevice, text::kCommunicationError}));

  port.openResult = 0;
  module.ignore = nullptr;
  log.Clear();
  StoreBE32(module.record.Block(kNetworkBlock), net::IpAddress, 0x0A010101);  // DHCP found one
  Basic().OnModuleNameChanged("unsaved");
  Basic().OnRefreshClicked();
  EXPECT_EQ(log.Only({"send", "pause"}), (Strings{"send 2/0", "pause 200"}));
  EXPECT_EQ(C().ipAddress.Value(), 0x0A010101u);
  EXPECT_FALSE(C().refresh.visible);
  EXPECT_EQ(C().moduleName.text, "Boiler house");
  EXPECT_FALSE(Basic().IsModified());
}

}  // namespace
}  // namespace gw::pages::test
