#include "NodeTable.h"

#include <algorithm>
#include <stdexcept>

#include "SerialConfig.h"

namespace gw {

namespace {

void CopyInto(Bytes dst, ConstBytes src) { std::copy(src.begin(), src.end(), dst.begin()); }

}  // namespace

NodeTable::NodeTable() : slots_(kNodeSlots + 1) {}

void NodeTable::SetCount(int count) {
  if (count < 0 || count > kNodeSlots) throw std::out_of_range("node count");
  count_ = count;
}

NodeRecord* NodeTable::CurrentRecord() { return current_ < 0 ? nullptr : &Node(current_); }

const NodeRecord* NodeTable::CurrentRecord() const {
  return current_ < 0 ? nullptr : &Node(current_);
}

void NodeTable::UpdateFirmwareNumber(int node) {
  firmware_.at(static_cast<std::size_t>(node)) = FirmwareNumber(Node(node).FirmwareVersion());
}

int NodeTable::AppendFromSearchReply(ConstBytes reply, int length) {
  if (length < static_cast<int>(kSearchReplyMinimum)) return -1;
  const ConstBytes header = reply.first(hdr::kSize);
  if (LoadBE16(header, hdr::ModuleType) != kModuleTypeNxg) return length;
  for (int i = 0; i < count_; ++i) {
    if (SameMac(Node(i).Header(), header)) return length;
  }
  if (count_ >= kNodeSlots) return length;
  NodeRecord& node = Node(count_);
  CopyInto(node.Header(), header);
  CopyInto(node.Block(kBlocks[0]), reply.subspan(hdr::kSize, kBlocks[0].size));
  ++count_;
  return length;
}

int NodeTable::StoreBlockReply(int block, ConstBytes reply, int length) {
  NodeRecord* node = CurrentRecord();
  if (node == nullptr) return length;
  const ConstBytes header = reply.first(hdr::kSize);
  if (!SameMac(node->Header(), header)) return length;
  const BlockInfo* info = FindBlock(block);
  if (info == nullptr) return length;
  if (length < static_cast<int>(info->minReplyLength)) return -1;

  CopyInto(node->Header(), header);
  const ConstBytes payload = reply.subspan(hdr::kSize, info->size);
  Bytes target = node->Block(*info);
  if (block == 0) {
    // Only firmware above 1.54 sends the IPv6 address.
    std::fill(target.begin(), target.end(), std::uint8_t{0});
    const bool ipv6 = HasIpv6AndDeviceServer(FirmwareNumberOf(current_));
    CopyInto(target, payload.first(ipv6 ? info->size : net::kLegacySize));
  } else {
    CopyInto(target, payload);
  }
  return length;
}

int NodeTable::StoreHeaderReply(ConstBytes reply, int length) {
  if (length < static_cast<int>(hdr::kSize)) return -1;
  if (NodeRecord* node = CurrentRecord()) CopyInto(node->Header(), reply.first(hdr::kSize));
  return length;
}

void NodeTable::ResetNodeFlags() {
  for (int i = 0; i < count_; ++i) {
    Node(i).SetSelected(0);
    Node(i).SetOnline(1);
  }
}

void NodeTable::SortNodes() {
  std::stable_sort(
      slots_.begin(), slots_.begin() + count_,
      [](const NodeRecord& a, const NodeRecord& b) { return a.ModuleNumber() < b.ModuleNumber(); });
}

}  // namespace gw
