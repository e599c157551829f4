// The node list stream and its exchange with the host's store.
#include <gtest/gtest.h>

#include "model/NodeListExchange.h"
#include "model/NodeListStream.h"
#include "support/MemoryStore.h"
#include "support/RecordingUi.h"
#include "support/Records.h"

namespace gw {
namespace {

void Fill(NodeTable& table, int count) {
  table.SetCount(count);
  for (int i = 0; i < count; ++i) {
    NodeRecord& n = table.Node(i);
    test::FillRandom(n, static_cast<std::uint32_t>(i + 1));
    n.SetSelected(i == 1 ? 1 : 0);
  }
}

using test::MemoryStore;

TEST(NodeListStream, ThreeNodesRoundTrip) {
  NodeTable source;
  Fill(source, 3);
  const auto stream = WriteNodeList(source);
  ASSERT_EQ(stream.size(), 364u);
  EXPECT_EQ(LoadLE32(stream, 0), 3u);
  EXPECT_EQ(LoadLE32(stream, 4 + 120), 1u);  // node 1 was selected when written
  // After writing too, every node is unselected and online.
  EXPECT_EQ(source.Node(1).Selected(), 0u);
  EXPECT_EQ(source.Node(2).Online(), 1u);

  NodeTable target;
  target.Node(0).Block(11)[0] = 0x99;  // blocks other than 0 are not touched
  ASSERT_FALSE(ReadNodeList(target, stream).has_value());
  ASSERT_EQ(target.Count(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(std::ranges::equal(target.Node(i).Header(), source.Node(i).Header()));
    EXPECT_TRUE(std::ranges::equal(target.Node(i).Block(0), source.Node(i).Block(0)));
    EXPECT_EQ(target.Node(i).Selected(), 0u);
    EXPECT_EQ(target.Node(i).Online(), 1u);
  }
  EXPECT_EQ(target.Node(0).Block(11)[0], 0x99);
}

TEST(NodeListStream, MalformedStreamsAreRefusedWithTheTableUnchanged) {
  NodeTable table;
  Fill(table, 2);
  const NodeRecord first = table.Node(0);

  std::vector<std::uint8_t> tooMany(4 + 120 * 300, 0);
  StoreLE32(tooMany, 0, 300);
  auto error = ReadNodeList(table, tooMany);
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("300"), std::string::npos);

  NodeTable other;
  Fill(other, 5);
  auto truncated = WriteNodeList(other);
  truncated.resize(truncated.size() - 1);
  EXPECT_TRUE(ReadNodeList(table, truncated).has_value());
  EXPECT_TRUE(ReadNodeList(table, std::vector<std::uint8_t>{1, 0}).has_value());

  EXPECT_EQ(table.Count(), 2);
  EXPECT_EQ(table.Node(0), first);
}

TEST(NodeListExchange, StoreKeepsWholeNodesThatFitSaysSoAndLoadsThemBack) {
  for (auto [count, kept] : {std::pair{3, 3u}, std::pair{100, 85u}}) {
    SCOPED_TRACE(count);
    NodeTable source;
    Fill(source, count);
    MemoryStore store;
    test::RecordingUi ui;
    StoreNodeList(source, store, ui);
    EXPECT_EQ(store.bytes.size(), 4u + 120u * kept);
    EXPECT_LE(store.bytes.size(), 10240u);
    EXPECT_EQ(LoadLE32(store.bytes, 0), kept);
    EXPECT_EQ(source.Count(), count);  // the document keeps them all
    if (count == 100) {
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_NE(ui.messages[0].find("15 were left out"), std::string::npos);
      ui.messages.clear();
    }
    NodeTable target;
    LoadNodeList(target, store, ui);
    EXPECT_EQ(target.Count(), static_cast<int>(kept));
    EXPECT_TRUE(ui.messages.empty());
  }
}

TEST(NodeListExchange, EmptyStoreGivesEmptyListQuietlyAndDamageIsReported) {
  NodeTable table;
  Fill(table, 2);
  MemoryStore store;
  test::RecordingUi ui;
  LoadNodeList(table, store, ui);
  EXPECT_EQ(table.Count(), 0);
  EXPECT_TRUE(ui.messages.empty());

  Fill(table, 2);
  store.bytes = {200, 0, 0, 0, 1, 2, 3};
  LoadNodeList(table, store, ui);
  EXPECT_EQ(table.Count(), 2);
  ASSERT_EQ(ui.messages.size(), 1u);

  store.reported = 20000;  // a store that claims more than the buffer holds
  LoadNodeList(table, store, ui);
  EXPECT_EQ(table.Count(), 2);
  EXPECT_EQ(ui.messages.size(), 2u);
}

}  // namespace
}  // namespace gw
