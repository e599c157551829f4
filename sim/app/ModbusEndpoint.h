#pragma once
// One module's Modbus TCP server: a listening socket on the module's own IP
// address and the connections of its clients (the tool, mbpoll, ...). The
// simulator's poll loop watches Fds(); each readable socket is handled with
// libmodbus, one whole request at a time, so the registers are read on the
// loop's own thread, between two requests of the configuration protocol.

#include <modbus/modbus.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace gw::sim {

class ModbusEndpoint {
 public:
  // Function 3: the registers, or nothing for an "illegal data address"
  // exception.
  using Read = std::function<std::optional<std::vector<std::uint16_t>>(std::uint16_t start,
                                                                       std::uint16_t count)>;
  using Log = std::function<void(const std::string&)>;

  ModbusEndpoint() = default;
  ~ModbusEndpoint();
  ModbusEndpoint(const ModbusEndpoint&) = delete;
  ModbusEndpoint& operator=(const ModbusEndpoint&) = delete;

  // `address` with the first octet most significant. False with `error` set.
  bool Open(std::uint32_t address, std::uint16_t port, std::string& error);
  // "127.1.0.1:502"
  const std::string& Where() const { return where_; }

  // The listening socket first, then one per client.
  std::vector<int> Fds() const;
  // `fd`, one of Fds(), is readable: takes a new client, or answers one
  // request of a client (a client that hung up or sent something that is not
  // Modbus TCP is let go). `log` (may be empty) gets a line per request.
  void OnReadable(int fd, const Read& read, const Log& log);

 private:
  struct Client {
    int fd;
    std::string peer;
  };
  void Accept(const Log& log);
  void Serve(const Client& client, const Read& read, const Log& log);
  void Drop(int fd);

  modbus_t* context_ = nullptr;
  int listenFd_ = -1;
  std::vector<Client> clients_;
  std::string where_;
};

}  // namespace gw::sim
