// Each fault nxgsim can make between the module and the tool, and the verdict
// the transactions give on it: missing and late replies are waited for and
// retried, refused replies (bad checksum, too short) fail only their attempt
// and leave the node as it was, replies to another request or from another
// module are set aside while the wait goes on, and the reply code decides the
// rest. The
// module is known to the tool as a search left it, so the faults strike the
// transaction under test from its first reply.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <ostream>

#include "SimLinkTest.h"
#include "link/RequestCodes.h"
#include "model/Texts.h"
#include "protocol/ModuleSearch.h"

namespace gw::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Steady = std::chrono::steady_clock;

constexpr const char* kLoss0 = "Losss APD0";
constexpr std::uint16_t kSearchCode = 0x0001;

class FaultVerdictTest : public SimLinkTest {
 protected:
  // nxgsim on `line` with one module and `fault`; the module is the current
  // node, whose index is returned.
  int StartWith(Line line, const std::string& fault, std::vector<std::string> more = {}) {
    more.insert(more.begin(), {"--seed", "21", "--fault", fault});
    Start(line, more);
    return Bound() && SimStarted() ? AddKnownNode() : -1;
  }
  std::size_t Writes() { return Sim().CountLogLines("<- write block 0"); }
  std::size_t Reads() { return Sim().CountLogLines("<- read block"); }
};

// A block 0 write and its read-back.
struct WriteCase {
  const char* name;
  Line line;
  const char* fault;
  const char* struck;  // what the simulator logs when the fault strikes
  bool written;        // the write's verdict
  std::size_t writes;  // write requests the module heard (one read-back always)
  int replyWaits;      // the write took at least this many reply waits
  bool nameTaken;      // the node ends with the new name, else with the module's own
  std::uint16_t code;  // the node's reply code at the end
};
void PrintTo(const WriteCase& c, std::ostream* out) { *out << c.name; }

const WriteCase kWriteCases[] = {
    // Lost acknowledgements are waited for and the write sent again; after
    // five the write fails, though the read-back shows the module took it.
    {"LostAcknowledgement", Line::Ethernet, "drop:1", "reply dropped [fault drop]", true, 2, 1,
     true, kReplyReadOk},
    {"FiveLostAcknowledgements", Line::Ethernet, "drop:5", "reply dropped [fault drop]", false, 5,
     5, true, kReplyReadOk},
    // A reply after the wait for it ended waits on the link while the write
    // goes out again, and is discarded before the read-back goes out; on the
    // line it comes during the pause before the second attempt.
    {"LateReply", Line::Ethernet, "delay=2150:1", "[fault delay=2150]", true, 2, 1, true,
     kReplyReadOk},
    {"LateSerialFrame", Line::Serial, "delay=2300:1", "[fault delay=2300]", true, 2, 0, true,
     kReplyReadOk},
    {"SlowReplyWithinTheWait", Line::Ethernet, "delay=300", "[fault delay=300]", true, 1, 0, true,
     kReplyReadOk},
    {"DuplicatedReplies", Line::Ethernet, "duplicate", "[fault duplicate]", true, 1, 0, true,
     kReplyReadOk},
    {"BadChecksum", Line::Serial, "corrupt:1", "[fault corrupt]", true, 2, 0, true, kReplyReadOk},
    {"StaleTransactionId", Line::Ethernet, "stale-id:1", "[fault stale-id]", true, 2, 0, true,
     kReplyReadOk},
    {"ShortSerialReply", Line::Serial, "short:1", "[fault short]", true, 2, 0, true, kReplyReadOk},
    // Set aside while the wait goes on: each costs a silent wait and the
    // write goes out again, and is taken the third time.
    {"RepliesOfAnotherModule", Line::Ethernet, "other-mac:2", "[fault other-mac]", true, 3, 2, true,
     kReplyReadOk},
    {"ActiveConnection", Line::Ethernet, "busy", "[fault busy]", true, 1, 0, true,
     kReplyReadOkConnected},
    {"RefusedForAnotherUser", Line::Ethernet, "refuse", "another user is changing the module",
     false, 1, 0, false, kReplyReadOk},
};

class FaultWriteTest : public FaultVerdictTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(FaultWriteTest, GivesItsVerdict) {
  const WriteCase& c = GetParam();
  const int node = StartWith(c.line, c.fault);
  ASSERT_GE(node, 0);
  const auto before = WireBytes(Node(node));
  StageNameAndAddress(Nodes(), "Staged", Ipv4(127, 1, 78, 1));
  const auto start = Steady::now();
  EXPECT_EQ(OnLink([&] { return Link().WriteBlock(0); }).Ok(), c.written) << Sim().Log();
  EXPECT_GE(Steady::now() - start, c.replyWaits * Link().Timing().replyWait);
  EXPECT_GE(Sim().CountLogLines(c.struck), 1u);
  EXPECT_EQ(Writes(), c.writes);
  EXPECT_EQ(Reads(), 1u);
  EXPECT_EQ(Node(node).ModuleName(), c.nameTaken ? "Staged" : Module(0).name);
  EXPECT_EQ(Node(node).ReplyCode(), c.code);
  if (c.code == kSearchCode) {
    EXPECT_EQ(WireBytes(Node(node)), before);
  }
  EXPECT_THAT(ui.messages, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultWriteTest, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The inquiry of every block.
struct InquiryCase {
  const char* name;
  Line line;
  const char* fault;
  bool opened;  // else block 0 is lost five times and the inquiry fails
  bool stored;  // the node holds the module's blocks, else what the search left
  std::size_t reads;
  std::uint16_t code;  // the node's reply code and module type at the end
  std::uint16_t type;
};
void PrintTo(const InquiryCase& c, std::ostream* out) { *out << c.name; }

const InquiryCase kInquiryCases[] = {
    {"BadChecksums", Line::Serial, "corrupt", false, false, 5, kSearchCode, kModuleTypeNxg},
    {"StaleTransactionIds", Line::Ethernet, "stale-id", false, false, 5, kSearchCode,
     kModuleTypeNxg},
    {"ShortReplies", Line::Ethernet, "short", false, false, 5, kSearchCode, kModuleTypeNxg},
    // Set aside, so every attempt waits in vain.
    {"RepliesOfAnotherModule", Line::Ethernet, "other-mac", false, false, 5, kSearchCode,
     kModuleTypeNxg},
    {"AnotherModuleType", Line::Ethernet, "other-type", true, true, 14, kReplyReadOk, 0xF300},
    {"ActiveConnection", Line::Ethernet, "busy", true, true, 14, kReplyReadOkConnected,
     kModuleTypeNxg},
};

class FaultInquiryTest : public FaultVerdictTest,
                         public ::testing::WithParamInterface<InquiryCase> {};

TEST_P(FaultInquiryTest, GivesItsVerdict) {
  const InquiryCase& c = GetParam();
  const int node = StartWith(c.line, c.fault);
  ASSERT_GE(node, 0);
  const auto before = WireBytes(Node(node));
  EXPECT_EQ(Doc().OpenNode(node), c.opened ? OpenResult::Opened : OpenResult::InquiryFailed);
  if (c.opened) {
    EXPECT_THAT(ui.messages, IsEmpty());
  } else {
    EXPECT_THAT(ui.messages,
                ElementsAre(kLoss0, kLoss0, kLoss0, kLoss0, kLoss0, text::kCommunicationError));
  }
  EXPECT_EQ(Node(node).Online(), c.opened ? 1u : 0u);
  EXPECT_EQ(Reads(), c.reads) << Sim().Log();
  if (c.stored) {
    EXPECT_TRUE(HoldsModuleBlocks(Node(node), 0));
  } else {
    EXPECT_EQ(WireBytes(Node(node)), before);
  }
  EXPECT_EQ(Node(node).ReplyCode(), c.code);
  EXPECT_EQ(Node(node).ModuleType(), c.type);
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultInquiryTest, ::testing::ValuesIn(kInquiryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FaultVerdictTest, AChangedUdpByteIsCaughtOnlyWhereTheToolChecks) {
  // A datagram carries no checksum: the changed byte (in the reply to block
  // 0, the first read) is set aside when it hits the transaction id or the
  // MAC address, and otherwise taken as the module's.
  const int node = StartWith(Line::Ethernet, "corrupt:1");
  ASSERT_GE(node, 0);
  ASSERT_EQ(Doc().OpenNode(node), OpenResult::Opened) << Sim().Log();
  EXPECT_EQ(Sim().CountLogLines("[fault corrupt]"), 1u);
  ASSERT_LE(ui.messages.size(), 1u);
  if (!ui.messages.empty()) {
    EXPECT_EQ(ui.messages[0], kLoss0);
  }
  std::size_t wrong = 0;
  const ConstBytes got = Node(node).Block(0), want = Stored(0, 0);
  for (std::size_t at = 0; at < got.size(); ++at) wrong += got[at] != want[at] ? 1 : 0;
  EXPECT_LE(wrong, ui.messages.empty() ? 1u : 0u) << Sim().Log();
  // The header is the last reply's (block 50), which came through whole, and
  // so are the later blocks.
  EXPECT_EQ(Node(node).ReplyCode(), kReplyReadOk);
  EXPECT_EQ(Node(node).Mac(), Module(0).mac);
  EXPECT_EQ(Node(node).ModuleNumber(), Module(0).moduleNumber);
  EXPECT_EQ(Node(node).FirmwareVersion(), Module(0).firmware);
  EXPECT_TRUE(HoldsModuleBlocks(Node(node), 0, /*skip=*/0));
}

TEST_F(FaultVerdictTest, ALoginAnsweredOnlyByAnotherModuleFailsAndChangesNothing) {
  const int node = StartWith(Line::Ethernet, "other-mac", {"--locked", "1", "--password", "abcd"});
  ASSERT_GE(node, 0);
  const auto before = WireBytes(Node(node));
  EXPECT_EQ(OnLink([&] { return Link().Login("abcd"); }).status, LinkStatus::TimedOut);
  EXPECT_EQ(WireBytes(Node(node)), before);
  EXPECT_EQ(Node(node).Mac(), Module(0).mac);
  EXPECT_EQ(Sim().CountLogLines("<- login"), 1u);
}

}  // namespace
}  // namespace gw::test
