// One request frame out, one reply frame in.
#include <algorithm>

#include "Commands.h"
#include "DeviceLink.h"
#include "FrameHeader.h"

namespace gw {

namespace {

// Bounds the discarding of stale input, so a link that never stops talking
// cannot hold the tool.
constexpr int kMaxStaleChunks = 256;

void Zero(Bytes bytes) { std::fill(bytes.begin(), bytes.end(), std::uint8_t{0}); }

void CopyInto(Bytes dst, ConstBytes src) { std::copy(src.begin(), src.end(), dst.begin()); }

}  // namespace

int DeviceLink::BuildRequest(int command, int block) {
  if (!IsRequestCommand(command)) return -1;
  Bytes header = nodes_.Outgoing().Header();
  const NodeRecord* node = nodes_.CurrentRecord();
  if (command != CmdSearch && node == nullptr) return -1;  // no module to address
  if (block < 0 || block > 0xFFFF) return -1;

  std::size_t length = hdr::kSize;
  switch (command) {
    case CmdSearch:
      // Nothing of an earlier request (MAC, login key) goes out with a search.
      Zero(header);
      lastTransactionId_ = transactionIds_.Next();
      BuildHeader(header, command, 0, lastTransactionId_);
      break;
    case CmdReadBlock:
      lastTransactionId_ = transactionIds_.Next();
      BuildHeader(header, command, block, lastTransactionId_);
      CopyInto(header.subspan(hdr::MacAddress, hdr::kMacSize),
               node->Header().subspan(hdr::MacAddress, hdr::kMacSize));
      Zero(header.subspan(hdr::LockState, hdr::LoginKey + hdr::kLoginKeySize - hdr::LockState));
      break;
    case CmdWriteBlock: {
      const BlockInfo* info = FindBlock(block);
      if (info == nullptr) return -1;
      lastTransactionId_ = transactionIds_.Next();
      BuildHeader(header, command, block, lastTransactionId_);
      CopyInto(header.subspan(hdr::MacAddress, hdr::kMacSize),
               node->Header().subspan(hdr::MacAddress, hdr::kMacSize));
      CopyInto(Bytes(transmit_).subspan(hdr::kSize, info->size), nodes_.Outgoing().Block(*info));
      length += info->size;
      break;
    }
    default:  // login and factory reset send the node's stored header
      CopyInto(header, node->Header());
      lastTransactionId_ = transactionIds_.Next();
      BuildHeader(header, command, 0, lastTransactionId_);
      break;
  }
  CopyInto(Bytes(transmit_).first(hdr::kSize), header);
  return static_cast<int>(length);
}

void DeviceLink::DiscardStaleInput(int commType) {
  // A reply that arrives after its transaction gave up must not be taken for
  // the reply to the next request. On Ethernet RecvData answers 0 at once
  // when nothing waits. On a serial line RecvData waits for the line's
  // time-out, so it is called only while ReadSelect(0) reports bytes waiting;
  // a transport that cannot tell leaves the line as it is, and a stale frame
  // then fails the transaction id check of the next receive.
  for (int i = 0; i < kMaxStaleChunks; ++i) {
    if (commType == kCommSerial && ReadSelect(std::chrono::milliseconds{0}) < 1) return;
    if (portLink_.RecvData(receive_.data(), static_cast<int>(receive_.size())) < 1) return;
  }
}

int DeviceLink::SendFrame(int command, int block) {
  Zero(transmit_);
  Zero(receive_);
  const int commType = CommType();
  if (commType != kCommSerial && commType != kCommEthernet) return -1;
  const int length = BuildRequest(command, block);
  if (length < 0) return -1;

  DiscardStaleInput(commType);
  Zero(receive_);
  const ConstBytes body = ConstBytes(transmit_).first(static_cast<std::size_t>(length));
  if (commType == kCommEthernet) return portLink_.SendData(body.data(), length);
  const std::vector<std::uint8_t> frame = EncodeSerialFrame(body);
  return portLink_.SendData(frame.data(), static_cast<int>(frame.size()));
}

int DeviceLink::ReceiveFrame(int command, int block) {
  const int commType = CommType();
  if (commType != kCommSerial && commType != kCommEthernet) return -1;
  // Zeroed before every receive: a short reply is padded with zeros, never
  // with the bytes of an earlier one.
  Zero(receive_);
  lastReplyForeign_ = false;
  const int received = portLink_.RecvData(receive_.data(), static_cast<int>(receive_.size()));
  if (received < 1) return -1;
  int length = std::min(received, static_cast<int>(receive_.size()));
  if (commType == kCommSerial) {
    length = DecodeSerialFrame(receive_, static_cast<std::size_t>(length));
    if (length < 1) return -1;
  }

  const ConstBytes header = ConstBytes(receive_).first(hdr::kSize);
  if (lastTransactionId_ == 0 || LoadBE32(header, hdr::TransactionId) != lastTransactionId_) {
    lastReplyForeign_ = true;
    return -1;
  }
  CopyInto(nodes_.Incoming().Header(), header);
  return StoreReply(command, block, length);
}

int DeviceLink::StoreReply(int command, int block, int length) {
  switch (command) {
    case CmdSearch:
      return nodes_.AppendFromSearchReply(receive_, length);
    case CmdReadBlock:
    case CmdWriteBlock:
      return nodes_.StoreBlockReply(block, receive_, length);
    case CmdLogin:
    case CmdFactoryReset:
      return nodes_.StoreHeaderReply(receive_, length);
    default:
      return length;
  }
}

}  // namespace gw
