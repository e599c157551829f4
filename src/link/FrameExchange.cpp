// One request frame out, one reply frame in: building the request, taking
// and checking the reply, storing it where it belongs.
#include <algorithm>

#include "DeviceLink.h"
#include "FrameHeader.h"
#include "RequestCodes.h"

namespace gw {

namespace {

void Zero(Bytes bytes) { std::fill(bytes.begin(), bytes.end(), std::uint8_t{0}); }

void CopyInto(Bytes dst, ConstBytes src) { std::copy(src.begin(), src.end(), dst.begin()); }

// A login key as the header holds it: LockState 2 and the key's first four
// bytes, zero-padded.
void StoreKey(Bytes header, std::string_view key) {
  StoreBE16(header, hdr::LockState, kLockStateUnlocked);
  StoreText(header.subspan(hdr::LoginKey, hdr::kLoginKeySize), std::string(key));
}

bool AddressesNode(int command) { return command != CmdSearch; }

}  // namespace

int DeviceLink::BuildRequest(int command, int block, HeaderFrom from, std::string_view key) {
  if (!IsRequestCommand(command)) return -1;
  Bytes header = nodes_.Outgoing().Header();
  const NodeRecord* node = nodes_.CurrentRecord();
  if (AddressesNode(command) && node == nullptr) return -1;  // no module to address
  if (block < 0 || block > 0xFFFF) return -1;
  const BlockInfo* info = command == CmdWriteBlock ? FindBlock(block) : nullptr;
  if (command == CmdWriteBlock && info == nullptr) return -1;

  if (command == CmdSearch) {
    // Nothing of an earlier request (MAC, login key) goes out with a search.
    Zero(header);
    block = 0;
  } else if (command == CmdLogin || command == CmdFactoryReset || from == HeaderFrom::Node) {
    // These carry the node's stored header.
    CopyInto(header, node->Header());
    if (command != CmdWriteBlock) block = 0;
  }
  lastTransactionId_ = transactionIds_.Next();
  BuildHeader(header, command, block, lastTransactionId_);

  std::size_t length = hdr::kSize;
  switch (command) {
    case CmdReadBlock:
      CopyInto(header.subspan(hdr::MacAddress, hdr::kMacSize),
               node->Header().subspan(hdr::MacAddress, hdr::kMacSize));
      Zero(header.subspan(hdr::LockState, hdr::LoginKey + hdr::kLoginKeySize - hdr::LockState));
      break;
    case CmdWriteBlock:
      CopyInto(header.subspan(hdr::MacAddress, hdr::kMacSize),
               node->Header().subspan(hdr::MacAddress, hdr::kMacSize));
      if (node->LockState() == kLockStateLocked) StoreKey(header, nodes_.LoginPassword());
      CopyInto(Bytes(transmit_).subspan(hdr::kSize, info->size), nodes_.Outgoing().Block(*info));
      length += info->size;
      break;
    case CmdLogin:
      StoreKey(header, key);
      break;
    default:
      break;
  }
  CopyInto(Bytes(transmit_).first(hdr::kSize), header);
  return static_cast<int>(length);
}

LinkResult DeviceLink::Send(int command, int block, HeaderFrom from, std::string_view key) {
  Zero(transmit_);
  Zero(receive_);
  if (transport_ == nullptr) return Failed(LinkStatus::NotOpen);
  const int length = BuildRequest(command, block, from, key);
  if (length < 0) return Failed(LinkStatus::NotBuilt);

  transport_->drain(portLink_, receive_);
  Zero(receive_);
  const int sent =
      transport_->send(portLink_, ConstBytes(transmit_).first(static_cast<std::size_t>(length)));
  if (sent <= 0) return Failed(LinkStatus::SendFailed);
  return {LinkStatus::Ok, sent, LinkStatus::Ok};
}

LinkResult DeviceLink::SendFrame(int command, int block) { return Send(command, block); }

LinkResult DeviceLink::ReceiveFrame(int command, int block) {
  if (transport_ == nullptr) return Failed(LinkStatus::NotOpen);
  // Zeroed before every receive: a short reply is padded with zeros, never
  // with the bytes of an earlier one.
  Zero(receive_);
  const LinkResult received = transport_->receive(portLink_, receive_);
  if (!received.Ok()) return received;

  const ConstBytes header = ConstBytes(receive_).first(hdr::kSize);
  if (lastTransactionId_ == 0 || LoadBE32(header, hdr::TransactionId) != lastTransactionId_) {
    return Failed(LinkStatus::WrongTransaction);
  }
  if (AddressesNode(command)) {
    const NodeRecord* node = nodes_.CurrentRecord();
    if (node == nullptr || !SameMac(node->Header(), header)) {
      return Failed(LinkStatus::WrongModule);
    }
  }
  CopyInto(nodes_.Incoming().Header(), header);
  return StoreReply(command, block, received.length);
}

LinkResult DeviceLink::StoreReply(int command, int block, int length) {
  int stored = length;
  switch (command) {
    case CmdSearch:
      stored = nodes_.AppendFromSearchReply(receive_, length);
      break;
    case CmdReadBlock:
    case CmdWriteBlock:
      stored = nodes_.StoreBlockReply(block, receive_, length);
      break;
    case CmdLogin:
    case CmdFactoryReset:
      stored = nodes_.StoreHeaderReply(receive_, length);
      break;
    default:
      break;
  }
  if (stored < 1) return Failed(LinkStatus::TooShort);
  return {LinkStatus::Ok, stored, LinkStatus::Ok};
}

}  // namespace gw
