// The Basic page's handlers: the change-mask bit of every control, the COM
// protocol, master and mode interplay, and the station check.
#include <gtest/gtest.h>

#include "link/RequestCodes.h"
#include "model/Texts.h"
#include "support/PageFixture.h"

namespace gw::pages::test {
namespace {

using BasicHandlers = PageFixture;

TEST_F(BasicHandlers, EveryControlSetsItsOwnChangeBit) {
  struct Case {
    const char* control;
    void (*change)(CBasicDlg&);
    std::uint32_t network;
    std::uint32_t serial;
  };
  const Case cases[] = {
      {"Module Name", [](CBasicDlg& p) { p.OnModuleNameChanged("Pump"); }, 0x80000000, 0},
      {"IP Address", [](CBasicDlg& p) { p.OnIpAddressFieldChanged(3, 21); }, 0x40000000, 0},
      {"Netmask", [](CBasicDlg& p) { p.OnNetmaskFieldChanged(2, 0); }, 0x20000000, 0},
      {"Gateway", [](CBasicDlg& p) { p.OnGatewayFieldChanged(0, 10); }, 0x10000000, 0},
      {"IP Configuration", [](CBasicDlg& p) { p.OnIpConfigurationChanged(1); }, 0x72000000, 0},
      {"Enable IPv6", [](CBasicDlg& p) { p.OnEnableIpv6Clicked(false); }, 0x00400000, 0},
      {"IPv6 address", [](CBasicDlg& p) { p.OnIpv6AddressChanged("FE80:0000"); }, 0x00400000, 0},
      {"COM Protocol", [](CBasicDlg& p) { p.OnComProtocolChanged(3); }, 0, 0x80000000},
      {"Master", [](CBasicDlg& p) { p.OnMasterChanged(1); }, 0, 0x80000000},
      {"Baudrate", [](CBasicDlg& p) { p.OnBaudrateChanged(0); }, 0, 0x80000000},
      {"Data Length", [](CBasicDlg& p) { p.OnDataLengthChanged(1); }, 0, 0x80000000},
      {"Parity", [](CBasicDlg& p) { p.OnParityChanged(0); }, 0, 0x80000000},
      {"Stop Bits", [](CBasicDlg& p) { p.OnStopBitsChanged(1); }, 0, 0x80000000},
      {"Mode", [](CBasicDlg& p) { p.OnModeChanged(1); }, 0, 0x80000000},
      {"Station Address", [](CBasicDlg& p) { p.OnStationAddressChanged("9"); }, 0, 0x80000000},
      {"Keep Alive", [](CBasicDlg& p) { p.OnKeepAliveChanged("30"); }, 0, 0x80000000},
      {"Modbus Timeout", [](CBasicDlg& p) { p.OnModbusTimeoutChanged("500"); }, 0, 0x80000000},
      {"Delay", [](CBasicDlg& p) { p.OnDelayTimeChanged("0"); }, 0, 0x80000000},
  };
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    Reopen();
    ASSERT_FALSE(sheet->ApplyEnabled());
    c.change(Basic());
    EXPECT_EQ(Basic().NetworkMask(), c.network);
    EXPECT_EQ(Basic().SerialMask(), c.serial);
    EXPECT_TRUE(Basic().IsModified());
    EXPECT_TRUE(sheet->ApplyEnabled());
  }
}

TEST_F(BasicHandlers, EditsKeepTheirLimitsAndAddressFieldsTheirRanges) {
  Open();
  Basic().OnModuleNameChanged(std::string(40, 'x'));
  EXPECT_EQ(C().moduleName.text.size(), 31u);
  Basic().OnKeepAliveChanged("1234567");
  EXPECT_EQ(C().keepAlive.text, "12345");
  Basic().OnIpAddressFieldChanged(0, 240);  // first byte at most 223
  Basic().OnIpAddressFieldChanged(3, 0);    // last byte at least 1
  EXPECT_EQ(C().ipAddress.Value(), 0xDFA80101u);
  Basic().OnNetmaskFieldChanged(3, -1);  // left blank
  EXPECT_EQ(C().netmask.Value(), 0xFFFFFF00u);
  Basic().OnGatewayFieldChanged(3, 255);  // no range set on the gateway
  EXPECT_EQ(C().gateway.fields[3], 255);
}

TEST_F(BasicHandlers, ChangesTellTheWindowToReadAgain) {
  Open();
  int changes = 0;
  Basic().SetChangeListener([&] { ++changes; });
  Basic().OnStopBitsChanged(1);
  Basic().OnComProtocolChanged(2);
  Basic().OnStationAddressFocusLost();
  EXPECT_EQ(changes, 3);
}

TEST_F(BasicHandlers, SerialDeviceServerRunsOnlyUserDefineCom1) {
  Open();
  Basic().OnMasterChanged(2);
  EXPECT_EQ(C().comProtocol.selection, 2);  // User Define COM1 (RS-232)
  EXPECT_EQ(C().baudrate.selection, 7);     // COM1's code 8
  EXPECT_FALSE(C().mode.enabled);
  EXPECT_EQ(ui.messages, Strings{text::kRs232Configuration});
  EXPECT_EQ(Basic().SerialMask(), 0x80000000u);

  ui.messages.clear();
  Basic().OnComProtocolChanged(0);
  EXPECT_EQ(C().comProtocol.selection, 2);
  Basic().OnComProtocolChanged(1);
  EXPECT_EQ(C().comProtocol.selection, 2);
  Basic().OnComProtocolChanged(3);
  EXPECT_EQ(C().comProtocol.selection, 2);
  EXPECT_EQ(ui.messages,
            (Strings{text::kDualModeNoModbus, text::kDualModeNoModbus, text::kDualModeNoCom2}));

  ASSERT_TRUE(Basic().OnApply());
  EXPECT_EQ(Word(WriteBody(kSerialBlock), 36 + 12),
            comconfig::kSerialDeviceServer | comconfig::kUserDefineCom1 | 0x0006);
}

TEST_F(BasicHandlers, OnlyCom1ProtocolsWarnAndTheRefusalNeedsFirmwareThatKnowsTheServer) {
  SetFirmware(0x0154);
  SetComConfig(kComConfig | comconfig::kSerialDeviceServer);
  Open();
  Basic().OnComProtocolChanged(3);
  EXPECT_TRUE(ui.messages.empty());
  Basic().OnComProtocolChanged(2);
  Basic().OnComProtocolChanged(0);
  EXPECT_EQ(C().comProtocol.selection, 0);
  EXPECT_EQ(ui.messages, (Strings{text::kRs232Configuration, text::kRs232Configuration}));
}

TEST_F(BasicHandlers, RtuWithModbusForcesDataLength8) {
  Open();
  ASSERT_EQ(C().dataLength.selection, 0);
  Basic().OnModeChanged(1);
  EXPECT_EQ(C().dataLength.selection, 1);
  EXPECT_FALSE(C().dataLength.enabled);
  Basic().OnModeChanged(0);
  EXPECT_EQ(C().dataLength.selection, 1);
  EXPECT_TRUE(C().dataLength.enabled);
}

// The ComConfig and BaudCodes words written after the changes of a case.
struct WordCase {
  const char* what;
  std::uint16_t loaded;
  void (*change)(PageFixture&);
  std::uint16_t comConfig, baudCodes;
  friend void PrintTo(const WordCase& c, std::ostream* os) { *os << c.what; }
};
using comconfig::kModeRtu;
const WordCase kWordCases[] = {
    {"COM2's code changes, COM1's is kept", comconfig::kModbusCom1,
     [](PageFixture& f) {
       EXPECT_EQ(f.C().baudrate.selection, 7);  // COM1's code 8
       f.Basic().OnBaudrateChanged(11);         // 115200 for COM1, lost by the switch
       f.Basic().OnComProtocolChanged(1);
       EXPECT_EQ(f.C().baudrate.selection, 9);  // COM2's code 10
       f.Basic().OnBaudrateChanged(3);          // 600
     },
     0x0000, 0x0408},
    {"COM1's code changes, COM2's is kept", kComConfig,
     [](PageFixture& f) {
       f.Basic().OnComProtocolChanged(2);
       EXPECT_EQ(f.C().baudrate.selection, 7);
       f.Basic().OnBaudrateChanged(11);
     },
     comconfig::kUserDefineCom1 | 0x0006, 0x0A0C},
    {"Modbus RTU sends 8 data bits though the record held 7", kModeRtu | 0x0006,
     [](PageFixture& f) {
       EXPECT_EQ(f.C().dataLength.selection, 0);
       EXPECT_FALSE(f.C().dataLength.enabled);
       EXPECT_TRUE(f.C().mode.enabled);
       f.Basic().OnStationAddressChanged("18");
     },
     kModeRtu | 0x0007, kBaudCodes},
    {"User Define keeps the data length shown", comconfig::kUserDefineCom2 | kModeRtu | 0x0006,
     [](PageFixture& f) { f.Basic().OnStationAddressChanged("18"); },
     comconfig::kUserDefineCom2 | kModeRtu | 0x0006, kBaudCodes},
};

struct WrittenWords : PageFixture, ::testing::WithParamInterface<WordCase> {};

TEST_P(WrittenWords, FollowTheChanges) {
  SetComConfig(GetParam().loaded);
  Open();
  GetParam().change(*this);
  ASSERT_TRUE(Basic().OnApply());
  const auto body = WriteBody(kSerialBlock);
  EXPECT_EQ(Word(body, 36 + 12), GetParam().comConfig);
  EXPECT_EQ(Word(body, 36 + 14), GetParam().baudCodes);
}

INSTANTIATE_TEST_SUITE_P(Cases, WrittenWords, ::testing::ValuesIn(kWordCases));

TEST_F(BasicHandlers, StationOutsideItsRangeIsPutBackWhenItLosesTheFocus) {
  Open();
  for (const char* typed : {"0", "248", "abc", ""}) {
    SCOPED_TRACE(typed);
    ui.messages.clear();
    Basic().OnStationAddressChanged(typed);
    Basic().OnStationAddressFocusLost();
    EXPECT_EQ(ui.messages, Strings{text::kStationRange});
    EXPECT_EQ(C().stationAddress.text, "17");
    EXPECT_EQ(C().stationSpin.position, 17);
  }
  ui.messages.clear();
  Basic().OnStationAddressChanged("247");
  Basic().OnStationAddressFocusLost();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(C().stationAddress.text, "247");
  EXPECT_EQ(C().stationSpin.position, 247);
}

}  // namespace
}  // namespace gw::pages::test
