// The private profile wrapper: Windows profile behaviour over SimpleIni.
#include "platform/util/PrivateProfile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "PlatformFixtures.h"

namespace gw::platform {
namespace {

std::string WithoutBlankLines(const std::string& text) {
  std::string out;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty()) out += line + "\n";
  }
  return out;
}

using Entries = std::vector<std::pair<std::string, std::string>>;

class PrivateProfileTest : public ::testing::Test {
 protected:
  test::TempHome home;
  std::filesystem::path file = home.ConfigDir() / "Settings.ini";

  PrivateProfileTest() { std::filesystem::create_directories(home.ConfigDir()); }

  void Write(const std::string& text) { std::ofstream(file) << text; }
  std::string Read() const { return home.ReadConfigFile("Settings.ini"); }
};

TEST_F(PrivateProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
  EXPECT_EQ(GetPrivateProfileString("CommConf", "IPAddress", "none", file), "none");
  EXPECT_EQ(GetPrivateProfileInt("CommConf", "IPAddress", -1, file), -1);
  EXPECT_FALSE(std::filesystem::exists(file));

  Write("[CommConf]\nIPAddress=5\n");
  EXPECT_EQ(GetPrivateProfileString("Other", "IPAddress", "none", file), "none");
  EXPECT_EQ(GetPrivateProfileString("CommConf", "Port", "none", file), "none");
  EXPECT_EQ(GetPrivateProfileInt("CommConf", "Port", 7, file), 7);
}

TEST_F(PrivateProfileTest, SectionsAndKeysMatchWithoutRegardToCase) {
  Write("[CommConf]\nIPAddress = 10.0.0.1 \n");
  EXPECT_EQ(GetPrivateProfileString("commconf", "ipaddress", "", file), "10.0.0.1");
  EXPECT_EQ(GetPrivateProfileString("COMMCONF", "IPADDRESS", "", file), "10.0.0.1");

  ASSERT_TRUE(WritePrivateProfileString("COMMCONF", "ipaddress", "10.0.0.2", file));
  EXPECT_EQ(Read(), "[CommConf]\nIPAddress=10.0.0.2\n");
}

// SimpleIni lays out blank lines its own way; every other line stays.
TEST_F(PrivateProfileTest, WriteKeepsCommentsOtherKeysAndSections) {
  Write(
      "; settings of the tool\n"
      "\n"
      "[First]\n"
      "; the address\n"
      "Address=1\n"
      "Name=alpha beta\n"
      "\n"
      "; second section\n"
      "[Second]\n"
      "Count=3\n");
  ASSERT_TRUE(WritePrivateProfileString("First", "Address", "2", file));
  ASSERT_TRUE(WritePrivateProfileString("Second", "Added", "x y", file));
  ASSERT_TRUE(WritePrivateProfileString("Third", "New", "", file));
  EXPECT_EQ(WithoutBlankLines(Read()),
            "; settings of the tool\n"
            "[First]\n"
            "; the address\n"
            "Address=2\n"
            "Name=alpha beta\n"
            "; second section\n"
            "[Second]\n"
            "Count=3\n"
            "Added=x y\n"
            "[Third]\n"
            "New=\n");
  EXPECT_EQ(GetPrivateProfileString("Third", "New", "default", file), "");

  // The layout settles: writing again changes only the value.
  const std::string settled = Read();
  ASSERT_TRUE(WritePrivateProfileString("First", "Address", "2", file));
  EXPECT_EQ(Read(), settled);
}

// A file read whole keeps every line through a write: a UTF-8 signature,
// Windows line ends, comments before the first section and after the last key.
TEST_F(PrivateProfileTest, AFileReadWholeKeepsEveryLineThroughAWrite) {
  const struct {
    std::string text;
    std::string after;
  } cases[] = {
      {"\xEF\xBB\xBF[A]\r\nB=1\r\n", "\xEF\xBB\xBF[A]\nB=2\n"},
      {"; top\n[A]\n; before B\nB = 1\n; COM3=/dev/ttyUSB2\n; last\n",
       "; top\n[A]\n; before B\nB=2\n; COM3=/dev/ttyUSB2\n; last\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    Write(c.text);
    ASSERT_TRUE(WritePrivateProfileString("A", "B", "2", file));
    EXPECT_EQ(WithoutBlankLines(Read()), c.after);
  }
}

TEST_F(PrivateProfileTest, WritesCreateTheFileWithoutSpacesAroundTheEqualsSign) {
  ASSERT_TRUE(WritePrivateProfileString("IPList", "IPCount", "0", file));
  ASSERT_TRUE(WritePrivateProfileString("IPList", "IP1", "10.0.0.1", file));
  EXPECT_EQ(Read(), "[IPList]\nIPCount=0\nIP1=10.0.0.1\n");
  // Several keys at once go in in the order given, as single writes would put them.
  std::filesystem::remove(file);
  ASSERT_TRUE(WritePrivateProfileStrings(
      "IPList",
      Entries{{"IPCount", "0"}, {"IP1", "10.0.0.1"}, {"IP2", "10.0.0.2"}, {"IPCount", "2"}}, file));
  EXPECT_EQ(Read(), "[IPList]\nIPCount=2\nIP1=10.0.0.1\nIP2=10.0.0.2\n");
  ASSERT_TRUE(
      WritePrivateProfileStrings("iplist", Entries{{"IP3", "10.0.0.3"}, {"ipcount", "3"}}, file));
  EXPECT_EQ(Read(), "[IPList]\nIPCount=3\nIP1=10.0.0.1\nIP2=10.0.0.2\nIP3=10.0.0.3\n");
}

TEST_F(PrivateProfileTest, IntegersReadTheirLeadingDigitsAndWrapLikeWindows) {
  Write(
      "[N]\nPlain=42\nNegative=-1\nUnsigned=3232235781\nSigned=-1062731515\n"
      "Trailing=12abc\nText=abc\nEmpty=\n");
  EXPECT_EQ(GetPrivateProfileInt("N", "Plain", 0, file), 42);
  EXPECT_EQ(GetPrivateProfileInt("N", "Negative", 0, file), -1);
  EXPECT_EQ(static_cast<std::uint32_t>(GetPrivateProfileInt("N", "Unsigned", 0, file)),
            0xC0A80105U);
  EXPECT_EQ(static_cast<std::uint32_t>(GetPrivateProfileInt("N", "Signed", 0, file)), 0xC0A80105U);
  EXPECT_EQ(GetPrivateProfileInt("N", "Trailing", 0, file), 12);
  EXPECT_EQ(GetPrivateProfileInt("N", "Text", 9, file), 0);
  EXPECT_EQ(GetPrivateProfileInt("N", "Empty", 9, file), 9);
}

TEST_F(PrivateProfileTest, RefusesWhatCannotBeAProfileLineAndLeavesTheFile) {
  Write("[A]\nB=1\n");
  EXPECT_FALSE(WritePrivateProfileString("A", "B", "1\n[Injected]\nC=2", file));
  EXPECT_FALSE(WritePrivateProfileString("A", "B=C", "1", file));
  EXPECT_FALSE(WritePrivateProfileString("A", ";B", "1", file));
  EXPECT_FALSE(WritePrivateProfileString("A]", "B", "1", file));
  EXPECT_FALSE(WritePrivateProfileString("", "B", "1", file));
  EXPECT_FALSE(WritePrivateProfileString("A", "", "1", file));
  // One bad entry among several refuses them all.
  EXPECT_FALSE(WritePrivateProfileStrings("A", Entries{{"C", "1"}, {"B=2", "2"}}, file));
  EXPECT_FALSE(WritePrivateProfileStrings("A", Entries{{"C", "a\nb"}}, file));
  EXPECT_FALSE(WritePrivateProfileStrings("A]", Entries{{"C", "x"}}, file));
  EXPECT_EQ(Read(), "[A]\nB=1\n");
}

TEST_F(PrivateProfileTest, WriteFailsWhenTheFolderIsMissingAndLeavesNoTemporaryFile) {
  const auto missing = home.Root() / "absent" / "Settings.ini";
  EXPECT_FALSE(WritePrivateProfileString("A", "B", "1", missing));
  EXPECT_FALSE(std::filesystem::exists(missing));
  ASSERT_TRUE(WritePrivateProfileString("A", "B", "1", file));
  ASSERT_TRUE(WritePrivateProfileString("A", "B", "2", file));
  EXPECT_EQ(test::EntryCount(home.ConfigDir()), 1);
}

TEST_F(PrivateProfileTest, DeletesKeysAndSections) {
  Write("[A]\nB=1\nC=2\n[D]\nE=3\n");
  ASSERT_TRUE(DeletePrivateProfileKey("a", "b", file));
  ASSERT_TRUE(DeletePrivateProfileSection("d", file));
  ASSERT_TRUE(DeletePrivateProfileKey("A", "Absent", file));
  EXPECT_EQ(Read(), "[A]\nC=2\n");
}

TEST_F(PrivateProfileTest, ManyKeysReadAsOneByOne) {
  Write("[IPList]\nIPCount = 3\nip1=127.1.0.1\nIP3=  x \n[Other]\nIP2=y\n");
  const std::vector<std::string> keys = {"IPCount", "IP1", "IP2", "IP3", "IP4"};
  const std::vector<std::string> values = GetPrivateProfileStrings("iplist", keys, "-", file);
  EXPECT_EQ(values, (std::vector<std::string>{"3", "127.1.0.1", "-", "x", "-"}));
  for (std::size_t i = 0; i < keys.size() && i < values.size(); ++i) {
    EXPECT_EQ(values[i], GetPrivateProfileString("iplist", keys[i], "-", file)) << keys[i];
  }
  std::filesystem::remove(file);
  EXPECT_EQ(GetPrivateProfileStrings("IPList", {"IP1", "IP2"}, "-", file),
            (std::vector<std::string>{"-", "-"}));
  EXPECT_TRUE(GetPrivateProfileStrings("IPList", {}, "-", file).empty());
}

}  // namespace
}  // namespace gw::platform
