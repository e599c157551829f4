// The Basic page's controls as loaded from the record: values, the firmware
// split, and the enable rules.
#include <gtest/gtest.h>

#include "link/RequestCodes.h"
#include "support/PageFixture.h"

namespace gw::pages::test {
namespace {

using BasicLoad = PageFixture;

std::vector<int> Fields(const AddressControl& a) {
  return {a.fields[0], a.fields[1], a.fields[2], a.fields[3]};
}

TEST_F(BasicLoad, FillsEveryControlFromTheRecord) {
  Open();
  EXPECT_EQ(C().moduleName.text, "Boiler house");
  EXPECT_EQ(C().moduleName.maxLength, 31u);
  EXPECT_EQ(C().ipConfiguration.items, (Strings{"Static", "DHCP"}));
  EXPECT_EQ(C().ipConfiguration.selection, 0);
  EXPECT_EQ(Fields(C().ipAddress), (std::vector<int>{192, 168, 1, 20}));
  EXPECT_EQ(C().netmask.Value(), kNetmask);
  EXPECT_EQ(C().gateway.Value(), kGateway);
  const auto& r = C().ipAddress.ranges;
  EXPECT_EQ((std::vector<int>{r[0].low, r[0].high, r[1].low, r[1].high, r[2].low, r[2].high,
                              r[3].low, r[3].high}),
            (std::vector<int>{1, 223, 0, 254, 0, 254, 1, 254}));
  EXPECT_FALSE(C().refresh.visible);

  EXPECT_EQ(C().comProtocol.selection, 1);  // Modbus COM2 (RS-485)
  EXPECT_EQ(C().comProtocol.items.at(3), "User Define COM2 (RS-485)");
  EXPECT_EQ(C().baudrate.items.size(), 12u);
  EXPECT_EQ(C().baudrate.selection, 9);  // COM2's code 10: 38400
  EXPECT_EQ(C().dataLength.selection, 0);
  EXPECT_EQ(C().parity.selection, 2);  // Even
  EXPECT_EQ(C().stopBits.selection, 0);
  EXPECT_EQ(C().mode.selection, 0);
  EXPECT_EQ(C().master.selection, 0);
  EXPECT_EQ(C().stationAddress.text, "17");
  EXPECT_EQ(C().stationAddress.maxLength, 3u);
  EXPECT_EQ((std::vector<int>{C().stationSpin.low, C().stationSpin.high, C().stationSpin.position}),
            (std::vector<int>{1, 247, 17}));
  EXPECT_EQ(C().keepAlive.text, "60");
  EXPECT_EQ(C().modbusTimeout.text, "1000");
  EXPECT_EQ(C().delayTime.text, "10");
  EXPECT_EQ(C().delayTime.maxLength, 5u);
  EXPECT_EQ(C().ipv6Address.inputMask, "####:####:####:####:####:####:####:####");

  EXPECT_EQ(Basic().NetworkMask(), 0u);
  EXPECT_EQ(Basic().SerialMask(), 0u);
  EXPECT_FALSE(Basic().IsModified());
}

TEST_F(BasicLoad, ParityFieldTwoLeavesTheSelectionAsItWas) {
  SetComConfig(0x0004);  // parity field 2
  Open();
  EXPECT_EQ(C().parity.selection, -1);
  EXPECT_EQ(C().dataLength.selection, 0);
}

TEST_F(BasicLoad, Firmware154HidesIpv6AndOffersTwoMasterEntries) {
  SetFirmware(0x0154);
  // The Serial Device Server bit means nothing to this firmware.
  SetComConfig(kComConfig | comconfig::kSerialDeviceServer);
  Open();
  EXPECT_FALSE(C().enableIpv6.visible);
  EXPECT_FALSE(C().ipv6Address.visible);
  EXPECT_EQ(C().master.items, (Strings{"Serial Master", "Serial Slave"}));
  EXPECT_EQ(C().master.selection, 0);

  Basic().OnMasterChanged(2);  // no such entry
  EXPECT_EQ(C().master.selection, 0);
  Basic().OnModuleNameChanged("Pump room");
  Basic().OnStationAddressChanged("18");
  ASSERT_TRUE(Basic().OnApply());
  const auto network = WriteBody(kNetworkBlock);
  EXPECT_EQ(Word(network, 36 + 62), 0);  // Ipv6Enable
  EXPECT_EQ(std::vector<std::uint8_t>(network.begin() + 36 + 64, network.end()),
            std::vector<std::uint8_t>(16, 0));
  EXPECT_EQ(Word(WriteBody(kSerialBlock), 36 + 12) & comconfig::kSerialDeviceServer, 0);
}

TEST_F(BasicLoad, Firmware155ShowsIpv6AndTheThirdMasterEntryOnlyOnce) {
  SetComConfig(kComConfig | comconfig::kSerialDeviceServer);
  StoreBE32(module.record.Block(kNetworkBlock), net::IpAddress, 0);  // offers Refresh
  Open();
  EXPECT_TRUE(C().enableIpv6.visible);
  EXPECT_TRUE(C().ipv6Address.visible);
  EXPECT_TRUE(C().enableIpv6.checked);
  EXPECT_EQ(C().ipv6Address.text, "FE80:0203:0405:0607:0809:0A0B:0C0D:0E0F");
  const Strings masters{"Serial Master", "Serial Slave", "Serial Device Server"};
  EXPECT_EQ(C().master.items, masters);
  EXPECT_EQ(C().master.selection, 2);

  // Apply, Refresh and the parameters-replaced query all load again.
  Basic().OnStationAddressChanged("18");
  ASSERT_TRUE(Basic().OnApply());
  EXPECT_EQ(C().master.items, masters);
  ASSERT_TRUE(C().refresh.visible);
  Basic().OnRefreshClicked();
  EXPECT_EQ(Sent(CmdReadBlock, kNetworkBlock).size(), 1u);
  EXPECT_EQ(C().master.items, masters);
  sheet->QuerySiblings();
  EXPECT_EQ(C().master.items, masters);
}

TEST_F(BasicLoad, DhcpDisablesTheThreeAddresses) {
  StoreBE16(module.record.Block(kNetworkBlock), net::IpConfiguration, 1);
  Open();
  EXPECT_FALSE(C().ipAddress.enabled);
  EXPECT_TRUE(C().ipConfiguration.enabled);
  Basic().OnIpConfigurationChanged(0);
  EXPECT_TRUE(C().ipAddress.enabled && C().netmask.enabled && C().gateway.enabled);
  Basic().OnIpConfigurationChanged(1);
  EXPECT_FALSE(C().ipAddress.enabled);
  EXPECT_FALSE(C().netmask.enabled);
  EXPECT_FALSE(C().gateway.enabled);
  // A disabled control reports nothing.
  Basic().OnIpAddressFieldChanged(3, 99);
  EXPECT_EQ(C().ipAddress.fields[3], 20);
}

TEST_F(BasicLoad, ModeOnlyForModbusAndDataLengthNotForModbusRtu) {
  SetComConfig(comconfig::kUserDefineCom2 | comconfig::kModeRtu);
  Open();
  EXPECT_EQ(C().comProtocol.selection, 3);
  EXPECT_EQ(C().mode.selection, 1);
  EXPECT_FALSE(C().mode.enabled);
  EXPECT_TRUE(C().dataLength.enabled);
  for (int protocol : {1, 3, 0}) {  // Modbus COM2, User Define COM2, Modbus COM1
    SCOPED_TRACE(protocol);
    Basic().OnComProtocolChanged(protocol);
    EXPECT_EQ(C().mode.enabled, protocol != 3);
    EXPECT_EQ(C().dataLength.enabled, protocol == 3);
  }
}

}  // namespace
}  // namespace gw::pages::test
