// Finding modules over the fake transport.
#include <gtest/gtest.h>

#include <deque>

#include "protocol/HostCommands.h"
#include "protocol/ModuleInquiry.h"
#include "protocol/ModuleSearch.h"
#include "support/LinkHarness.h"

namespace gw {
namespace {

using Events = std::vector<std::string>;

struct Search : ::testing::Test {
  test::LinkHarness h;
  std::deque<test::FakeModule> modules;
  int merges = 0;

  void SetUp() override { ASSERT_TRUE(h.Bind()); }

  test::FakeModule& Module(std::uint8_t macTail, std::uint16_t number) {
    modules.emplace_back(macTail, number);
    h.port.Attach(modules.back());
    return modules.back();
  }
  void Run() {
    h.log.Clear();
    SearchModules(h.link, [this](const NodeTable&) { ++merges; });
  }
};

TEST_F(Search, EthernetSearchListsModulesByNumberAndEndsAfterTheLastReply) {
  Module(1, 2);
  Module(2, 300);
  Module(3, 1);
  h.link.SetRemoteAddressCopy(0x7F000A05);
  Run();
  ASSERT_EQ(h.nodes.Count(), 3);
  EXPECT_EQ(h.nodes.Node(0).ModuleNumber(), 1);
  EXPECT_EQ(h.nodes.Node(1).ModuleNumber(), 2);
  EXPECT_EQ(h.nodes.Node(2).ModuleNumber(), 300);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(h.nodes.Node(i).Selected(), 0u);
    EXPECT_EQ(h.nodes.Node(i).Online(), 1u);
  }
  // The search goes to the remote address copy, which the transport keeps;
  // three replies, then one 2000 ms wait that finds nothing.
  EXPECT_EQ(h.log.Only({"SetRemoteIPAddr", "OpenSocket", "send", "wait"}),
            (Events{"SetRemoteIPAddr 127.0.10.5", "OpenSocket 2 127.0.10.5 0 20006 3", "send 0/0",
                    "wait 2000", "wait 2000", "wait 2000", "wait 2000"}));
  EXPECT_EQ(h.ui.progress,
            (Events{"open Processing...|\nNXG4120-T searching... 0-1", "pos 1", "close"}));
  EXPECT_TRUE(h.ui.messages.empty());
  EXPECT_EQ(merges, 1);
}

TEST_F(Search, DuplicatesAndForeignModulesAddNothingButTheSearchGoesOn) {
  Module(1, 10);
  StoreBE16(Module(2, 20).header, hdr::ModuleType, 0xF100);
  Module(1, 11);  // the same MAC again
  Module(4, 40);
  Run();
  ASSERT_EQ(h.nodes.Count(), 2);
  EXPECT_EQ(h.nodes.Node(0).ModuleNumber(), 10);
  EXPECT_EQ(h.nodes.Node(1).ModuleNumber(), 40);
}

TEST_F(Search, AtMost253RepliesAreRead) {
  for (int i = 0; i < 300; ++i) {
    // 300 distinct MACs: the last byte repeats after 256, so vary another.
    Module(static_cast<std::uint8_t>(i), static_cast<std::uint16_t>(i))
        .header[hdr::MacAddress + 4] = static_cast<std::uint8_t>(i >> 8);
  }
  Run();
  EXPECT_EQ(h.nodes.Count(), 253);
  EXPECT_EQ(h.port.Pending(), 47u);
}

TEST_F(Search, LinkFailuresEndTheSearchWithTheirOwnMessage) {
  Module(1, 10);
  h.port.openResult = -1;
  Run();
  EXPECT_EQ(h.ui.messages, Events{"Cannot open the specified device"});
  EXPECT_TRUE(h.log.Only({"send"}).empty());
  EXPECT_TRUE(h.ui.progress.empty());

  h.ui.messages.clear();
  h.port.openResult = 0;
  h.port.commType = 2;
  Run();
  EXPECT_EQ(h.ui.messages, Events{"Communication error"});
  EXPECT_EQ(h.nodes.Count(), 0);
  EXPECT_EQ(merges, 2);  // the IP list is still merged
}

TEST_F(Search, SerialSearchTakesOneReply) {
  h.port.commType = kCommSerial;
  Module(1, 10);
  Module(2, 20);
  Run();
  EXPECT_EQ(h.nodes.Count(), 1);
  const auto waits = h.log.Only({"wait"});
  EXPECT_EQ(std::count(waits.begin(), waits.end(), "wait 2000"), 0);
}

struct Inquiry : ::testing::Test {
  test::LinkHarness h;
  test::FakeModule module{7, 70};

  void SetUp() override {
    ASSERT_TRUE(h.BindAndOpen());
    h.AddNode(module);
    h.port.Attach(module);
    for (const BlockInfo& b : kBlocks) {
      auto block = module.record.Block(b);
      std::fill(block.begin(), block.end(), static_cast<std::uint8_t>(b.number + 1));
    }
    h.log.Clear();
  }
};

TEST_F(Inquiry, ReadsTheFourteenBlocksInOrder) {
  EXPECT_TRUE(InquireModule(h.link));
  Events expected;
  for (int b : kInquiryBlocks) expected.push_back("send 2/" + std::to_string(b));
  EXPECT_EQ(h.log.Only({"send"}), expected);
  for (int b : kInquiryBlocks) EXPECT_EQ(h.nodes.Node(0).Block(b)[10], b + 1) << b;
  EXPECT_EQ(h.nodes.Node(0).Block(8)[10], 0);  // block 8 is not read
  EXPECT_EQ(std::count(h.ui.progress.begin(), h.ui.progress.end(), "step"), 14);
  EXPECT_EQ(h.ui.progress.back(), "close");
  EXPECT_TRUE(h.ui.messages.empty());
}

TEST_F(Inquiry, ASilentBlockIsReportedFiveTimesInHexadecimalAndStopsTheInquiry) {
  for (const auto& [silent, message] : {std::pair{9, "Losss APD9"}, {44, "Losss APD2C"}}) {
    SCOPED_TRACE(message);
    h.ui.messages.clear();
    h.log.Clear();
    module.ignore = [silent = silent](const test::SentRequest& r) { return r.block == silent; };
    EXPECT_FALSE(InquireModule(h.link));
    EXPECT_EQ(h.ui.messages, Events(5, message));
    const auto sends = h.log.Only({"send"});
    const std::string lost = "send 2/" + std::to_string(silent);
    EXPECT_EQ(std::count(sends.begin(), sends.end(), lost), 5);
    EXPECT_EQ(sends.back(), lost);  // nothing after it is asked for
    EXPECT_EQ(h.ui.progress.back(), "close");
  }
}

TEST_F(Inquiry, ALateReplyOrAnotherModulesReplyIsSetAside) {
  // Every read is answered twice: first a copy carrying another request's id
  // (a duplicate or late datagram) or another module's MAC, then the real
  // reply.
  for (std::size_t field : {hdr::TransactionId, hdr::MacAddress + 2}) {
    h.port.responder = [this, field](const test::SentRequest& r) {
      std::vector<std::vector<std::uint8_t>> replies;
      if (auto reply = module.Answer(r)) {
        auto other = *reply;
        other[field] ^= 0x5A;
        replies = {other, *reply};
      }
      return replies;
    };
    h.log.Clear();
    EXPECT_TRUE(InquireModule(h.link)) << field;
    EXPECT_TRUE(h.ui.messages.empty());
    EXPECT_EQ(h.log.Only({"send"}).size(), 14u);
  }
}

TEST_F(Inquiry, SerialInquiryWaits400MillisecondsForEachReply) {
  h.UseCommType(kCommSerial);
  EXPECT_TRUE(InquireModule(h.link));
  const auto timeline = h.log.Only({"send", "pause"});
  ASSERT_GE(timeline.size(), 2u);
  EXPECT_EQ(timeline[0], "send 2/0");
  EXPECT_EQ(timeline[1], "pause 400");
  EXPECT_EQ(std::count(timeline.begin(), timeline.end(), "pause 400"), 14);
}

}  // namespace
}  // namespace gw
