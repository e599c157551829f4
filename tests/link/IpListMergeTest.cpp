// The IP list file after a search: new addresses appended behind the known
// ones, all in one write of the file.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>

#include "link/CommSettings.h"
#include "model/BlockTable.h"
#include "model/ByteOrder.h"

namespace gw {
namespace {

class IpListMerge : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/gw-iplist-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    folder = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }

  // Nodes with these addresses (host order), in this order.
  static void Fill(NodeTable& nodes, const std::vector<std::uint32_t>& addresses) {
    nodes.SetCount(static_cast<int>(addresses.size()));
    for (std::size_t i = 0; i < addresses.size(); ++i) {
      StoreBE32(nodes.Node(static_cast<int>(i)).Block(kBlocks[0]), net::IpAddress, addresses[i]);
    }
  }
  // Runs `merge` and counts the inotify events of `mask` in the folder whose
  // file name starts with `prefix`.
  int CountEvents(std::uint32_t mask, const std::string& prefix,
                  const std::function<void()>& merge) const {
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    // Closes are watched too: inotify folds repeated identical events into
    // one, and an open is never repeated right after an open then.
    if (watch < 0 || ::inotify_add_watch(watch, folder.c_str(), mask | IN_CLOSE) < 0) {
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
        if ((event.mask & mask) != 0 && event.len > 0 && std::string(name).rfind(prefix, 0) == 0) {
          ++count;
        }
        at += static_cast<ssize_t>(sizeof event + event.len);
      }
    }
    ::close(watch);
    return count;
  }
  std::string Read() const {
    std::ifstream in(folder / "IPList.ini");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::filesystem::path folder;
};

TEST_F(IpListMerge, NewAddressesAreAppendedKnownOnesKept) {
  CommSettings settings(folder.string());
  NodeTable nodes;
  Fill(nodes, {0x7F010001, 0x7F010002, 0x7F010001});
  settings.MergeIpList(nodes);
  EXPECT_EQ(Read(), "[IPList]\nIPCount=2\nIP1=127.1.0.1\nIP2=127.1.0.2\n");

  Fill(nodes, {0x7F010003, 0x7F010002});
  settings.MergeIpList(nodes);
  EXPECT_EQ(Read(), "[IPList]\nIPCount=3\nIP1=127.1.0.1\nIP2=127.1.0.2\nIP3=127.1.0.3\n");

  // No nodes: the list is written as it was.
  nodes.SetCount(0);
  settings.MergeIpList(nodes);
  EXPECT_EQ(Read(), "[IPList]\nIPCount=3\nIP1=127.1.0.1\nIP2=127.1.0.2\nIP3=127.1.0.3\n");
}

TEST_F(IpListMerge, AFullSearchWritesTheFileOnceAndASecondReadsItInOneGo) {
  CommSettings settings(folder.string());
  NodeTable nodes;
  std::vector<std::uint32_t> addresses;
  for (std::uint32_t i = 1; i <= NodeTable::kSearchLimit; ++i) addresses.push_back(0x7F010000 + i);
  Fill(nodes, addresses);
  // Each write makes a new file ".IPList.ini.*" beside the list and renames
  // it over the list.
  EXPECT_EQ(CountEvents(IN_CREATE, ".IPList.ini", [&] { settings.MergeIpList(nodes); }), 1);
  const std::string text = Read();
  EXPECT_NE(text.find("IPCount=253\n"), std::string::npos);
  EXPECT_NE(text.find("IP253=127.1.0.253\n"), std::string::npos);

  // The same modules again: the count, the list and the write each open it once.
  EXPECT_LE(CountEvents(IN_OPEN, "IPList.ini", [&] { settings.MergeIpList(nodes); }), 3);
  EXPECT_EQ(Read(), text);
}

}  // namespace
}  // namespace gw
