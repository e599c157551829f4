// The settings file and the IP list file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "link/CommSettings.h"
#include "platform/util/PrivateProfile.h"
#include "support/Records.h"

namespace gw {
namespace {

namespace fs = std::filesystem;

struct CommSettingsTest : ::testing::Test {
  fs::path dir;
  NodeTable nodes;

  void SetUp() override {
    char pattern[] = "/tmp/gwsettings-XXXXXX";
    dir = ::mkdtemp(pattern);
  }
  void TearDown() override { fs::remove_all(dir); }

  CommSettings Settings() const { return CommSettings((dir / "Config").string()); }
  void WriteSettings(const std::string& text) const {
    fs::create_directories(dir / "Config");
    std::ofstream(dir / "Config" / "NXG4120-T.ini") << text;
  }
  void SetNodes(std::initializer_list<std::uint32_t> addresses) {
    nodes.SetCount(static_cast<int>(addresses.size()));
    int i = 0;
    for (std::uint32_t a : addresses) StoreBE32(nodes.Node(i++).Block(0), net::IpAddress, a);
  }
  std::string Entry(const std::string& key) const {
    return platform::GetPrivateProfileString("IPList", key, "<none>", Settings().IpListPath());
  }
};

TEST_F(CommSettingsTest, RemoteAddressInEitherSignedFormAndDefaults) {
  EXPECT_EQ(Settings().LoadRemoteAddress(), 0xFFFFFFFFu);  // no file
  EXPECT_TRUE(fs::is_directory(dir / "Config"));           // the folder is made

  WriteSettings("[CommConf]\nIPAddress=3232235781\n");
  EXPECT_EQ(Settings().LoadRemoteAddress(), 0xC0A80105u);
  WriteSettings("[commconf]\nipaddress=-1062731515\n");
  EXPECT_EQ(Settings().LoadRemoteAddress(), 0xC0A80105u);
  WriteSettings("[CommConf]\nIPAddress=-1\n");
  EXPECT_EQ(Settings().LoadRemoteAddress(), 0xFFFFFFFFu);
  WriteSettings("[CommConf]\nOther=1\n");
  EXPECT_EQ(Settings().LoadRemoteAddress(), 0xFFFFFFFFu);
  // Only the first 64 characters count.
  WriteSettings("[CommConf]\nIPAddress=" + std::string(62, '0') + "12345\n");
  EXPECT_EQ(Settings().LoadRemoteAddress(), 12u);
}

TEST(ProfileNumbers, AsAThirtyTwoBitConversion) {
  EXPECT_EQ(ParseProfileNumber("2130706433"), 0x7F000001u);
  EXPECT_EQ(ParseProfileNumber("-2"), 0xFFFFFFFEu);
  EXPECT_EQ(ParseProfileNumber("99999999999"), 0xFFFFFFFFu);
  EXPECT_EQ(ParseProfileNumber("12abc"), 12u);
  EXPECT_EQ(ParseProfileNumber("abc"), 0u);
  EXPECT_EQ(ParseDottedAddress("10.0.0.1"), 0x0A000001u);
  EXPECT_EQ(ParseDottedAddress("not an address"), 0xFFFFFFFFu);
  EXPECT_EQ(ParseDottedAddress(""), 0xFFFFFFFFu);
}

TEST_F(CommSettingsTest, IpListGrowsByNewAddressesOnly) {
  SetNodes({0x0A000001, 0x0A000002});
  Settings().MergeIpList(nodes);
  EXPECT_EQ(Entry("IPCount"), "2");
  EXPECT_EQ(Entry("IP1"), "10.0.0.1");
  EXPECT_EQ(Entry("IP2"), "10.0.0.2");

  // A second search finding 10.0.0.1 again and one new module.
  SetNodes({0x0A000003, 0x0A000001});
  Settings().MergeIpList(nodes);
  EXPECT_EQ(Entry("IPCount"), "3");
  EXPECT_EQ(Entry("IP1"), "10.0.0.1");
  EXPECT_EQ(Entry("IP3"), "10.0.0.3");
  EXPECT_EQ(Entry("IP4"), "<none>");
}

TEST_F(CommSettingsTest, EmptySearchWritesACountOfZeroAndBadEntriesMatchAllOnes) {
  nodes.SetCount(0);
  Settings().MergeIpList(nodes);
  EXPECT_EQ(Entry("IPCount"), "0");

  platform::WritePrivateProfileString("IPList", "IPCount", "1", Settings().IpListPath());
  platform::WritePrivateProfileString("IPList", "IP1", "garbage", Settings().IpListPath());
  SetNodes({0xFFFFFFFF});
  Settings().MergeIpList(nodes);
  EXPECT_EQ(Entry("IPCount"), "1");
}

TEST_F(CommSettingsTest, AFolderThatCannotBeMadeIsSkippedSilently) {
  std::ofstream(dir / "file") << "x";
  CommSettings blocked((dir / "file" / "Config").string());
  EXPECT_EQ(blocked.LoadRemoteAddress(), 0xFFFFFFFFu);
  SetNodes({0x0A000001});
  blocked.MergeIpList(nodes);  // nothing to see, nothing thrown
  EXPECT_FALSE(fs::exists(dir / "file" / "Config"));
}

}  // namespace
}  // namespace gw

namespace gw {
namespace {

TEST_F(CommSettingsTest, ADamagedCountDoesNotMakeTheMergeReadForever) {
  fs::create_directories(dir / "Config");
  platform::WritePrivateProfileString("IPList", "IPCount", "2000000000", Settings().IpListPath());
  platform::WritePrivateProfileString("IPList", "IP1", "10.0.0.1", Settings().IpListPath());
  SetNodes({0x0A000001, 0x0A000009});
  Settings().MergeIpList(nodes);
  EXPECT_EQ(Entry("IPCount"), "2000000001");
  EXPECT_EQ(Entry("IP2000000001"), "10.0.0.9");
}

}  // namespace
}  // namespace gw
