// The IP list file after a search: new addresses appended behind the known
// ones, all in one write of the file.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
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

TEST_F(IpListMerge, AFullSearchWritesTheFileOnce) {
  CommSettings settings(folder.string());
  NodeTable nodes;
  std::vector<std::uint32_t> addresses;
  for (std::uint32_t i = 1; i <= NodeTable::kSearchLimit; ++i) addresses.push_back(0x7F010000 + i);
  Fill(nodes, addresses);
  const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(watch, 0);
  ASSERT_GE(::inotify_add_watch(watch, folder.c_str(), IN_CREATE), 0);
  settings.MergeIpList(nodes);
  // Each write makes a new file beside the list and renames it over it.
  char events[65536];
  const ssize_t got = ::read(watch, events, sizeof events);
  ::close(watch);
  int written = 0;
  for (ssize_t at = 0; at < got;) {
    inotify_event event{};
    std::memcpy(&event, events + at, sizeof event);
    ++written;
    at += static_cast<ssize_t>(sizeof event + event.len);
  }
  EXPECT_EQ(written, 1);
  const std::string text = Read();
  EXPECT_NE(text.find("IPCount=253\n"), std::string::npos);
  EXPECT_NE(text.find("IP253=127.1.0.253\n"), std::string::npos);
}

}  // namespace
}  // namespace gw
