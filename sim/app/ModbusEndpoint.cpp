#include "ModbusEndpoint.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "UdpEndpoint.h"
#include "platform/util/Ipv4Text.h"

namespace gw::sim {

namespace {

// More clients than a module takes at once are let go as they come.
constexpr std::size_t kMaxClients = 32;
constexpr int kBacklog = 8;
// A request is read whole while the loop waits: a client that stops halfway
// holds up the other lines for at most this long, and is then let go.
constexpr std::uint32_t kRequestWaitUs = 100000;

std::string Hex(unsigned v) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04X", v);
  return text;
}

}  // namespace

ModbusEndpoint::~ModbusEndpoint() {
  for (const Client& c : clients_) ::close(c.fd);
  if (listenFd_ >= 0) ::close(listenFd_);
  if (context_ != nullptr) modbus_free(context_);
}

bool ModbusEndpoint::Open(std::uint32_t address, std::uint16_t port, std::string& error) {
  const std::string ip = platform::FormatIpv4(address);
  where_ = ip + ":" + std::to_string(port);
  context_ = modbus_new_tcp(ip.c_str(), port);
  if (context_ == nullptr) {
    error = "cannot serve Modbus TCP on " + where_ + ": " + modbus_strerror(errno);
    return false;
  }
  modbus_set_indication_timeout(context_, 0, kRequestWaitUs);
  modbus_set_byte_timeout(context_, 0, kRequestWaitUs);
  listenFd_ = modbus_tcp_listen(context_, kBacklog);
  if (listenFd_ < 0) {
    error = "cannot serve Modbus TCP on " + where_ + ": " + std::strerror(errno);
    return false;
  }
  // A client that is gone before it is taken must not hold up the loop.
  ::fcntl(listenFd_, F_SETFL, ::fcntl(listenFd_, F_GETFL) | O_NONBLOCK);
  return true;
}

std::vector<int> ModbusEndpoint::Fds() const {
  std::vector<int> fds;
  if (listenFd_ < 0) return fds;
  fds.push_back(listenFd_);
  for (const Client& c : clients_) fds.push_back(c.fd);
  return fds;
}

void ModbusEndpoint::OnReadable(int fd, const Read& read, const Log& log) {
  if (fd >= 0 && fd == listenFd_) {
    Accept(log);
    return;
  }
  // A socket this endpoint let go earlier in the same round is not its own.
  const auto client =
      std::find_if(clients_.begin(), clients_.end(), [fd](const Client& c) { return c.fd == fd; });
  if (client != clients_.end()) Serve(Client(*client), read, log);
}

void ModbusEndpoint::Accept(const Log& log) {
  for (;;) {
    sockaddr_in peer{};
    socklen_t length = sizeof peer;
    const int fd = ::accept4(listenFd_, reinterpret_cast<sockaddr*>(&peer), &length, SOCK_CLOEXEC);
    if (fd < 0) return;
    const std::string name = PeerText(peer);
    if (clients_.size() >= kMaxClients) {
      ::close(fd);
      if (log) log("   modbus " + where_ + ": client " + name + " let go, too many clients");
      continue;
    }
    clients_.push_back({fd, name});
    if (log) log("   modbus " + where_ + ": client " + name + " connected");
  }
}

void ModbusEndpoint::Serve(const Client& client, const Read& read, const Log& log) {
  modbus_set_socket(context_, client.fd);
  std::array<std::uint8_t, MODBUS_TCP_MAX_ADU_LENGTH> query{};
  const int length = modbus_receive(context_, query.data());
  if (length <= 0) {
    if (log) log("   modbus " + where_ + ": client " + client.peer + " gone");
    Drop(client.fd);
    return;
  }
  const auto header = static_cast<std::size_t>(modbus_get_header_length(context_));
  const std::uint8_t function = query[header];
  // An empty mapping: libmodbus answers every address with an exception.
  modbus_mapping_t mapping{};
  std::vector<std::uint16_t> registers;
  std::string said = "function " + std::to_string(function);
  if (function == MODBUS_FC_READ_HOLDING_REGISTERS &&
      static_cast<std::size_t>(length) >= header + 5) {
    const auto start = static_cast<std::uint16_t>(query[header + 1] << 8 | query[header + 2]);
    const auto count = static_cast<std::uint16_t>(query[header + 3] << 8 | query[header + 4]);
    said = "read " + std::to_string(count) + " from " + Hex(start);
    if (count >= 1 && count <= MODBUS_MAX_READ_REGISTERS) {
      if (auto values = read(start, count)) {
        registers = std::move(*values);
        mapping.start_registers = start;
        mapping.nb_registers = count;
        mapping.tab_registers = registers.data();
      }
    }
  }
  if (log) {
    log("<- modbus " + where_ + " station " + std::to_string(query[header - 1]) + " from " +
        client.peer + ": " + said + (registers.empty() ? ", exception" : ""));
  }
  if (modbus_reply(context_, query.data(), length, &mapping) < 0) Drop(client.fd);
}

void ModbusEndpoint::Drop(int fd) {
  ::close(fd);
  clients_.erase(std::remove_if(clients_.begin(), clients_.end(),
                                [fd](const Client& c) { return c.fd == fd; }),
                 clients_.end());
}

}  // namespace gw::sim
