// Several keys of one section read with one read of the file, or set with one
// read and one write.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "PlatformFixtures.h"
#include "platform/util/PrivateProfile.h"

namespace gw::platform {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

class ProfileWriteManyTest : public ::testing::Test {
 protected:
  test::TempHome home;
  std::filesystem::path file = home.Root() / "IPList.ini";

  std::string Read() const {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
};

TEST_F(ProfileWriteManyTest, KeysGoInInTheOrderGivenAsSingleWritesWouldPutThem) {
  ASSERT_TRUE(WritePrivateProfileStrings(
      "IPList", Entries{{"IPCount", "0"}, {"IP1", "127.1.0.1"}, {"IP2", "127.1.0.2"},
                        {"IPCount", "2"}},
      file));
  EXPECT_EQ(Read(), "[IPList]\nIPCount=2\nIP1=127.1.0.1\nIP2=127.1.0.2\n");
  ASSERT_TRUE(WritePrivateProfileStrings("iplist", Entries{{"IP3", "127.1.0.3"}, {"ipcount", "3"}},
                                         file));
  EXPECT_EQ(Read(), "[IPList]\nIPCount=3\nIP1=127.1.0.1\nIP2=127.1.0.2\nIP3=127.1.0.3\n");
}

TEST_F(ProfileWriteManyTest, OneBadEntryLeavesTheFileAsItWas) {
  ASSERT_TRUE(WritePrivateProfileString("IPList", "IPCount", "0", file));
  EXPECT_FALSE(WritePrivateProfileStrings(
      "IPList", Entries{{"IP1", "127.1.0.1"}, {"IP=2", "127.1.0.2"}}, file));
  EXPECT_FALSE(WritePrivateProfileStrings("IPList", Entries{{"IP1", "a\nb"}}, file));
  EXPECT_FALSE(WritePrivateProfileStrings("IP]List", Entries{{"IP1", "x"}}, file));
  EXPECT_EQ(Read(), "[IPList]\nIPCount=0\n");
}

TEST_F(ProfileWriteManyTest, ManyKeysReadAsOneByOne) {
  std::ofstream(file) << "[IPList]\nIPCount = 3\nip1=127.1.0.1\nIP3=  x \n[Other]\nIP2=y\n";
  const std::vector<std::string> keys = {"IPCount", "IP1", "IP2", "IP3", "IP4"};
  const std::vector<std::string> values = GetPrivateProfileStrings("iplist", keys, "-", file);
  ASSERT_EQ(values.size(), keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(values[i], GetPrivateProfileString("iplist", keys[i], "-", file)) << keys[i];
  }
  EXPECT_EQ(values, (std::vector<std::string>{"3", "127.1.0.1", "-", "x", "-"}));
  std::filesystem::remove(file);
  EXPECT_EQ(GetPrivateProfileStrings("IPList", {"IP1", "IP2"}, "-", file),
            (std::vector<std::string>{"-", "-"}));
  EXPECT_TRUE(GetPrivateProfileStrings("IPList", {}, "-", file).empty());
}

}  // namespace
}  // namespace gw::platform
