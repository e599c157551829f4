// Sending one request and taking one reply: header bytes, checks and storing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "link/RequestCodes.h"
#include "link/TransactionId.h"
#include "support/LinkHarness.h"

namespace gw {
namespace {

using V = std::vector<std::uint8_t>;
constexpr std::uint32_t kId = 0x01020304;

// Bytes from hex digits; spaces only group the fields.
V Hex(std::string_view digits) {
  V out;
  for (std::size_t i = 0; i + 1 < digits.size(); i += digits[i] == ' ' ? 1 : 2) {
    if (digits[i] != ' ') out.push_back(std::stoi(std::string(digits.substr(i, 2)), nullptr, 16));
  }
  return out;
}

struct FrameIo : ::testing::Test {
  test::LinkHarness h;
  test::FakeModule module{0x05, 42, 0x0155};

  void SetUp() override {
    ASSERT_TRUE(h.BindAndOpen());
    h.link.SetNextTransactionId(kId);
    // Leftovers of earlier requests and of a page in the outgoing header.
    for (auto& b : h.nodes.Outgoing().Header()) b = 0xAA;
  }
  // A reply of `module` to the last request, cut to `length` bytes.
  V ReplyOfLength(std::uint16_t code, std::size_t length, std::uint8_t fill = 0x5A) {
    V body = module.header;
    StoreBE32(body, hdr::TransactionId, h.port.requests.back().transactionId);
    StoreBE16(body, hdr::Command, code);
    body.resize(length, fill);
    return body;
  }
  V LastReplyHeader() const {
    return V(h.link.LastReplyHeader().begin(), h.link.LastReplyHeader().end());
  }
  // Delivers `reply` to the request just sent: it is refused for `why` and
  // the node does not change.
  void ExpectRefused(int command, int block, const V& reply, LinkStatus why) {
    const NodeRecord before = h.nodes.Node(0);
    h.port.Deliver(reply);
    EXPECT_EQ(h.link.ReceiveFrame(command, block).status, why);
    EXPECT_EQ(h.nodes.Node(0), before);
  }
};

// Header fields: type, version, id, command, MAC, block, lock state, login
// key, four bytes, module number, two bytes, firmware, tail.
TEST_F(FrameIo, SearchHeaderCarriesOnlyItsOwnFields) {
  EXPECT_EQ(test::LengthOf(h.link.SendFrame(CmdSearch, 7)), 36);
  V expected = Hex("F200 0001 01020304 0000");
  expected.resize(36, 0);
  EXPECT_EQ(h.port.sent, std::vector<V>{expected});
}

TEST_F(FrameIo, ReadRequestAddressesTheNodeWithZeroLockFields) {
  h.AddNode(module);
  EXPECT_EQ(test::LengthOf(h.link.SendFrame(CmdReadBlock, 11)), 36);
  EXPECT_EQ(
      h.port.sent.at(0),
      Hex("F200 0001 01020304 0002 0060E9102005 000B 0000 00000000 AAAAAAAA AAAA AAAA AAAA 0000"));
}

TEST_F(FrameIo, WriteRequestCarriesTheStagedLoginAndBlock) {
  h.AddNode(module);
  Bytes out = h.nodes.Outgoing().Header();
  StoreBE16(out, hdr::LockState, kLockStateUnlocked);
  std::ranges::copy(Hex("61626364"), out.begin() + hdr::LoginKey);
  Bytes block = h.nodes.Outgoing().Block(4);
  for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(i + 1);

  EXPECT_EQ(test::LengthOf(h.link.SendFrame(CmdWriteBlock, 4)), 56);
  EXPECT_EQ(
      h.port.sent.at(0),
      Hex("F200 0001 01020304 0004 0060E9102005 0004 0002 61626364 AAAAAAAA AAAA AAAA AAAA 0000"
          "0102030405060708090A0B0C0D0E0F1011121314"));
}

TEST_F(FrameIo, LoginAndFactoryResetSendTheNodesStoredHeader) {
  const int node = h.AddNode(module);
  Bytes stored = h.nodes.Node(node).Header();
  StoreBE16(stored, hdr::Command, 0x0003);
  StoreBE16(stored, hdr::BlockNumber, 0x0009);
  StoreBE16(stored, hdr::LockState, kLockStateLocked);
  std::ranges::copy(Hex("6F6C6473"), stored.begin() + hdr::LoginKey);
  StoreBE16(stored, hdr::HeaderTail, 0x7777);

  h.link.Login("passwd");  // no module answers: one request each
  h.link.FactoryReset();
  const std::string tail = " 00000000 002A 0000 0155 0000";
  EXPECT_EQ(h.port.sent.at(0),
            Hex("F200 0001 01020304 0006 0060E9102005 0000 0002 70617373" + tail));
  EXPECT_EQ(h.port.sent.at(1),  // the next id, the stored lock fields
            Hex("F200 0001 01020305 0008 0060E9102005 0000 0001 6F6C6473" + tail));
  // The key went out with the request only.
  EXPECT_EQ(LoadBE16(h.nodes.Node(node).Header(), hdr::LockState), kLockStateLocked);
}

TEST_F(FrameIo, RequestsThatCannotBeBuiltSendNothing) {
  EXPECT_EQ(h.link.SendFrame(CmdReadBlock, 0).status, LinkStatus::NotBuilt);  // no current node
  h.AddNode(module);
  for (int command : {10, 3, 1, -2}) {
    EXPECT_EQ(h.link.SendFrame(command, 0).status, LinkStatus::NotBuilt) << command;
  }
  EXPECT_EQ(h.link.SendFrame(CmdWriteBlock, 3).status, LinkStatus::NotBuilt);
  EXPECT_EQ(h.link.SendFrame(CmdWriteBlock, 51).status, LinkStatus::NotBuilt);
  EXPECT_TRUE(h.port.sent.empty());
}

TEST_F(FrameIo, EveryRequestCarriesANewTransactionId) {
  h.link.SetNextTransactionId(0xFFFFFFFF);
  h.AddNode(module);
  for (int i = 0; i < 3; ++i) test::LengthOf(h.link.SendFrame(CmdReadBlock, 0));
  EXPECT_EQ(h.port.requests.at(0).transactionId, 0xFFFFFFFFu);
  EXPECT_EQ(h.port.requests.at(1).transactionId, 1u);  // 0 is skipped
  EXPECT_EQ(h.port.requests.at(2).transactionId, 2u);

  TransactionIds ids;
  const std::uint32_t first = ids.Next();
  EXPECT_NE(first, 0u);
  EXPECT_NE(ids.Next(), first);
}

TEST_F(FrameIo, StaleInputIsDiscardedBeforeARequest) {
  h.AddNode(module);
  h.link.SendFrame(CmdReadBlock, 0);
  // The module's answer comes too late: it waits when the next request goes.
  h.port.Deliver(module.Answer(h.port.requests.back()).value());
  h.port.Attach(module);
  h.link.SendFrame(CmdReadBlock, 0);
  EXPECT_EQ(h.port.Pending(), 1u);  // only the answer to the second request
  EXPECT_EQ(test::LengthOf(h.link.ReceiveFrame(CmdReadBlock, 0)), 116);
}

TEST_F(FrameIo, ForeignTransactionIdIsRefusedAndChangesNothing) {
  h.AddNode(module);
  h.link.SendFrame(CmdReadBlock, 11);
  V reply = ReplyOfLength(kReplyReadOk, 164);
  StoreBE32(reply, hdr::TransactionId, kId + 1);
  const V lastHeader = LastReplyHeader();
  ExpectRefused(CmdReadBlock, 11, reply, LinkStatus::WrongTransaction);
  EXPECT_EQ(LastReplyHeader(), lastHeader);
}

TEST_F(FrameIo, ReplyShorterThanItsBlocksMinimumIsRefused) {
  h.AddNode(module);
  for (const BlockInfo& info : kBlocks) {
    SCOPED_TRACE(info.name);
    h.link.SendFrame(CmdReadBlock, info.number);
    ExpectRefused(CmdReadBlock, info.number, ReplyOfLength(kReplyReadOk, info.minReplyLength - 1),
                  LinkStatus::TooShort);

    h.link.SendFrame(CmdReadBlock, info.number);
    h.port.Deliver(ReplyOfLength(kReplyReadOk, info.minReplyLength, 0x5A));
    EXPECT_EQ(test::LengthOf(h.link.ReceiveFrame(CmdReadBlock, info.number)),
              static_cast<int>(info.minReplyLength));
    // Bytes beyond the reply come from the zeroed buffer.
    const ConstBytes stored = h.nodes.Node(0).Block(info);
    EXPECT_EQ(stored[0], 0x5A);
    if (info.minReplyLength < hdr::kSize + info.size) {
      EXPECT_EQ(stored[info.size - 1], 0);
    }
  }
}

TEST_F(FrameIo, ReplyFromAnotherModuleIsRefusedAndStoresNothing) {
  h.AddNode(module);
  test::FakeModule other(0x06, 7);
  other.answerAnyMac = true;
  h.port.Attach(other);
  const V lastHeader = LastReplyHeader();
  for (int command : {CmdReadBlock, CmdLogin, CmdFactoryReset}) {
    h.link.SendFrame(command, 0);
    const NodeRecord before = h.nodes.Node(0);
    EXPECT_EQ(h.link.ReceiveFrame(command, 0).status, LinkStatus::WrongModule) << command;
    EXPECT_EQ(h.nodes.Node(0), before);
    EXPECT_EQ(LastReplyHeader(), lastHeader);
  }
}

TEST_F(FrameIo, ShortSearchReplyIsPaddedWithZerosNotAnEarlierReply) {
  test::FakeModule first(0x01, 1), second(0x02, 2);
  for (auto& b : first.record.Block(0)) b = 0xEE;
  for (auto& b : second.record.Block(0)) b = 0x11;
  second.replyLength = 98;
  h.port.Attach(first);
  h.port.Attach(second);
  EXPECT_EQ(test::LengthOf(h.link.SendFrame(CmdSearch, 0)), 36);
  EXPECT_EQ(test::LengthOf(h.link.ReceiveFrame(CmdSearch, 0)), 116);
  EXPECT_EQ(test::LengthOf(h.link.ReceiveFrame(CmdSearch, 0)), 98);
  ASSERT_EQ(h.nodes.Count(), 2);
  const ConstBytes network = h.nodes.Node(1).Block(0);
  EXPECT_EQ(network[61], 0x11);
  for (std::size_t i = 62; i < network.size(); ++i) EXPECT_EQ(network[i], 0) << i;
  EXPECT_EQ(test::LengthOf(h.link.ReceiveFrame(CmdSearch, 0)), -1);  // nothing more
}

TEST_F(FrameIo, LoginReplyReplacesOnlyTheHeader) {
  h.AddNode(module);
  h.link.SendFrame(CmdLogin, 0);
  ExpectRefused(CmdLogin, 0, ReplyOfLength(0x8007, 35), LinkStatus::TooShort);
  h.link.SendFrame(CmdLogin, 0);
  V reply = ReplyOfLength(0x8007, 36);
  StoreBE16(reply, hdr::LockState, kLockStateLocked);
  h.port.Deliver(reply);
  EXPECT_EQ(test::LengthOf(h.link.ReceiveFrame(CmdLogin, 0)), 36);
  EXPECT_EQ(h.nodes.Node(0).ReplyCode(), 0x8007);
  EXPECT_EQ(h.nodes.Node(0).LockState(), kLockStateLocked);
}

TEST_F(FrameIo, SerialFramesAreStuffedAndDecoded) {
  h.UseCommType(kCommSerial);
  h.AddNode(module);
  for (auto& b : module.record.Block(0)) b = 0xC0;  // every byte stuffed
  h.port.Attach(module);
  EXPECT_GT(test::LengthOf(h.link.SendFrame(CmdReadBlock, 0)), 0);
  ASSERT_EQ(h.port.sent.size(), 1u);
  EXPECT_EQ(h.port.sent[0], EncodeSerialFrame(h.port.requests[0].body));
  EXPECT_EQ(h.port.requests[0].body.size(), 36u);
  // Decoded length: body and checksum byte.
  EXPECT_EQ(test::LengthOf(h.link.ReceiveFrame(CmdReadBlock, 0)), 117);
  EXPECT_EQ(h.nodes.Node(0).Block(0)[79], 0xC0);

  module.ignore = [](const test::SentRequest&) { return true; };
  h.link.SendFrame(CmdReadBlock, 0);
  V bad = EncodeSerialFrame(ReplyOfLength(kReplyReadOk, 116));
  *std::find(bad.begin() + 40, bad.end(), 0x5A) = 0x5B;  // the checksum no longer adds up
  ExpectRefused(CmdReadBlock, 0, bad, LinkStatus::BadFrame);
}

TEST_F(FrameIo, SerialStaleInputIsReadOnlyWhileTheTransportReportsIt) {
  h.UseCommType(kCommSerial);
  h.AddNode(module);
  h.port.Deliver({0xC0, 0x01, 0xFF, 0xC0});
  h.log.Clear();
  h.link.SendFrame(CmdReadBlock, 0);
  EXPECT_EQ(h.port.Pending(), 0u);
  EXPECT_EQ(h.log.All(), (std::vector<std::string>{"wait 0", "recv 4", "wait 0", "send 2/0"}));
}

TEST_F(FrameIo, NothingReceivedOrUnknownCommType) {
  h.AddNode(module);
  h.link.SendFrame(CmdReadBlock, 0);
  EXPECT_EQ(h.link.ReceiveFrame(CmdReadBlock, 0).status, LinkStatus::NothingReceived);

  h.UseCommType(2);
  h.port.Attach(module);
  EXPECT_EQ(h.link.SendFrame(CmdReadBlock, 0).status, LinkStatus::NotOpen);
  h.port.Deliver(V(116, 0));
  EXPECT_EQ(h.link.ReceiveFrame(CmdReadBlock, 0).status, LinkStatus::NotOpen);
  EXPECT_EQ(h.port.Pending(), 1u);  // not even read
}

}  // namespace
}  // namespace gw
