// The communication settings PortLink keeps in PortLink.ini.
#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <array>

#include "PlatformFixtures.h"

namespace gw::test {
namespace {

class PortLinkSettingsTest : public ::testing::Test {
 protected:
  TempHome home;
  PortLinkApi& api = PortLink();

  std::string Device(int port) {
    std::array<char, 64> path{};
    const int length = PortLinkMore().GetCOMPortDevice(port, path.data(), 64);
    return length < 0 ? "<none>" : std::string(path.data());
  }
};

TEST_F(PortLinkSettingsTest, DefaultsWithoutAFile) {
  EXPECT_EQ(api.GetCommType(), kCommEthernet);
  EXPECT_EQ(api.GetCOMPortNum(), 1);
  EXPECT_EQ(api.GetRemoteIPAddr(), 0xFFFFFFFFU);
  EXPECT_EQ(Device(1), "/dev/ttyS0");
  EXPECT_EQ(Device(3), "/dev/ttyS2");
  EXPECT_EQ(Device(0), "<none>");
  EXPECT_FALSE(std::filesystem::exists(home.ConfigDir()));
}

TEST_F(PortLinkSettingsTest, RemoteAddressGoesInInNetworkOrderAndComesOutInHostOrder) {
  api.SetRemoteIPAddr(htonl(0xC0A80105U));
  EXPECT_EQ(api.GetRemoteIPAddr(), 0xC0A80105U);
  EXPECT_NE(home.ReadConfigFile("PortLink.ini").find("RemoteIP=192.168.1.5\n"),
            std::string::npos);
}

TEST_F(PortLinkSettingsTest, SetWritesTheFileAndKeepsWhatElseIsThere) {
  home.WritePortLinkIni("; edited by hand\n[COMPorts]\nCOM2=/dev/ttyUSB0\n");
  api.SetCommType(kCommSerial);
  api.SetCOMPortNum(2);
  EXPECT_EQ(api.GetCommType(), kCommSerial);
  EXPECT_EQ(api.GetCOMPortNum(), 2);
  EXPECT_EQ(Device(2), "/dev/ttyUSB0");
  const std::string text = home.ReadConfigFile("PortLink.ini");
  EXPECT_NE(text.find("; edited by hand"), std::string::npos);
  EXPECT_NE(text.find("CommType=0\n"), std::string::npos);
  EXPECT_NE(text.find("COMPort=2\n"), std::string::npos);

  // Comm type 2 is neither link, but it is the host's to set.
  api.SetCommType(2);
  EXPECT_EQ(api.GetCommType(), 2);
}

TEST_F(PortLinkSettingsTest, ComPortOutsideTheRangeIsRefused) {
  api.SetCOMPortNum(3);
  api.ResetSerialErr();
  api.SetCOMPortNum(0);
  EXPECT_NE(api.GetLastSerialErr(), 0);
  api.SetCOMPortNum(256);
  EXPECT_EQ(api.GetCOMPortNum(), 3);
}

TEST_F(PortLinkSettingsTest, UnusableValuesGiveTheDefaults) {
  home.WritePortLinkIni(
      "[PortLink]\nCommType=serial\nCOMPort=-4\nRemoteIP=10.0.0\nModbusTCPPort=99999\n");
  EXPECT_EQ(api.GetCommType(), kCommEthernet);
  EXPECT_EQ(api.GetCOMPortNum(), 1);
  EXPECT_EQ(api.GetRemoteIPAddr(), 0xFFFFFFFFU);
}

TEST_F(PortLinkSettingsTest, ComDevicesCanBeNamed) {
  PortLinkMore().SetCOMPortDevice(4, "/dev/ttyACM0");
  EXPECT_EQ(Device(4), "/dev/ttyACM0");
  std::array<char, 6> small{};
  EXPECT_EQ(PortLinkMore().GetCOMPortDevice(4, small.data(), 6), 12);
  EXPECT_STREQ(small.data(), "/dev/");
}

TEST_F(PortLinkSettingsTest, SerializeDataRoundTrips) {
  std::array<std::uint8_t, 10240> buffer{};
  EXPECT_EQ(api.GetSerializeData(buffer.data()), 0);
  const Bytes data{1, 2, 3, 4, 5};
  EXPECT_EQ(api.SetSerializeData(data.data(), 5), 5);
  EXPECT_EQ(api.GetSerializeData(buffer.data()), 5);
  EXPECT_TRUE(std::equal(data.begin(), data.end(), buffer.begin()));
  const Bytes tooLong(10241, 7);
  EXPECT_EQ(api.SetSerializeData(tooLong.data(), 10241), -1);
  EXPECT_EQ(api.GetSerializeData(buffer.data()), 5);
}

}  // namespace
}  // namespace gw::test
