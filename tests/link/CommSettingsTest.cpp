// The settings file and the IP list file: new addresses appended behind the
// known ones, all in one write of the file.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "link/CommSettings.h"
#include "platform/util/PrivateProfile.h"
#include "support/TestHome.h"

namespace gw {
namespace {

namespace fs = std::filesystem;

struct CommSettingsTest : ::testing::Test {
  test::TempHome home;
  CommSettings settings{home.ConfigDir().string()};
  NodeTable nodes;

  void WriteSettings(const std::string& text) const {
    fs::create_directories(home.ConfigDir());
    std::ofstream(home.ConfigDir() / "NXG4120-T.ini") << text;
  }
  // Nodes with these addresses (host order), in this order.
  void SetNodes(const std::vector<std::uint32_t>& addresses) {
    nodes.SetCount(static_cast<int>(addresses.size()));
    for (std::size_t i = 0; i < addresses.size(); ++i) {
      StoreBE32(nodes.Node(static_cast<int>(i)).Block(0), net::IpAddress, addresses[i]);
    }
  }
  void Merge(const std::vector<std::uint32_t>& addresses) {
    SetNodes(addresses);
    settings.MergeIpList(nodes);
  }
  std::string IpList() const { return home.ReadConfigFile("IPList.ini"); }
  void SetEntry(const std::string& key, const std::string& value) const {
    platform::WritePrivateProfileString("IPList", key, value, settings.IpListPath());
  }
  // Runs `merge` and counts the inotify events of `mask` in the folder whose
  // file name starts with `prefix`.
  int CountEvents(std::uint32_t mask, const std::string& prefix,
                  const std::function<void()>& merge) const {
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    // Closes are watched too: inotify folds repeated identical events into
    // one, and an open is never repeated right after an open then.
    if (watch < 0 || ::inotify_add_watch(watch, home.ConfigDir().c_str(), mask | IN_CLOSE) < 0) {
      ADD_FAILURE() << "no inotify";
      return -1;
    }
    merge();
    int count = 0;
    std::vector<char> events(1 << 20);
    for (ssize_t got; (got = ::read(watch, events.data(), events.size())) > 0;) {
      for (ssize_t at = 0; at < got;) {
        inotify_event event{};
        std::memcpy(&event, events.data() + at, sizeof event);
        const char* name = events.data() + at + sizeof event;
        if ((event.mask & mask) != 0 && event.len > 0 && std::string(name).starts_with(prefix)) {
          ++count;
        }
        at += static_cast<ssize_t>(sizeof event + event.len);
      }
    }
    ::close(watch);
    return count;
  }
};

TEST_F(CommSettingsTest, RemoteAddressInEitherSignedFormAndDefaults) {
  EXPECT_EQ(settings.LoadRemoteAddress(), 0xFFFFFFFFu);  // no file
  EXPECT_TRUE(fs::is_directory(home.ConfigDir()));       // the folder is made
  const std::pair<std::string, std::uint32_t> cases[] = {
      {"[CommConf]\nIPAddress=3232235781\n", 0xC0A80105u},
      {"[commconf]\nipaddress=-1062731515\n", 0xC0A80105u},
      {"[CommConf]\nIPAddress=-1\n", 0xFFFFFFFFu},
      {"[CommConf]\nOther=1\n", 0xFFFFFFFFu},
      // Only the first 64 characters count.
      {"[CommConf]\nIPAddress=" + std::string(62, '0') + "12345\n", 12u}};
  for (const auto& [text, address] : cases) {
    WriteSettings(text);
    EXPECT_EQ(settings.LoadRemoteAddress(), address) << text;
  }
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

TEST_F(CommSettingsTest, NewAddressesAreAppendedKnownOnesKept) {
  Merge({});
  EXPECT_EQ(IpList(), "[IPList]\nIPCount=0\n");
  Merge({0x7F010001, 0x7F010002, 0x7F010001});
  EXPECT_EQ(IpList(), "[IPList]\nIPCount=2\nIP1=127.1.0.1\nIP2=127.1.0.2\n");
  Merge({0x7F010003, 0x7F010002});
  const std::string three = "[IPList]\nIPCount=3\nIP1=127.1.0.1\nIP2=127.1.0.2\nIP3=127.1.0.3\n";
  EXPECT_EQ(IpList(), three);
  Merge({});  // the list is written as it was
  EXPECT_EQ(IpList(), three);
}

// A bad entry converts to 255.255.255.255; a damaged count is taken from the
// keys the list holds, so no intact entry is ever overwritten.
TEST_F(CommSettingsTest, BadEntriesMatchAllOnesAndADamagedCountIsRecoveredFromTheKeys) {
  const std::string two = "IP1=10.0.0.1\nIP2=10.0.0.2\n";
  const struct {
    std::string list;
    std::vector<std::uint32_t> nodes;
    std::string after;
  } cases[] = {
      {"IPCount=1\nIP1=garbage\n", {0xFFFFFFFF}, "IPCount=1\nIP1=garbage\n"},
      {"IPCount=2147483647\n" + two,
       {0x0A000001, 0x0A000009},
       "IPCount=3\n" + two + "IP3=10.0.0.9\n"},
      {"IPCount=-5\n" + two, {0x0A000009}, "IPCount=3\n" + two + "IP3=10.0.0.9\n"},
      {"IPCount=many\n" + two, {0x0A000009}, "IPCount=3\n" + two + "IP3=10.0.0.9\n"},
      {"IPCount=1\n" + two, {0x0A000009}, "IPCount=3\n" + two + "IP3=10.0.0.9\n"},
      {"IPCount=3\nIP1=10.0.0.1\nIP3=10.0.0.3\n",
       {0x0A000002},
       "IPCount=4\nIP1=10.0.0.1\nIP3=10.0.0.3\nIP4=10.0.0.2\n"},
      {"IP1=10.0.0.1\nip2000000000=10.0.0.2\n",
       {0x0A000009},
       "IP1=10.0.0.1\nip2000000000=10.0.0.2\nIPCount=2000000001\nIP2000000001=10.0.0.9\n"},
  };
  fs::create_directories(home.ConfigDir());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.list);
    std::ofstream(settings.IpListPath()) << "[IPList]\n" << c.list;
    Merge(c.nodes);
    EXPECT_EQ(IpList(), "[IPList]\n" + c.after);
  }
}

// A list that cannot be read whole, or that its owner made read-only, stays
// as it is.
TEST_F(CommSettingsTest, AListThatCannotBeRewrittenWholeIsLeftAsItIs) {
  fs::create_directories(home.ConfigDir());
  const std::string damaged[] = {
      std::string("[IPList]\nIPCount=1\n; note\0\nIP1=10.0.0.1\n", 40),
      "[IPList]\nIPCount=1\nIP1=10.0.0.1\n10.0.0.7\n",
      "[IPList]\nIPCount=1\nIP1=10.0.0.1\n",
  };
  for (const std::string& text : damaged) {
    SCOPED_TRACE(text);
    std::ofstream(settings.IpListPath()) << text;
    const bool readOnly = &text == &damaged[2];
    if (readOnly) fs::permissions(settings.IpListPath(), fs::perms::owner_read);
    Merge({0x0A000009});
    EXPECT_EQ(IpList(), text);
    fs::permissions(settings.IpListPath(), fs::perms::owner_read | fs::perms::owner_write);
  }
}

TEST_F(CommSettingsTest, AFolderThatCannotBeMadeIsSkippedSilently) {
  std::ofstream(home.Root() / "file") << "x";
  CommSettings blocked((home.Root() / "file" / "Config").string());
  EXPECT_EQ(blocked.LoadRemoteAddress(), 0xFFFFFFFFu);
  SetNodes({0x0A000001});
  blocked.MergeIpList(nodes);  // nothing to see, nothing thrown
  EXPECT_FALSE(fs::exists(home.Root() / "file" / "Config"));
}

TEST_F(CommSettingsTest, AFullSearchWritesTheFileOnceAndASecondReadsItInOneGo) {
  std::vector<std::uint32_t> addresses;
  for (std::uint32_t i = 1; i <= NodeTable::kSearchLimit; ++i) addresses.push_back(0x7F010000 + i);
  SetNodes(addresses);
  fs::create_directories(home.ConfigDir());
  // Each write makes a new file ".IPList.ini.*" beside the list and renames
  // it over the list.
  EXPECT_EQ(CountEvents(IN_CREATE, ".IPList.ini", [&] { settings.MergeIpList(nodes); }), 1);
  const std::string text = IpList();
  EXPECT_NE(text.find("IPCount=253\n"), std::string::npos);
  EXPECT_NE(text.find("IP253=127.1.0.253\n"), std::string::npos);

  // The same modules again: the count, the list and the write each open it once.
  EXPECT_LE(CountEvents(IN_OPEN, "IPList.ini", [&] { settings.MergeIpList(nodes); }), 3);
  EXPECT_EQ(IpList(), text);
}

}  // namespace
}  // namespace gw
