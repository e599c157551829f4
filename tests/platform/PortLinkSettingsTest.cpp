// The communication settings PortLink keeps in PortLink.ini.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
  std::string Ini() const { return home.ReadConfigFile("PortLink.ini"); }
  ino_t IniInode() const {
    struct stat info {};
    return ::stat((home.ConfigDir() / "PortLink.ini").c_str(), &info) == 0 ? info.st_ino : 0;
  }
};

TEST_F(PortLinkSettingsTest, DefaultsWithoutAFileOrForUnusableValues) {
  for (const char* ini : {"", "[PortLink]\nCommType=serial\nCOMPort=-4\nRemoteIP=10.0.0\n"}) {
    SCOPED_TRACE(ini);
    if (*ini != '\0') home.WritePortLinkIni(ini);
    EXPECT_EQ(api.GetCommType(), kCommEthernet);
    EXPECT_EQ(api.GetCOMPortNum(), 1);
    EXPECT_EQ(api.GetRemoteIPAddr(), 0xFFFFFFFFU);
    EXPECT_EQ(Device(1), "/dev/ttyS0");
    EXPECT_EQ(Device(3), "/dev/ttyS2");
    EXPECT_EQ(Device(0), "<none>");
    EXPECT_EQ(std::filesystem::exists(home.ConfigDir()), *ini != '\0');
  }
}

TEST_F(PortLinkSettingsTest, SetWritesTheFileAndKeepsWhatElseIsThere) {
  home.WritePortLinkIni("; edited by hand\n[COMPorts]\nCOM2=/dev/ttyUSB0\n");
  api.SetCommType(kCommSerial);
  api.SetCOMPortNum(2);
  EXPECT_EQ(api.GetCommType(), kCommSerial);
  EXPECT_EQ(api.GetCOMPortNum(), 2);
  EXPECT_EQ(Device(2), "/dev/ttyUSB0");
  for (const char* line : {"; edited by hand", "CommType=0\n", "COMPort=2\n"}) {
    EXPECT_NE(Ini().find(line), std::string::npos) << line;
  }
  // Comm type 2 is neither link, but it is the host's to set.
  api.SetCommType(2);
  EXPECT_EQ(api.GetCommType(), 2);
}

// The remote address goes in in network order and comes out in host order.
// Setting a value PortLink.ini holds already leaves the file alone (every
// search sets the remote address again).
TEST_F(PortLinkSettingsTest, RemoteAddressIsWrittenOnlyWhenItChanges) {
  home.WritePortLinkIni("[PortLink]\nCommType=1\nRemoteIP=127.0.0.9\n");
  const ino_t before = IniInode();
  ASSERT_NE(before, 0u);
  api.SetRemoteIPAddr(htonl(0x7F000009U));
  api.SetCommType(kCommEthernet);
  EXPECT_EQ(IniInode(), before);  // an atomic rewrite would bring a new file

  api.SetRemoteIPAddr(htonl(0xC0A80105U));
  EXPECT_NE(IniInode(), before);
  EXPECT_EQ(api.GetRemoteIPAddr(), 0xC0A80105U);
  EXPECT_NE(Ini().find("RemoteIP=192.168.1.5\n"), std::string::npos);
}

TEST_F(PortLinkSettingsTest, ComPortOutsideTheRangeIsRefused) {
  api.SetCOMPortNum(3);
  api.ResetSerialErr();
  api.SetCOMPortNum(0);
  EXPECT_NE(api.GetLastSerialErr(), 0);
  api.SetCOMPortNum(256);
  EXPECT_EQ(api.GetCOMPortNum(), 3);
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
