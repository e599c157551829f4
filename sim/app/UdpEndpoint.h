#pragma once
// The simulator's UDP socket: bound to one address and port, with
// SO_REUSEADDR so that several simulators can share the wildcard address
// (and each one's own loopback address next to them).

#include <netinet/in.h>

#include <cstdint>
#include <string>
#include <vector>

namespace gw::sim {

class UdpEndpoint {
 public:
  UdpEndpoint() = default;
  ~UdpEndpoint();
  UdpEndpoint(const UdpEndpoint&) = delete;
  UdpEndpoint& operator=(const UdpEndpoint&) = delete;

  // `address` with the first octet most significant. False with `error` set.
  bool Open(std::uint32_t address, std::uint16_t port, std::string& error);
  int Fd() const { return fd_; }

  struct Datagram {
    std::vector<std::uint8_t> bytes;
    sockaddr_in from{};
    bool truncated = false;
  };
  // One waiting datagram; false when none is waiting.
  bool Receive(Datagram& datagram);
  bool Send(const std::vector<std::uint8_t>& bytes, const sockaddr_in& to, std::string& error);

 private:
  int fd_ = -1;
};

std::string PeerText(const sockaddr_in& peer);

}  // namespace gw::sim
