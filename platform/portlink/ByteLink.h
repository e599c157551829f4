#pragma once
// One open link of PortLink: a datagram socket, a TCP connection or a serial
// line, carrying byte blocks.

#include <cstdint>

namespace gw::portlink {

class ByteLink {
 public:
  virtual ~ByteLink() = default;
  // The number of bytes sent, or -1 (errno set).
  virtual int Send(const std::uint8_t* data, int length) = 0;
  // The number of bytes received, 0 when nothing came, -1 on failure.
  virtual int Receive(std::uint8_t* buffer, int capacity) = 0;
  // Greater than 0 when data is waiting, 0 after `milliseconds` without, -1
  // on failure.
  virtual int Wait(int milliseconds) = 0;
};

}  // namespace gw::portlink
