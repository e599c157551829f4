// Filling the node table from search, read and write replies.
#include <gtest/gtest.h>

#include "model/NodeTable.h"
#include "support/Records.h"

namespace gw {
namespace {

using test::ModuleHeader;

// A receive buffer: header, payload, zero padding to the transport's capacity.
std::vector<std::uint8_t> Reply(std::vector<std::uint8_t> header, std::size_t payload,
                                std::uint8_t fill) {
  header.resize(1536, 0);
  std::fill_n(header.begin() + hdr::kSize, payload, fill);
  return header;
}

class NodeTableTest : public ::testing::Test {
 protected:
  NodeTable table;

  void AddNode(std::uint8_t macTail, std::uint16_t number, std::uint16_t firmware = 0x0155) {
    const auto reply = Reply(ModuleHeader(macTail, number, firmware), 80, macTail);
    ASSERT_EQ(table.AppendFromSearchReply(reply, 116), 116);
  }
};

TEST_F(NodeTableTest, SearchRepliesBecomeNodesOncePerMacAndOnlyOfThisType) {
  EXPECT_EQ(table.Current(), -1);
  EXPECT_EQ(table.CurrentRecord(), nullptr);
  EXPECT_FALSE(table.SearchedOnce());
  AddNode(1, 10);
  EXPECT_EQ(table.Count(), 1);
  EXPECT_EQ(table.Node(0).ModuleNumber(), 10);
  EXPECT_EQ(table.Node(0).Block(0)[79], 1);

  // The same MAC again: counted as received, nothing added.
  const auto dup = Reply(ModuleHeader(1, 99), 80, 7);
  EXPECT_EQ(table.AppendFromSearchReply(dup, 116), 116);
  EXPECT_EQ(table.Count(), 1);
  EXPECT_EQ(table.Node(0).ModuleNumber(), 10);

  // Another module type: ignored.
  const auto foreign = Reply(ModuleHeader(2, 20, 0x0155, 0xF100), 80, 7);
  EXPECT_EQ(table.AppendFromSearchReply(foreign, 116), 116);
  EXPECT_EQ(table.Count(), 1);

  // Shorter than 98 bytes: refused.
  const auto shortReply = Reply(ModuleHeader(3, 30), 61, 7);
  EXPECT_EQ(table.AppendFromSearchReply(shortReply, 97), -1);
  EXPECT_EQ(table.Count(), 1);
}

TEST_F(NodeTableTest, SortByModuleNumberNumerically) {
  AddNode(1, 2);
  AddNode(2, 300);
  AddNode(3, 1);
  table.Node(1).SetSelected(1);
  table.SortNodes();
  table.ResetNodeFlags();
  EXPECT_EQ(table.Node(0).ModuleNumber(), 1);
  EXPECT_EQ(table.Node(1).ModuleNumber(), 2);
  EXPECT_EQ(table.Node(2).ModuleNumber(), 300);
  // Whole records move: the payload follows its header.
  EXPECT_EQ(table.Node(0).Block(0)[79], 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(table.Node(i).Selected(), 0u);
    EXPECT_EQ(table.Node(i).Online(), 1u);
  }
}

TEST(FirmwareNumber, FromTheFirmwareWord) {
  // The hexadecimal digits read as decimal ones; a letter ends the reading.
  const std::pair<std::uint16_t, int> cases[] = {{0x0154, 154}, {0x0155, 155}, {0x0210, 210},
                                                 {0x0100, 100}, {0x0057, 57},  {0x015A, 150},
                                                 {0x0A01, 0}};
  for (auto [word, number] : cases) EXPECT_EQ(FirmwareNumber(word), number) << std::hex << word;
  EXPECT_EQ(FirmwareText(0x0154), "1.54");
}

TEST_F(NodeTableTest, BlockRepliesHonourMinimumMacAndFirmware) {
  AddNode(1, 10, 0x0154);
  AddNode(2, 20, 0x0155);
  table.UpdateFirmwareNumber(0);
  table.UpdateFirmwareNumber(1);

  // Block 11: 167 bytes refused, 168 accepted with 128 bytes copied.
  table.SetCurrent(1);
  auto serial = Reply(ModuleHeader(2, 21, 0x0155), 132, 0x5A);
  const NodeRecord before = table.Node(1);
  EXPECT_EQ(table.StoreBlockReply(11, serial, 167), -1);
  EXPECT_EQ(table.Node(1), before);
  EXPECT_EQ(table.StoreBlockReply(11, serial, 168), 168);
  EXPECT_EQ(table.Node(1).ModuleNumber(), 21);  // header replaced
  for (auto b : table.Node(1).Block(11)) EXPECT_EQ(b, 0x5A);
  EXPECT_EQ(table.Node(1).Block(13)[0], 0);  // the next block untouched

  // Block 0 from firmware 1.55 fills all 80 bytes.
  auto network = Reply(ModuleHeader(2, 21, 0x0155), 80, 0x33);
  EXPECT_EQ(table.StoreBlockReply(0, network, 116), 116);
  EXPECT_EQ(table.Node(1).Block(0)[79], 0x33);

  // Firmware 1.54: 64 bytes, the IPv6 address cleared even when sent.
  table.SetCurrent(0);
  network = Reply(ModuleHeader(1, 10, 0x0154), 80, 0x44);
  EXPECT_EQ(table.StoreBlockReply(0, network, 116), 116);
  EXPECT_EQ(table.Node(0).Block(0)[63], 0x44);
  for (std::size_t i = 64; i < 80; ++i) EXPECT_EQ(table.Node(0).Block(0)[i], 0) << i;

  // A reply from another module counts as received and stores nothing.
  const NodeRecord node0 = table.Node(0);
  const auto other = Reply(ModuleHeader(9, 90), 128, 0x77);
  EXPECT_EQ(table.StoreBlockReply(11, other, 168), 168);
  EXPECT_EQ(table.Node(0), node0);
  // A number that is not a block: the same.
  EXPECT_EQ(table.StoreBlockReply(3, network, 116), 116);
  EXPECT_EQ(table.Node(0), node0);
}

}  // namespace
}  // namespace gw
