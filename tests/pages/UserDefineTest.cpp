// The User Define page: the enable rules by the module's COM protocol, the
// checks of both ports in order with the refused value put back, the bytes
// of block 13, and the hexadecimal text rule.
#include <gtest/gtest.h>

#include <functional>

#include "link/RequestCodes.h"
#include "model/Texts.h"
#include "pages/PageInput.h"
#include "support/PageFixture.h"

namespace gw::pages::test {
namespace {

constexpr std::size_t kHeader = 36;
using namespace comconfig;

// The fixture's module: COM1 listens on 4001 and sends to 10.0.0.1:5020, COM2
// 4002 and 10.0.0.2:5020; fix length 8 (off); one start (02) and one stop
// character (03), both on.
struct UserDefinePage : PageFixture {
  CUserDefDlg& Page() { return UserDefine(); }
  const PortControls& P(int port) { return Page().Controls().port[static_cast<std::size_t>(port)]; }
};

TEST(HexText, TheCharacterEditsRule) {
  const struct {
    const char* text;
    std::uint8_t value;
  } cases[] = {{"G1", 0},   {"7e", 0x7E}, {"", 0},      {"0x1F", 0x1F}, {"0X", 0},
               {"F", 0x0F}, {"1G", 0x01}, {"ff", 0xFF}, {"0", 0}};
  for (const auto& c : cases) EXPECT_EQ(HexTextByte(c.text), c.value) << c.text;
}

struct EnableCase {
  const char* what;
  std::uint16_t comConfig;
  std::uint16_t firmware;
  int port;  // the port whose controls can be enabled, -1 none
  bool listen, destination, framing;
};

struct UserDefineEnable : UserDefinePage, ::testing::WithParamInterface<EnableCase> {};

TEST_P(UserDefineEnable, FollowTheProtocolTheModuleReported) {
  const EnableCase& c = GetParam();
  SetComConfig(c.comConfig);
  SetFirmware(c.firmware);
  Open();
  for (int port = 0; port < 2; ++port) {
    SCOPED_TRACE(port);
    const bool on = port == c.port;
    const PortControls& p = P(port);
    EXPECT_EQ(p.listenPort.enabled, on && c.listen);
    EXPECT_EQ(p.destinationIp.enabled, on && c.destination);
    EXPECT_EQ(p.destinationPort.enabled, on && c.destination);
    EXPECT_EQ(p.fixLength.enabled && p.startItem.enabled && p.stopItem.enabled, on && c.framing);
    EXPECT_FALSE(p.fixLengthBytes.enabled);  // its box is not checked
    EXPECT_EQ(p.startCount.enabled && p.startChars[2].enabled && p.stopChars[0].enabled,
              on && c.framing);
  }
  // The Basic page's unsaved choice changes nothing here.
  Basic().OnComProtocolChanged(static_cast<int>(ComProtocol::UserDefineCom2));
  EXPECT_EQ(P(1).fixLength.enabled, c.port == 1 && c.framing);
}

INSTANTIATE_TEST_SUITE_P(
    Protocols, UserDefineEnable,
    ::testing::Values(EnableCase{"Modbus", kModbusCom1, 0x0155, -1, false, false, false},
                      EnableCase{"Com1Master", kUserDefineCom1, 0x0155, 0, true, false, true},
                      EnableCase{"Com2Slave", kUserDefineCom2 | kSerialSlave, 0x0155, 1, false,
                                 true, true},
                      EnableCase{"DeviceServer", kUserDefineCom1 | kSerialDeviceServer, 0x0155, 0,
                                 true, false, false},
                      EnableCase{"DeviceServerOn154", kUserDefineCom1 | kSerialDeviceServer, 0x0154,
                                 0, true, false, true}),
    [](const auto& info) { return std::string(info.param.what); });

struct RefusalCase {
  const char* what;
  std::uint16_t comConfig;
  std::function<void(CUserDefDlg&)> edit;
  const char* message;
  int port;
  TextControl PortControls::*edit_;
  const char* restored;
};

struct UserDefineRefusal : UserDefinePage, ::testing::WithParamInterface<RefusalCase> {};

TEST_P(UserDefineRefusal, PutsTheStoredValueBackAndSendsNothing) {
  const RefusalCase& c = GetParam();
  SetComConfig(c.comConfig);
  Open();
  c.edit(Page());
  EXPECT_FALSE(Page().OnApply());
  EXPECT_EQ(ui.messages, Strings{c.message});
  const TextControl& edit = P(c.port).*(c.edit_);
  EXPECT_EQ(edit.text, c.restored);
  const auto focus = Page().TakeFocusRequest();
  ASSERT_TRUE(focus);
  EXPECT_EQ(focus->control, &edit);
  EXPECT_TRUE(focus->selectAll);
  EXPECT_TRUE(port.requests.empty());
  EXPECT_EQ(P(0).destinationIp.Value(), 0x0A000001u);  // put back too when it was the address
}

const std::uint16_t kCom1Master = kUserDefineCom1, kCom1Slave = kUserDefineCom1 | kSerialSlave,
                    kCom2Master = kUserDefineCom2;

INSTANTIATE_TEST_SUITE_P(
    InOrder, UserDefineRefusal,
    ::testing::Values(
        RefusalCase{"Listen1023", kCom1Master,
                    [](CUserDefDlg& p) { p.OnListenPortChanged(0, "1023"); },
                    text::kListenPortRange, 0, &PortControls::listenPort, "4001"},
        RefusalCase{"Listen65536", kCom1Master,
                    [](CUserDefDlg& p) { p.OnListenPortChanged(0, "65536"); },
                    text::kListenPortRange, 0, &PortControls::listenPort, "4001"},
        RefusalCase{"ListenLikeCom2", kCom1Master,
                    [](CUserDefDlg& p) { p.OnListenPortChanged(0, "4002"); },
                    text::kListenPortSameAsCom2, 0, &PortControls::listenPort, "4001"},
        RefusalCase{"Com2Listen80", kCom2Master,
                    [](CUserDefDlg& p) { p.OnListenPortChanged(1, "80"); }, text::kListenPortRange,
                    1, &PortControls::listenPort, "4002"},
        RefusalCase{"Destination1023", kCom1Slave,
                    [](CUserDefDlg& p) { p.OnDestinationPortChanged(0, "1023"); },
                    text::kDestinationPortRange, 0, &PortControls::destinationPort, "5020"},
        RefusalCase{"DestinationLikeCom2", kCom1Slave,
                    [](CUserDefDlg& p) { p.OnDestinationFieldChanged(0, 3, 2); },  // COM2's
                    text::kDestinationSameAsCom2, 0, &PortControls::destinationPort, "5020"},
        RefusalCase{"FixLength0", kCom1Master,
                    [](CUserDefDlg& p) {
                      p.OnFixLengthClicked(0, true);
                      p.OnFixLengthChanged(0, "0");
                    },
                    text::kFixLengthRange, 0, &PortControls::fixLengthBytes, "8"},
        RefusalCase{"FixLength257", kCom1Master,
                    [](CUserDefDlg& p) {
                      p.OnFixLengthClicked(0, true);
                      p.OnFixLengthChanged(0, "257");
                    },
                    text::kFixLengthRange, 0, &PortControls::fixLengthBytes, "8"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(UserDefinePage, TheSameAddressWithAnotherPortAndTheBoundsAreAccepted) {
  SetComConfig(kCom1Slave);
  Open();
  Page().OnDestinationFieldChanged(0, 3, 2);  // COM2's address
  Page().OnDestinationPortChanged(0, "1024");
  EXPECT_TRUE(Page().OnApply());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(Sent(CmdWriteBlock, kUserDefineBlock).size(), 1u);
}

TEST_F(UserDefinePage, StoredValuesAreCheckedOnDisabledPortsToo) {
  StoreBE16(module.record.Block(kUserDefineBlock), userdef::Com2 + userdef::FixLength, 0);
  SetComConfig(kModbusCom1);
  Open();
  EXPECT_FALSE(Page().OnApply());
  EXPECT_EQ(ui.messages, Strings{text::kFixLengthRange});
  EXPECT_EQ(Page().TakeFocusRequest()->control, &P(1).fixLengthBytes);
}

TEST_F(UserDefinePage, ApplyWritesTheRecordsBlockWithThePagesFields) {
  SetComConfig(kCom1Master);
  Open();
  Page().OnListenPortChanged(0, "65535");
  Page().OnStartCountChanged(0, 1);
  Page().OnStartCharChanged(0, 1, "7e");
  EXPECT_EQ(P(0).startChars[1].text, "7E");
  Page().OnStopItemClicked(0, false);
  Page().OnFixLengthClicked(0, true);
  Page().OnFixLengthChanged(0, "256");
  const ConstBytes stored = Node().Block(kUserDefineBlock);
  std::vector<std::uint8_t> expected(stored.begin(), stored.end());
  ASSERT_TRUE(Page().OnApply());

  expected[0] = 0x80;  // ChangeMask
  const std::size_t e = userdef::Com1;
  expected[e + userdef::ListenPort] = 0xFF, expected[e + userdef::ListenPort + 1] = 0xFF;
  expected[e + userdef::FixLength] = 0x01, expected[e + userdef::FixLength + 1] = 0x00;
  expected[e + userdef::StartCount] = 2;
  expected[e + userdef::StartChars + 1] = 0x7E;
  expected[e + userdef::FramingSwitches] = userdef::kFixLengthOn | userdef::kStartItemOn;
  // Everything else, COM2 and the bytes the page does not edit, as stored.
  const auto body = WriteBody(kUserDefineBlock);
  ASSERT_EQ(body.size(), kHeader + 84);
  EXPECT_EQ(std::vector<std::uint8_t>(body.begin() + kHeader, body.end()), expected);
  EXPECT_FALSE(Page().IsModified());

  Page().OnSiblingQuery();
  EXPECT_EQ(Page().ChangeMask(), 0x80000000u);
  EXPECT_TRUE(Page().IsModified());
}

}  // namespace
}  // namespace gw::pages::test
