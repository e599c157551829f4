#pragma once
// Runs the simulator on its lines until SIGINT or SIGTERM: one poll loop over
// the UDP socket, the modules' own UDP sockets, the pseudo-terminal, the
// modules' Modbus TCP sockets and a signal descriptor, with the delayed
// replies kept in time order.

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ModbusEndpoint.h"
#include "PtyEndpoint.h"
#include "Simulator.h"
#include "UdpEndpoint.h"
#include "platform/util/SerialFrameDecoder.h"

namespace gw::sim {

class SimServer {
 public:
  explicit SimServer(const Options& options);
  ~SimServer();

  // Opens the lines, announces readiness, and serves. The process exit code.
  int Run();

 private:
  using Steady = std::chrono::steady_clock;

  struct Delayed {
    Channel channel;
    Outgoing reply;
    sockaddr_in to{};
    std::optional<std::uint32_t> via;  // the module address it came in on; none: --address
  };

  bool Open(std::string& error);
  // A Modbus endpoint on a module's address (loopback only); null with `error`
  // when it cannot be had.
  std::unique_ptr<ModbusEndpoint> ModbusOn(std::uint32_t address, std::string& error);
  void OpenModbus();
  // Moves the endpoint of each module whose IpAddress a write changed.
  void FollowModbus();
  void OnModbus(std::size_t module, int fd);
  bool WriteReadyFile(std::string& error);
  SimTime Now() const;
  // A module answers on its own IpAddress too (after a write of its network
  // block, the new one): one UDP socket on each address the modules hold.
  std::set<std::uint32_t> HeldAddresses() const;
  void OpenModuleAddresses();
  void CloseLeftAddresses();
  // Our socket, or the one on module address `via` (null when none is open there).
  UdpEndpoint* SocketFor(std::optional<std::uint32_t> via);
  // Takes the datagrams waiting on our socket (`via` none) or on a module address.
  void OnDatagram(std::optional<std::uint32_t> via);
  void OnSerialBytes();
  // `via`: the module address the request came in on; the replies go out from it.
  void Dispatch(Channel channel, std::vector<Outgoing> replies, const sockaddr_in* to,
                std::optional<std::uint32_t> via);
  void Send(Channel channel, const Outgoing& reply, const sockaddr_in& to,
            std::optional<std::uint32_t> via);
  void SendDue();
  int PollTimeout(const std::optional<LinePacer::Wait>& line) const;
  void Log(const std::string& line) const;

  Options options_;
  Steady::time_point start_;
  std::unique_ptr<Simulator> simulator_;
  std::unique_ptr<UdpEndpoint> udp_;
  std::map<std::uint32_t, std::unique_ptr<UdpEndpoint>> moduleUdp_;  // by module address
  std::set<std::uint32_t> unbound_;  // module addresses already said to go without
  std::unique_ptr<PtyEndpoint> pty_;
  std::vector<std::unique_ptr<ModbusEndpoint>> modbus_;  // per module; empty when not served
  std::vector<std::uint32_t> modbusAt_;                  // the address of each one
  platform::SerialFrameDecoder serialDecoder_;
  std::multimap<Steady::time_point, Delayed> delayed_;
  int signalFd_ = -1;
};

}  // namespace gw::sim
