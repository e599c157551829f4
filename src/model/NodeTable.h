#pragma once
// The document's node data: the table of found modules, the current node, the
// firmware numbers, the record-shaped images in which writes are composed and
// replies received, and the login state.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "NodeRecord.h"

namespace gw {

class NodeTable {
 public:
  static constexpr int kNodeSlots = 254;    // slots 0..253 hold nodes
  static constexpr int kSpareSlot = 254;    // never shown
  static constexpr int kSearchLimit = 253;  // a search fills at most this many
  static constexpr int kNoNode = -1;

  NodeTable();

  int Count() const { return count_; }
  void SetCount(int count);
  int Current() const { return current_; }
  void SetCurrent(int index) { current_ = index; }
  bool SearchedOnce() const { return searchedOnce_; }
  void SetSearchedOnce() { searchedOnce_ = true; }

  NodeRecord& Node(int slot) { return slots_.at(static_cast<std::size_t>(slot)); }
  const NodeRecord& Node(int slot) const { return slots_.at(static_cast<std::size_t>(slot)); }
  // The current node's record; null when there is none.
  NodeRecord* CurrentRecord();
  const NodeRecord* CurrentRecord() const;

  int FirmwareNumberOf(int node) const { return firmware_.at(static_cast<std::size_t>(node)); }
  // Sets the node's firmware number from its FirmwareVersion.
  void UpdateFirmwareNumber(int node);

  NodeRecord& Outgoing() { return outgoing_; }
  const NodeRecord& Outgoing() const { return outgoing_; }
  NodeRecord& Incoming() { return incoming_; }

  const std::string& LoginPassword() const { return loginPassword_; }
  void SetLoginPassword(std::string password) { loginPassword_ = std::move(password); }
  bool Locked() const { return locked_; }
  void SetLocked(bool locked) { locked_ = locked; }

  // A search reply (header then NetworkBlock) whose transaction id has been
  // checked: a reply shorter than 98 bytes is refused (-1); one of another
  // module type or with a MAC address already in the table adds nothing; else
  // it becomes the node at index Count(). Returns -1 or the reply length.
  // `reply` is the receive buffer, `length` the received length; bytes beyond
  // the length are taken as the buffer holds them.
  int AppendFromSearchReply(ConstBytes reply, int length);

  // A read or write reply for `block` whose transaction id has been checked,
  // stored into the current node: a reply of another MAC address or for a
  // number that is not a block stores nothing and counts as received; one
  // shorter than the block's minimum is refused (-1). `reply` must hold at
  // least the header and the block's size. Returns -1 or `length`.
  int StoreBlockReply(int block, ConstBytes reply, int length);

  // A login or factory reset reply: replaces only the current node's header.
  int StoreHeaderReply(ConstBytes reply, int length);

  // Every node: Selected 0, Online 1.
  void ResetNodeFlags();
  // Orders the nodes by ModuleNumber.
  void SortNodes();

 private:
  std::vector<NodeRecord> slots_;  // kNodeSlots + the spare slot
  std::array<int, kNodeSlots> firmware_{};
  NodeRecord outgoing_{};
  NodeRecord incoming_{};
  int count_ = 0;
  int current_ = kNoNode;
  bool searchedOnce_ = false;
  std::string loginPassword_;
  bool locked_ = false;
};

}  // namespace gw
