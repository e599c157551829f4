#pragma once
// Runs the simulator on its lines until SIGINT or SIGTERM: one poll loop over
// the UDP socket, the pseudo-terminal, the modules' Modbus TCP sockets and a
// signal descriptor, with the delayed replies kept in time order.

#include <chrono>
#include <map>
#include <memory>
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
  };

  bool Open(std::string& error);
  void OpenModbus();
  void OnModbus(std::size_t module, int fd);
  bool WriteReadyFile(std::string& error);
  SimTime Now() const;
  void OnDatagram();
  void OnSerialBytes();
  void Dispatch(Channel channel, std::vector<Outgoing> replies, const sockaddr_in* to);
  void Send(Channel channel, const Outgoing& reply, const sockaddr_in& to);
  void SendDue();
  int PollTimeout(const std::optional<LinePacer::Wait>& line) const;
  void Log(const std::string& line) const;

  Options options_;
  Steady::time_point start_;
  std::unique_ptr<Simulator> simulator_;
  std::unique_ptr<UdpEndpoint> udp_;
  std::unique_ptr<PtyEndpoint> pty_;
  std::vector<std::unique_ptr<ModbusEndpoint>> modbus_;  // per module; empty when not served
  platform::SerialFrameDecoder serialDecoder_;
  std::multimap<Steady::time_point, Delayed> delayed_;
  int signalFd_ = -1;
};

}  // namespace gw::sim
