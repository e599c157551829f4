// The communication settings PortLink keeps in PortLink.ini.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <cerrno>

#include "PlatformFixtures.h"

namespace gw::test {
namespace {

class PortLinkIniTest : public ::testing::Test {
 protected:
  LinkHome home;
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

TEST_F(PortLinkIniTest, DefaultsWithoutAFileOrForUnusableValues) {
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

// What a search or an action sets stays in the process; only a save (the
// settings dialog, nxgcfg link) changes PortLink.ini, keeping what else it holds.
TEST_F(PortLinkIniTest, SetsApplyToThisProcessUntilSaved) {
  const std::string hand =
      "; edited by hand\n[PortLink]\nCommType=1\nRemoteIP=127.0.0.9\n"
      "[COMPorts]\nCOM2=/dev/ttyUSB0\n; COM3=/dev/ttyUSB2\n";
  home.WritePortLinkIni(hand);
  const ino_t before = IniInode();
  api.SetCommType(kCommSerial);
  api.SetCOMPortNum(2);
  api.SetRemoteIPAddr(htonl(0xC0A80105U));
  PortLinkMore().SetCOMPortDevice(4, "/dev/ttyACM0");
  EXPECT_EQ(api.GetCommType(), kCommSerial);
  EXPECT_EQ(api.GetCOMPortNum(), 2);
  EXPECT_EQ(api.GetRemoteIPAddr(), 0xC0A80105U);
  EXPECT_EQ(Device(2), "/dev/ttyUSB0");
  EXPECT_EQ(Device(4), "/dev/ttyACM0");
  EXPECT_EQ(Ini(), hand);

  ASSERT_EQ(PortLinkMore().SaveCommSettings(), 0);
  EXPECT_NE(IniInode(), before);
  for (const char* line :
       {"; edited by hand\n", "CommType=0\n", "COMPort=2\n", "RemoteIP=192.168.1.5\n",
        "COM2=/dev/ttyUSB0\n", "COM4=/dev/ttyACM0\n", "; COM3=/dev/ttyUSB2\n"}) {
    EXPECT_NE(Ini().find(line), std::string::npos) << line;
  }
  EXPECT_EQ(api.GetRemoteIPAddr(), 0xC0A80105U);
  // Comm type 2 is neither link, but it is the host's to set.
  api.SetCommType(2);
  EXPECT_EQ(api.GetCommType(), 2);
}

// A save of what the file holds already leaves it alone; one that would lose
// part of the file, or replace a file its owner made read-only, is refused
// and the file stays as it was, its values still read.
TEST_F(PortLinkIniTest, SaveLeavesAnUnchangedADamagedOrAReadOnlyFile) {
  home.WritePortLinkIni("[PortLink]\nCommType=1\nRemoteIP=127.0.0.9\n");
  const ino_t before = IniInode();
  api.SetRemoteIPAddr(htonl(0x7F000009U));
  EXPECT_EQ(PortLinkMore().SaveCommSettings(), 0);
  EXPECT_EQ(IniInode(), before);  // an atomic rewrite would bring a new file

  const std::string good = "[PortLink]\nCommType=0\nRemoteIP=127.0.0.9\n";
  const struct {
    std::string text;
    mode_t mode;
    int error;
  } cases[] = {
      {std::string("; a comment\0with a NUL\n", 23) + good, 0644, EBADMSG},
      {good + "garbage without an equals sign\n", 0644, EBADMSG},
      {good + "CommType=1\n", 0644, EBADMSG},  // the second would be lost
      {std::string("\xFF\xFE[\0P\0", 6), 0644, EBADMSG},
      {good, 0444, EACCES},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    home.WritePortLinkIni(c.text);
    ::chmod((home.ConfigDir() / "PortLink.ini").c_str(), c.mode);
    api.SetCOMPortNum(7);
    EXPECT_EQ(PortLinkMore().SaveCommSettings(), c.error);
    EXPECT_EQ(Ini(), c.text);
    EXPECT_EQ(api.GetCOMPortNum(), 7);  // still set for this run
    if (c.text.starts_with("\xFF")) continue;
    api.SetCommType(kCommEthernet);
    ASSERT_EQ(PortLinkMore().SaveCommSettings(), c.error);
    EXPECT_EQ(api.GetRemoteIPAddr(), 0x7F000009U);
    ::chmod((home.ConfigDir() / "PortLink.ini").c_str(), 0644);
  }
  std::filesystem::remove(home.ConfigDir() / "PortLink.ini");
}

TEST_F(PortLinkIniTest, ComPortOutsideTheRangeIsRefused) {
  api.SetCOMPortNum(3);
  api.ResetSerialErr();
  api.SetCOMPortNum(0);
  EXPECT_NE(api.GetLastSerialErr(), 0);
  api.SetCOMPortNum(256);
  EXPECT_EQ(api.GetCOMPortNum(), 3);
}

TEST_F(PortLinkIniTest, ComDevicesCanBeNamed) {
  PortLinkMore().SetCOMPortDevice(4, "/dev/ttyACM0");
  EXPECT_EQ(Device(4), "/dev/ttyACM0");
  api.ResetSerialErr();
  PortLinkMore().SetCOMPortDevice(5, "/dev/tty\n[PortLink]");
  EXPECT_EQ(api.GetLastSerialErr(), EINVAL);
  std::array<char, 6> small{};
  EXPECT_EQ(PortLinkMore().GetCOMPortDevice(4, small.data(), 6), 12);
  EXPECT_STREQ(small.data(), "/dev/");
}

TEST_F(PortLinkIniTest, SerializeDataRoundTrips) {
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
