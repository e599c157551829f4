// Construction, and opening and closing the configuration link and the
// Modbus link on the transport chosen when they open.
#include "DeviceLink.h"

#include <arpa/inet.h>

#include <algorithm>

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

LinkStatus DeviceLink::OpenLink(std::optional<std::uint32_t> aim) {
  CloseLink();
  const Transport* transport = TransportFor(CommType());
  if (transport == nullptr) return LinkStatus::NoTransport;
  std::uint32_t remote = 0;
  if (transport->commType == kCommEthernet) {
    if (aim) portLink_.SetRemoteIPAddr(htonl(*aim));
    remote = aim ? htonl(*aim) : htonl(portLink_.GetRemoteIPAddr());
  }
  if (!transport->open(portLink_, remote)) return LinkStatus::CannotOpen;
  transport_ = transport;
  return LinkStatus::Ok;
}

void DeviceLink::CloseLink() {
  if (transport_ == nullptr) return;
  transport_->close(portLink_);
  transport_ = nullptr;
}

LinkStatus DeviceLink::OpenModbusLink() {
  CloseModbusLink();
  const Transport* transport = TransportFor(CommType());
  if (transport == nullptr) return LinkStatus::NoTransport;
  const NodeRecord* node = nodes_.CurrentRecord();
  if (transport->commType == kCommEthernet && node == nullptr) return LinkStatus::NotBuilt;
  const std::uint32_t nodeAddress = node != nullptr ? htonl(node->IpAddress()) : 0;
  if (!transport->openModbus(portLink_, mbKit_, nodeAddress, savedRemoteAddress_)) {
    return LinkStatus::CannotOpen;
  }
  modbusTransport_ = transport;
  return LinkStatus::Ok;
}

void DeviceLink::CloseModbusLink() {
  if (modbusTransport_ == nullptr) return;
  modbusTransport_->closeModbus(portLink_, mbKit_, savedRemoteAddress_);
  modbusTransport_ = nullptr;
}

LinkResult DeviceLink::ModbusRequest(int station, int function, ConstBytes data, Bytes reply) {
  const Transport* transport = modbusTransport_;
  if (transport == nullptr) return Failed(LinkStatus::NotOpen);
  if (mbKit_.RequestData(station, function, data.data(), static_cast<int>(data.size())) <= 0) {
    return Failed(LinkStatus::SendFailed);
  }
  const auto wait = transport->modbusReplyWait;
  if (wait.count() > 0 && mbKit_.ReadSelect(static_cast<int>(wait.count())) <= 0) {
    return Failed(LinkStatus::TimedOut);
  }
  std::array<std::uint8_t, kModbusReplyData> fetched{};
  const int length = mbKit_.ResponseData(nullptr, nullptr, fetched.data());
  if (length < 0 || length > static_cast<int>(fetched.size())) return Failed(LinkStatus::BadFrame);
  const auto taken = std::min(reply.size(), static_cast<std::size_t>(length));
  std::copy_n(fetched.begin(), taken, reply.begin());
  return {LinkStatus::Ok, static_cast<int>(taken), LinkStatus::Ok};
}

ConstBytes DeviceLink::LastReplyHeader() const { return nodes_.Incoming().Header(); }

}  // namespace gw
