#pragma once
// Watches the bytes the tool hands to the transport and gets back from it:
// while a tap is installed, the link's SendData and RecvData entry points go
// through it and every call with data is noted with its time. Only one tap at
// a time.

#include <chrono>
#include <cstdint>
#include <vector>

#include "link/LinkApi.h"

namespace gw::bench {

using Steady = std::chrono::steady_clock;

struct WireSend {
  Steady::time_point at;
  std::vector<std::uint8_t> bytes;  // as sent: a datagram body or a stuffed frame
};

struct WireReceive {
  Steady::time_point at;
  int length;  // as RecvData returned it, above 0
};

class WireTap {
 public:
  explicit WireTap(PortLinkApi& api);
  ~WireTap();
  WireTap(const WireTap&) = delete;
  WireTap& operator=(const WireTap&) = delete;

  const std::vector<WireSend>& Sends() const { return sends_; }
  const std::vector<WireReceive>& Receives() const { return receives_; }

  std::size_t BytesSent() const;
  std::size_t BytesReceived() const;

 private:
  static int TapSend(const std::uint8_t* data, int length);
  static int TapReceive(std::uint8_t* buffer, int capacity);

  PortLinkApi& api_;
  PortLinkApi::SendDataFn send_;
  PortLinkApi::RecvDataFn receive_;
  std::vector<WireSend> sends_;
  std::vector<WireReceive> receives_;
};

}  // namespace gw::bench
