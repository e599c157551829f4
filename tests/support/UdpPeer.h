#pragma once
// A UDP socket of a test on a loopback address (or in a namespace the test
// made): a module's or a tool's end of the configuration port.

#include <netinet/in.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace gw::test {

// A UDP socket bound to address:port (host order; port 0 for any) with
// SO_REUSEADDR and SO_BROADCAST.
class UdpPeer {
 public:
  UdpPeer(std::uint32_t address, std::uint16_t port);
  ~UdpPeer();
  UdpPeer(const UdpPeer&) = delete;
  UdpPeer& operator=(const UdpPeer&) = delete;

  struct Datagram {
    std::vector<std::uint8_t> bytes;
    sockaddr_in from{};
  };
  // The next datagram within `wait`, if any.
  std::optional<Datagram> Receive(std::chrono::milliseconds wait);
  // The bytes of the next datagram within `wait`; empty when none came.
  std::vector<std::uint8_t> ReceiveBytes(std::chrono::milliseconds wait);
  void SendTo(const sockaddr_in& to, const std::vector<std::uint8_t>& bytes);
  void SendTo(std::uint32_t address, std::uint16_t port, const std::vector<std::uint8_t>& bytes);
  bool Ok() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace gw::test
