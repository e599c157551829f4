#pragma once
// A TCP connection carrying raw bytes (PortLink's OpenModbusTCPSocket).

#include <cstdint>
#include <memory>

#include "platform/portlink/ByteLink.h"

namespace gw::portlink {

class TcpLink final : public ByteLink {
 public:
  // Connects to `remote` (host order) within `connectMilliseconds`. Null with
  // errno set on failure; EPERM when GWSUITE_LOOPBACK_ONLY=1 forbids the
  // address.
  static std::unique_ptr<TcpLink> Connect(std::uint32_t remote, std::uint16_t port,
                                          int connectMilliseconds);
  ~TcpLink() override;
  TcpLink(const TcpLink&) = delete;
  TcpLink& operator=(const TcpLink&) = delete;

  int Send(const std::uint8_t* data, int length) override;
  // What is waiting, without waiting; -1 with ECONNRESET once the peer has
  // closed.
  int Receive(std::uint8_t* buffer, int capacity) override;
  int Wait(int milliseconds) override;

 private:
  explicit TcpLink(int fd) : fd_(fd) {}
  int fd_;
};

}  // namespace gw::portlink
