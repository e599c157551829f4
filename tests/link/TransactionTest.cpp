// The block write with its read-back and the command exchange, step by step
// on the fake clock.
#include <gtest/gtest.h>

#include "link/RequestCodes.h"
#include "support/LinkHarness.h"

namespace gw {
namespace {

using Events = std::vector<std::string>;
constexpr int kBlock = 4;  // ClockBlock, 20 bytes

// `times` copies of `events` in a row.
Events Repeat(int times, const Events& events) {
  Events out;
  for (int i = 0; i < times; ++i) out.insert(out.end(), events.begin(), events.end());
  return out;
}

Events Join(std::initializer_list<Events> parts) {
  Events out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

bool Always(const test::SentRequest&) { return true; }
bool Writes(const test::SentRequest& r) { return r.command == CmdWriteBlock; }

struct Transaction : ::testing::Test {
  test::LinkHarness h;
  test::FakeModule module{0x05, 42};

  void SetUp() override {
    ASSERT_TRUE(h.BindAndOpen());
    h.AddNode(module);
    h.port.Attach(module);
    for (auto& b : module.record.Block(kBlock)) b = 0x77;  // what the module holds
    Bytes staged = h.nodes.Outgoing().Block(kBlock);
    std::fill(staged.begin(), staged.end(), std::uint8_t{0x33});
    h.log.Clear();
  }
  Events Timeline() const { return h.log.Only({"send", "pause", "wait"}); }
  std::uint8_t NodeByte() { return h.nodes.Node(0).Block(kBlock)[5]; }
};

TEST_F(Transaction, WriteTakenAndReadBack) {
  EXPECT_TRUE(h.link.WriteBlock(kBlock).Ok());
  EXPECT_EQ(Timeline(), (Events{"send 4/4", "pause 100", "wait 2000", "pause 100", "send 2/4",
                                "pause 100", "wait 2000"}));
  EXPECT_EQ(module.record.Block(kBlock)[5], 0x33);
  EXPECT_EQ(NodeByte(), 0x33);
}

TEST_F(Transaction, WriteToASilentModuleOnEthernetTriesEverything) {
  module.ignore = Always;
  EXPECT_EQ(h.link.WriteBlock(kBlock).status, LinkStatus::TimedOut);
  const Events attempt4 = {"send 4/4", "pause 100", "wait 2000"};
  const Events attempt2 = {"send 2/4", "pause 100", "wait 2000"};
  EXPECT_EQ(Timeline(), Join({Repeat(5, attempt4), {"pause 100"}, Repeat(5, attempt2)}));
}

TEST_F(Transaction, LostAcknowledgementWithGoodReadBackFailsButShowsTheModule) {
  module.ignore = Writes;
  EXPECT_EQ(h.link.WriteBlock(kBlock).status, LinkStatus::TimedOut);
  EXPECT_EQ(Timeline(), Join({Repeat(5, {"send 4/4", "pause 100", "wait 2000"}),
                              {"pause 100", "send 2/4", "pause 100", "wait 2000"}}));
  EXPECT_EQ(NodeByte(), 0x77);
}

TEST_F(Transaction, RefusedWriteIsNotRepeated) {
  module.writeCode = kReplyWriteRefused;
  EXPECT_EQ(h.link.WriteBlock(kBlock).status, LinkStatus::Refused);
  EXPECT_EQ(h.log.Only({"send"}), (Events{"send 4/4", "send 2/4"}));
  EXPECT_EQ(NodeByte(), 0x77);
}

TEST_F(Transaction, BusyConnectionCodesCountAsDone) {
  module.writeCode = kReplyWriteOkConnected;
  module.readCode = kReplyReadOkConnected;
  EXPECT_TRUE(h.link.WriteBlock(kBlock).Ok());
}

TEST_F(Transaction, CorruptWriteReplyPausesBeforeTheNextAttempt) {
  // Header-only write replies fail the block's minimum length.
  int writes = 0;
  module.ignore = [&](const test::SentRequest& r) {
    if (r.command == CmdWriteBlock && ++writes == 1) {
      std::vector<std::uint8_t> shortReply = module.header;
      StoreBE32(shortReply, hdr::TransactionId, r.transactionId);
      StoreBE16(shortReply, hdr::Command, kReplyWriteOk);
      h.port.Deliver(shortReply);
      return true;
    }
    return false;
  };
  EXPECT_TRUE(h.link.WriteBlock(kBlock).Ok());
  EXPECT_EQ(Timeline(),
            (Events{"send 4/4", "pause 100", "wait 2000", "pause 500", "send 4/4", "pause 100",
                    "wait 2000", "pause 100", "send 2/4", "pause 100", "wait 2000"}));
}

TEST_F(Transaction, SerialWriteToASilentModule) {
  h.UseCommType(kCommSerial);
  module.ignore = Always;
  EXPECT_EQ(h.link.WriteBlock(kBlock).status, LinkStatus::NothingReceived);
  EXPECT_EQ(h.log.Only({"send", "pause"}), Join({Repeat(5, {"send 4/4", "pause 100", "pause 500"}),
                                                 {"pause 100"},
                                                 Repeat(5, {"send 2/4", "pause 100"})}));
  for (int wait : h.port.waits) EXPECT_EQ(wait, 0);  // only the stale-input checks
}

TEST_F(Transaction, SerialWriteTakenAndReadBack) {
  h.UseCommType(kCommSerial);
  EXPECT_TRUE(h.link.WriteBlock(kBlock).Ok());
  EXPECT_EQ(h.log.Only({"send", "pause"}),
            (Events{"send 4/4", "pause 100", "pause 100", "send 2/4", "pause 100"}));
  EXPECT_EQ(NodeByte(), 0x33);
}

TEST_F(Transaction, FailedSendsOnlyPause) {
  h.port.sendResult = 0;
  EXPECT_EQ(h.link.WriteBlock(kBlock).status, LinkStatus::SendFailed);
  EXPECT_EQ(h.log.Only({"pause", "wait"}), Repeat(11, {"pause 100"}));
}

TEST_F(Transaction, UnknownCommTypeSendsNothing) {
  h.UseCommType(2);
  EXPECT_EQ(h.link.WriteBlock(kBlock).status, LinkStatus::NotOpen);
  EXPECT_EQ(h.link.Login("abcd").status, LinkStatus::NotOpen);
  EXPECT_TRUE(h.port.sent.empty());
  EXPECT_TRUE(h.ui.messages.empty());
}

TEST_F(Transaction, LoginCodes) {
  const std::pair<std::uint16_t, bool> cases[] = {
      {0x0007, true}, {0x0005, true}, {0xC005, true}, {0x8007, false}, {0x0003, false}};
  for (auto [code, success] : cases) {
    module.loginCode = code;
    EXPECT_EQ(h.link.Login("abcd").status, success ? LinkStatus::Ok : LinkStatus::Refused)
        << std::hex << code;
    EXPECT_EQ(h.nodes.Node(0).ReplyCode(), code);
  }
  module.resetCode = 0x0009;
  EXPECT_TRUE(h.link.FactoryReset().Ok());
}

TEST_F(Transaction, ExchangeOnEthernetGivesUpAfterTheFirstWait) {
  module.ignore = Always;
  EXPECT_EQ(h.link.Login("abcd").status, LinkStatus::TimedOut);
  EXPECT_EQ(Timeline(), (Events{"send 6/0", "pause 100", "wait 2000"}));
}

TEST_F(Transaction, ExchangeRetriesAfterACorruptReply) {
  h.UseCommType(kCommSerial);
  int logins = 0;
  module.ignore = [&](const test::SentRequest&) {
    if (++logins > 1) return false;
    h.port.Deliver({0xC0, 0x01, 0x02, 0xC0});  // bad checksum
    return true;
  };
  EXPECT_TRUE(h.link.Login("abcd").Ok());
  EXPECT_EQ(h.log.Only({"send", "pause"}),
            (Events{"send 6/0", "pause 100", "pause 500", "send 6/0", "pause 100"}));
}

TEST_F(Transaction, SerialExchangeWithASilentModuleTriesFiveTimes) {
  h.UseCommType(kCommSerial);
  module.ignore = Always;
  EXPECT_EQ(h.link.FactoryReset().status, LinkStatus::NothingReceived);
  EXPECT_EQ(h.log.Only({"send", "pause"}), Repeat(5, {"send 8/0", "pause 100", "pause 500"}));
}

TEST_F(Transaction, PasswordChangeIsAWriteWithoutReadBack) {
  EXPECT_TRUE(h.link.WritePassword().Ok());
  EXPECT_EQ(h.log.Only({"send"}), Events{"send 4/0"});
}

}  // namespace
}  // namespace gw
