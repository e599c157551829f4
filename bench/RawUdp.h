#pragma once
// A plain UDP socket on loopback, the yardstick for the tool's own exchanges:
// the same request datagrams, sent and answered with nothing in between.

#include <chrono>
#include <cstdint>
#include <vector>

namespace gw::bench {

class RawUdp {
 public:
  // Throws std::runtime_error when no socket can be made.
  RawUdp();
  ~RawUdp();
  RawUdp(const RawUdp&) = delete;
  RawUdp& operator=(const RawUdp&) = delete;

  // One datagram to address:port (host order, loopback only); false when it
  // could not be sent.
  bool Send(std::uint32_t address, std::uint16_t port, const std::vector<std::uint8_t>& bytes);
  // The length of the next datagram within `wait`, or -1.
  int Receive(std::chrono::milliseconds wait);

 private:
  int fd_ = -1;
  std::vector<std::uint8_t> buffer_;
};

}  // namespace gw::bench
