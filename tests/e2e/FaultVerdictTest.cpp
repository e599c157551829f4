// Each fault the simulator can make between the module and the tool, and the
// verdict the transactions give on it: missing and late replies are waited
// for and retried, refused replies (bad checksum, stale transaction id, too
// short) fail only their attempt and leave the node as it was, replies of
// another module are taken without storing, and the reply code decides the
// rest. The module is known to the tool as a search left it, so the faults
// strike the transaction under test from its first reply.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>

#include "SimLinkTest.h"
#include "link/Commands.h"
#include "model/Strings.h"
#include "protocol/ModuleSearch.h"

namespace gw::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using std::chrono::milliseconds;
using Steady = std::chrono::steady_clock;

constexpr const char* kLoss0 = "Losss APD0";

class FaultVerdictTest : public SimLinkTest {
 protected:
  // nxgsim on `line` with one module and the given faults; the module is the
  // current node. Returns the node's index.
  int StartWith(Line line, const std::vector<std::string>& faults,
                std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"--seed", "21"};
    for (const std::string& f : faults) args.insert(args.end(), {"--fault", f});
    args.insert(args.end(), more.begin(), more.end());
    Start(line, args);
    return Bound() && SimStarted() ? AddKnownNode() : -1;
  }

  bool Write0() {
    return OnLink([&] { return Link().WriteBlock(0); });
  }
  // Requests the module has seen.
  std::size_t Writes() { return Sim().CountLogLines("<- write block 0"); }
  std::size_t Reads() { return Sim().CountLogLines("<- read block"); }

  static milliseconds Since(Steady::time_point start) {
    return std::chrono::duration_cast<milliseconds>(Steady::now() - start);
  }
};

// --- drop --------------------------------------------------------------

TEST_F(FaultVerdictTest, ALostAcknowledgementIsWaitedForAndTheWriteSentAgain) {
  const int node = StartWith(Line::Ethernet, {"drop:1"});
  ASSERT_GE(node, 0);
  StageNameAndAddress(Nodes(), "Second try", Ipv4(127, 1, 78, 1));
  const auto start = Steady::now();
  EXPECT_TRUE(Write0()) << Sim().Log();
  EXPECT_GE(Since(start), Link().Timing().replyWait);
  EXPECT_EQ(Node(node).ModuleName(), "Second try");
  EXPECT_EQ(Writes(), 2u);
  EXPECT_EQ(Reads(), 1u);
}

TEST_F(FaultVerdictTest, FiveLostAcknowledgementsFailTheWriteThoughTheModuleTookIt) {
  const int node = StartWith(Line::Ethernet, {"drop:5"});
  ASSERT_GE(node, 0);
  StageNameAndAddress(Nodes(), "Taken unheard", Ipv4(127, 1, 78, 2));
  const auto start = Steady::now();
  EXPECT_FALSE(Write0()) << Sim().Log();
  EXPECT_GE(Since(start), 5 * Link().Timing().replyWait);
  EXPECT_EQ(Writes(), 5u);
  // The read-back ran anyway: the node shows what the module holds.
  EXPECT_EQ(Reads(), 1u);
  EXPECT_EQ(Node(node).ModuleName(), "Taken unheard");
  EXPECT_EQ(Node(node).ReplyCode(), kReplyReadOk);
}

TEST_F(FaultVerdictTest, ASilentModuleEndsACommandExchangeAfterOneWait) {
  const int node = StartWith(Line::Ethernet, {"drop"}, {"--locked", "1", "--password", "abcd"});
  ASSERT_GE(node, 0);
  PutCredentials(Node(node).Header(), "abcd");
  const auto before = WireBytes(Node(node));
  const auto start = Steady::now();
  EXPECT_FALSE(OnLink([&] { return Link().ExchangeCommand(CmdLogin, 0); }));
  const milliseconds took = Since(start);
  EXPECT_GE(took, Link().Timing().replyWait);
  EXPECT_LT(took, 2 * Link().Timing().replyWait);
  EXPECT_EQ(Sim().CountLogLines("<- login"), 1u);
  EXPECT_EQ(WireBytes(Node(node)), before);
}

// --- delay -------------------------------------------------------------

TEST_F(FaultVerdictTest, AReplyLaterThanTheReplyWaitIsNotTakenForTheNextRequest) {
  // The first acknowledgement comes 150 ms after the wait for it ended: the
  // write goes out again and is acknowledged at once, and the late one, by
  // then waiting on the link, is discarded before the read-back goes out.
  const int node = StartWith(Line::Ethernet, {"delay=2150:1"});
  ASSERT_GE(node, 0);
  StageNameAndAddress(Nodes(), "Late", Ipv4(127, 1, 78, 3));
  const auto start = Steady::now();
  EXPECT_TRUE(Write0()) << Sim().Log();
  EXPECT_GE(Since(start), Link().Timing().replyWait);
  EXPECT_EQ(Writes(), 2u);
  EXPECT_EQ(Reads(), 1u) << Sim().Log();
  EXPECT_EQ(Node(node).ModuleName(), "Late");
  EXPECT_EQ(Node(node).ReplyCode(), kReplyReadOk);
}

TEST_F(FaultVerdictTest, ALateSerialFrameIsDiscardedBeforeTheNextRequest) {
  // The line's receive gives up after 2 s; the frame comes at 2.3 s, during
  // the pause before the second attempt, and must not be taken for its reply.
  const int node = StartWith(Line::Serial, {"delay=2300:1"});
  ASSERT_GE(node, 0);
  StageNameAndAddress(Nodes(), "Late on the line", Ipv4(127, 1, 78, 4));
  EXPECT_TRUE(Write0()) << Sim().Log();
  EXPECT_EQ(Writes(), 2u);
  EXPECT_EQ(Reads(), 1u);
  EXPECT_EQ(Node(node).ModuleName(), "Late on the line");
}

TEST_F(FaultVerdictTest, ASlowReplyWithinTheReplyWaitIsTaken) {
  const int node = StartWith(Line::Ethernet, {"delay=300"});
  ASSERT_GE(node, 0);
  StageNameAndAddress(Nodes(), "Slow", Ipv4(127, 1, 78, 5));
  EXPECT_TRUE(Write0()) << Sim().Log();
  EXPECT_EQ(Writes(), 1u);
  EXPECT_EQ(Reads(), 1u);
  EXPECT_EQ(Node(node).ModuleName(), "Slow");
}

// --- duplicate ---------------------------------------------------------

TEST_F(FaultVerdictTest, ADuplicatedReplyIsTakenOnceAndItsCopyDiscarded) {
  // The copy waits on the link while the transaction pauses; the next
  // request discards it before it goes out.
  const int node = StartWith(Line::Ethernet, {"duplicate"}, {"--locked", "1", "--password", "abcd"});
  ASSERT_GE(node, 0);
  PutCredentials(Node(node).Header(), "abcd");
  StageNameAndAddress(Nodes(), "Twice", Ipv4(127, 1, 78, 6));
  PutCredentials(Nodes().Outgoing().Header(), "abcd");
  EXPECT_TRUE(OnLink([&] {
    return Link().ExchangeCommand(CmdLogin, 0) && Link().WriteBlock(0);
  })) << Sim().Log();
  EXPECT_EQ(Sim().CountLogLines("<- login"), 1u);
  EXPECT_EQ(Writes(), 1u);
  EXPECT_EQ(Reads(), 1u);
  EXPECT_EQ(Sim().CountLogLines("[fault duplicate]"), 6u);  // three replies, twice each
  EXPECT_EQ(Node(node).ModuleName(), "Twice");
  EXPECT_EQ(Node(node).ReplyCode(), kReplyReadOk);
}

// --- corrupt -----------------------------------------------------------

TEST_F(FaultVerdictTest, ASerialFrameWithABadChecksumIsRefusedAndTheWriteSentAgain) {
  const int node = StartWith(Line::Serial, {"corrupt:1"});
  ASSERT_GE(node, 0);
  StageNameAndAddress(Nodes(), "Checked", Ipv4(127, 1, 78, 7));
  EXPECT_TRUE(Write0()) << Sim().Log();
  EXPECT_EQ(Writes(), 2u);
  EXPECT_EQ(Node(node).ModuleName(), "Checked");
}

TEST_F(FaultVerdictTest, SerialFramesWithBadChecksumsFailTheInquiryAndLeaveTheNode) {
  const int node = StartWith(Line::Serial, {"corrupt"});
  ASSERT_GE(node, 0);
  const auto before = WireBytes(Node(node));
  EXPECT_EQ(Doc().OpenNode(node), OpenResult::InquiryFailed);
  EXPECT_THAT(ui.messages,
              ElementsAre(kLoss0, kLoss0, kLoss0, kLoss0, kLoss0, text::kCommunicationError));
  EXPECT_EQ(WireBytes(Node(node)), before);
  EXPECT_EQ(Reads(), 5u);
}

TEST_F(FaultVerdictTest, AChangedUdpByteIsCaughtOnlyWhereTheToolChecks) {
  // A datagram carries no checksum: the changed byte (in the reply to block
  // 0, the first read) is refused when it hits the transaction id, ignored
  // when it hits the MAC address, and otherwise taken as the module's. Either
  // way no more than that byte is wrong, and the later blocks are the module's.
  const int node = StartWith(Line::Ethernet, {"corrupt:1"});
  ASSERT_GE(node, 0);
  ASSERT_EQ(Doc().OpenNode(node), OpenResult::Opened) << Sim().Log();
  EXPECT_EQ(Sim().CountLogLines("[fault corrupt]"), 1u);
  ASSERT_LE(ui.messages.size(), 1u);
  std::size_t wrong = 0;
  const ConstBytes got = Node(node).Block(0);
  const ConstBytes want = Twin().Block(0, 0);
  for (std::size_t at = 0; at < got.size(); ++at) wrong += got[at] != want[at] ? 1 : 0;
  EXPECT_LE(wrong, ui.messages.empty() ? 1u : 0u) << Sim().Log();
  if (!ui.messages.empty()) {
    EXPECT_EQ(ui.messages[0], kLoss0);
  }
  // The header is the last reply's (block 50), which came through whole.
  const sim::ModuleSetup& module = Twin().Setup(0);
  EXPECT_EQ(Node(node).ModuleType(), kModuleTypeNxg);
  EXPECT_EQ(Node(node).ReplyCode(), kReplyReadOk);
  EXPECT_EQ(Node(node).Mac(), module.mac);
  EXPECT_EQ(Node(node).ModuleNumber(), module.moduleNumber);
  EXPECT_EQ(Node(node).FirmwareVersion(), module.firmware);
  for (const int number : kInquiryBlocks) {
    if (number == 0 || number == 4) continue;
    const ConstBytes a = Node(node).Block(number);
    const ConstBytes b = Twin().Block(0, number);
    EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end())) << "block " << number;
  }
}

// --- another MAC address ----------------------------------------------

TEST_F(FaultVerdictTest, RepliesOfAnotherModuleAreTakenWithoutStoringAndTheHeldCodeDecides) {
  const int node = StartWith(Line::Ethernet, {"other-mac:2"});
  ASSERT_GE(node, 0);
  const auto before = WireBytes(Node(node));
  ASSERT_EQ(Node(node).ReplyCode(), 0x0001);  // from the search
  StageNameAndAddress(Nodes(), "Elsewhere", Ipv4(127, 1, 78, 8));
  // Both replies count as received, so nothing is sent again; the node still
  // holds the search's code, which acknowledges neither.
  EXPECT_FALSE(Write0()) << Sim().Log();
  EXPECT_EQ(Writes(), 1u);
  EXPECT_EQ(Reads(), 1u);
  EXPECT_EQ(WireBytes(Node(node)), before);
  // The module did take the write.
  EXPECT_GT(OnLink([&] { return ReadBlockOnce(Link(), 0, Link().CommType()); }), 0);
  EXPECT_EQ(Node(node).ModuleName(), "Elsewhere");
}

TEST_F(FaultVerdictTest, ReadsAnsweredByAnotherModuleCountAsReadAndStoreNothing) {
  const int node = StartWith(Line::Ethernet, {"other-mac"});
  ASSERT_GE(node, 0);
  const auto before = WireBytes(Node(node));
  EXPECT_EQ(Doc().OpenNode(node), OpenResult::Opened);
  EXPECT_EQ(Reads(), kInquiryBlocks.size());
  EXPECT_EQ(WireBytes(Node(node)), before);
  EXPECT_THAT(ui.messages, IsEmpty());
}

TEST_F(FaultVerdictTest, ALoginReplyIsStoredWhateverItsMacAddress) {
  // Only read and write replies are checked against the node's MAC address:
  // the header of a login reply replaces the node's, so its verdict (here a
  // refusal) is the one that counts, even when another module sent it.
  const int node = StartWith(Line::Ethernet, {"other-mac"}, {"--locked", "1", "--password", "abcd"});
  ASSERT_GE(node, 0);
  StoreBE16(Node(node).Header(), hdr::Command, 0x0007);  // as an earlier login left it
  PutCredentials(Node(node).Header(), "zzzz");
  EXPECT_FALSE(OnLink([&] { return Link().ExchangeCommand(CmdLogin, 0); }));
  EXPECT_EQ(Node(node).ReplyCode(), 0x8007);
  EXPECT_EQ(Node(node).LockState(), kLockStateLocked);
  EXPECT_NE(Node(node).Mac(), Twin().Setup(0).mac);
  EXPECT_EQ(Sim().CountLogLines("<- login"), 1u);
}

// --- another module type -----------------------------------------------

TEST_F(FaultVerdictTest, AReadReplyOfAnotherModuleTypeIsStored) {
  const int node = StartWith(Line::Ethernet, {"other-type"});
  ASSERT_GE(node, 0);
  ASSERT_EQ(Doc().OpenNode(node), OpenResult::Opened);
  EXPECT_EQ(Node(node).ModuleType(), 0xF300);
  EXPECT_TRUE(HoldsModuleBlocks(Node(node), Twin(), 0));
  EXPECT_THAT(ui.messages, IsEmpty());
}

TEST_F(FaultVerdictTest, ASearchReplyOfAnotherModuleTypeFindsNothing) {
  ASSERT_NO_FATAL_FAILURE(Start(Line::Serial, {"--seed", "21", "--fault", "other-type"}));
  Doc().Search();
  EXPECT_EQ(Nodes().Count(), 0);
  EXPECT_THAT(ui.messages, ElementsAre(text::kNoModuleFound));
  ASSERT_EQ(ui.notices.size(), 1u);
  EXPECT_EQ(ui.notices[0].message, 0x0468);
  EXPECT_EQ(ui.notices[0].text, text::kNoModuleFound);
  EXPECT_EQ(Sim().CountLogLines("<- search"), 1u);
}

// --- stale transaction id ---------------------------------------------

TEST_F(FaultVerdictTest, AReplyWithAStaleTransactionIdIsRefusedAndLeavesTheNode) {
  const int node = StartWith(Line::Ethernet, {"stale-id"});
  ASSERT_GE(node, 0);
  const auto before = WireBytes(Node(node));
  EXPECT_EQ(Doc().OpenNode(node), OpenResult::InquiryFailed);
  EXPECT_THAT(ui.messages,
              ElementsAre(kLoss0, kLoss0, kLoss0, kLoss0, kLoss0, text::kCommunicationError));
  EXPECT_EQ(WireBytes(Node(node)), before);
  EXPECT_EQ(Node(node).Online(), 0u);
}

TEST_F(FaultVerdictTest, AWriteAnsweredWithAStaleTransactionIdIsSentAgain) {
  const int node = StartWith(Line::Ethernet, {"stale-id:1"});
  ASSERT_GE(node, 0);
  StageNameAndAddress(Nodes(), "Fresh id", Ipv4(127, 1, 78, 9));
  const auto start = Steady::now();
  EXPECT_TRUE(Write0()) << Sim().Log();
  EXPECT_GE(Since(start), Link().Timing().retryPause);
  EXPECT_EQ(Writes(), 2u);
  EXPECT_EQ(Node(node).ModuleName(), "Fresh id");
}

// --- short reply -------------------------------------------------------

TEST_F(FaultVerdictTest, AReplyShorterThanItsBlockIsRefusedAndLeavesTheNode) {
  const int node = StartWith(Line::Ethernet, {"short"});
  ASSERT_GE(node, 0);
  const auto before = WireBytes(Node(node));
  EXPECT_EQ(Doc().OpenNode(node), OpenResult::InquiryFailed);
  EXPECT_THAT(ui.messages,
              ElementsAre(kLoss0, kLoss0, kLoss0, kLoss0, kLoss0, text::kCommunicationError));
  EXPECT_EQ(WireBytes(Node(node)), before);
}

TEST_F(FaultVerdictTest, AShortSerialWriteReplyIsRefusedAndTheWriteSentAgain) {
  const int node = StartWith(Line::Serial, {"short:1"});
  ASSERT_GE(node, 0);
  StageNameAndAddress(Nodes(), "Long enough", Ipv4(127, 1, 78, 10));
  EXPECT_TRUE(Write0()) << Sim().Log();
  EXPECT_EQ(Writes(), 2u);
  EXPECT_EQ(Node(node).ModuleName(), "Long enough");
}

// --- reply codes -------------------------------------------------------

TEST_F(FaultVerdictTest, RepliesOfAModuleWithAnActiveConnectionAreAccepted) {
  const int node = StartWith(Line::Ethernet, {"busy"});
  ASSERT_GE(node, 0);
  StageNameAndAddress(Nodes(), "Connected", Ipv4(127, 1, 78, 11));
  EXPECT_TRUE(Write0()) << Sim().Log();
  EXPECT_EQ(Node(node).ReplyCode(), 0xC003);
  EXPECT_EQ(Node(node).ModuleName(), "Connected");
  EXPECT_EQ(Sim().CountLogLines("-> reply 0xC005"), 1u);
  ASSERT_EQ(Doc().OpenNode(node), OpenResult::Opened);
  EXPECT_EQ(Node(node).ReplyCode(), 0xC003);
  EXPECT_THAT(ui.messages, IsEmpty());
}

TEST_F(FaultVerdictTest, AWriteRefusedForAnotherUserIsNotSentAgain) {
  const int node = StartWith(Line::Ethernet, {"refuse"});
  ASSERT_GE(node, 0);
  const std::string name = Node(node).ModuleName();
  StageNameAndAddress(Nodes(), "Refused", Ipv4(127, 1, 78, 12));
  EXPECT_FALSE(Write0()) << Sim().Log();
  EXPECT_EQ(Writes(), 1u);
  EXPECT_EQ(Reads(), 1u);
  EXPECT_EQ(Node(node).ModuleName(), name);  // read back: the module kept its own
  EXPECT_EQ(Node(node).ReplyCode(), kReplyReadOk);
  // The password change goes through a single exchange: refused the same way.
  EXPECT_FALSE(OnLink([&] { return Link().ExchangeCommand(CmdWriteBlock, 0); }));
  EXPECT_EQ(Node(node).ReplyCode(), kReplyWriteRefused);
  EXPECT_EQ(Writes(), 2u);
}

}  // namespace
}  // namespace gw::test
