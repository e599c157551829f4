#include "WireTap.h"

#include <stdexcept>

namespace gw::bench {

namespace {
WireTap* active = nullptr;
}

WireTap::WireTap(PortLinkApi& api) : api_(api), send_(api.SendData), receive_(api.RecvData) {
  if (active != nullptr) throw std::logic_error("a wire tap is installed already");
  if (send_ == nullptr || receive_ == nullptr) throw std::logic_error("the link is not bound");
  sends_.reserve(512);
  receives_.reserve(512);
  active = this;
  api_.SendData = &TapSend;
  api_.RecvData = &TapReceive;
}

WireTap::~WireTap() {
  api_.SendData = send_;
  api_.RecvData = receive_;
  active = nullptr;
}

int WireTap::TapSend(const std::uint8_t* data, int length) {
  const int sent = active->send_(data, length);
  if (sent > 0) active->sends_.push_back({Steady::now(), {data, data + sent}});
  return sent;
}

int WireTap::TapReceive(std::uint8_t* buffer, int capacity) {
  const int received = active->receive_(buffer, capacity);
  if (received > 0) active->receives_.push_back({Steady::now(), received});
  return received;
}

std::size_t WireTap::BytesSent() const {
  std::size_t total = 0;
  for (const WireSend& s : sends_) total += s.bytes.size();
  return total;
}

std::size_t WireTap::BytesReceived() const {
  std::size_t total = 0;
  for (const WireReceive& r : receives_) total += static_cast<std::size_t>(r.length);
  return total;
}

}  // namespace gw::bench
