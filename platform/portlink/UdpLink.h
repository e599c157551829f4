#pragma once
// The Ethernet link of the configuration protocol: a UDP socket on a local
// port, aimed at the remote address and port. It is not connected, since
// replies to a broadcast come from many modules.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/portlink/ByteLink.h"

namespace gw::portlink {

class UdpLink final : public ByteLink {
 public:
  // Addresses in host order. `localPort` 0 takes an ephemeral port.
  // `broadcastReplacement` is sent to instead of 255.255.255.255. Null with
  // errno set when the socket cannot be made.
  static std::unique_ptr<UdpLink> Open(std::uint32_t remote, std::uint16_t remotePort,
                                       std::uint16_t localPort,
                                       std::optional<std::uint32_t> broadcastReplacement);
  ~UdpLink() override;
  UdpLink(const UdpLink&) = delete;
  UdpLink& operator=(const UdpLink&) = delete;

  // One datagram to the remote address (to each interface's broadcast
  // address for 255.255.255.255). Refused with -1 and EPERM when any
  // destination lies outside loopback under GWSUITE_LOOPBACK_ONLY=1.
  int Send(const std::uint8_t* data, int length) override;
  // One waiting datagram, without waiting; a datagram larger than
  // `capacity` is dropped with -1 and EMSGSIZE.
  int Receive(std::uint8_t* buffer, int capacity) override;
  int Wait(int milliseconds) override;

 private:
  UdpLink(int fd, std::uint32_t remote, std::uint16_t remotePort,
          std::optional<std::uint32_t> broadcastReplacement);
  std::vector<std::uint32_t> Destinations() const;

  int fd_;
  std::uint32_t remote_;
  std::uint16_t remotePort_;
  std::optional<std::uint32_t> broadcastReplacement_;
};

}  // namespace gw::portlink
