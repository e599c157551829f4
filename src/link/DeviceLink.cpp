#include "DeviceLink.h"

namespace gw {

DeviceLink::DeviceLink(NodeTable& nodes, UserInterface& ui, Clock& clock)
    : nodes_(nodes), ui_(ui), clock_(clock) {}

DeviceLink::~DeviceLink() {
  // PortLink is released when the link goes; MbKit stays loaded until the
  // process ends.
  if (loader_ != nullptr && portLink_.module != nullptr) loader_->Close(portLink_.module);
}

int DeviceLink::CommType() const {
  // Unbound: neither serial nor Ethernet, so every operation declines.
  return portLink_.GetCommType != nullptr ? portLink_.GetCommType() : -1;
}

int DeviceLink::ReadSelect(std::chrono::milliseconds wait) {
  if (portLink_.ReadSelect == nullptr) return -1;
  return portLink_.ReadSelect(static_cast<int>(wait.count()));
}

ConstBytes DeviceLink::LastReplyHeader() const { return nodes_.Incoming().Header(); }

std::uint16_t DeviceLink::CurrentReplyCode() const {
  const NodeRecord* node = nodes_.CurrentRecord();
  return node != nullptr ? node->ReplyCode() : 0;
}

}  // namespace gw
