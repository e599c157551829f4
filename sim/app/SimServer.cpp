#include "SimServer.h"

#include <arpa/inet.h>
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <utility>

#include "SerialReply.h"
#include "model/NodeRecord.h"
#include "platform/util/AtomicFile.h"

namespace gw::sim {

SimServer::SimServer(const Options& options) : options_(options), start_(Steady::now()) {}

SimServer::~SimServer() {
  if (signalFd_ >= 0) ::close(signalFd_);
  if (!options_.readyFile.empty()) ::unlink(options_.readyFile.c_str());
}

SimTime SimServer::Now() const {
  return std::chrono::duration_cast<SimTime>(Steady::now() - start_);
}

void SimServer::Log(const std::string& line) const {
  const double seconds = static_cast<double>(Now().count()) / 1000.0;
  std::fprintf(stderr, "[%9.3f] %s\n", seconds, line.c_str());
}

bool SimServer::Open(std::string& error) {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  signalFd_ = ::signalfd(-1, &signals, SFD_NONBLOCK | SFD_CLOEXEC);
  if (signalFd_ < 0) {
    error = std::string("cannot watch for signals: ") + std::strerror(errno);
    return false;
  }
  Simulator::Log log;
  if (options_.verbose) log = [this](const std::string& line) { Log(line); };
  simulator_ = std::make_unique<Simulator>(options_.settings, Now(), log,
                                           [this](const std::string& line) { Log(line); });
  if (options_.address) {
    udp_ = std::make_unique<UdpEndpoint>();
    if (!udp_->Open(*options_.address, options_.port, error)) return false;
    OpenModuleAddresses();
  }
  if (options_.serial) {
    pty_ = std::make_unique<PtyEndpoint>();
    if (!pty_->Open(options_.link, options_.pace, error)) return false;
  }
  OpenModbus();
  return true;
}

std::unique_ptr<ModbusEndpoint> SimServer::ModbusOn(std::uint32_t address, std::string& error) {
  if (!IsLoopback(address)) {
    error = "cannot serve Modbus TCP on " + Ipv4Text(address) + ":" +
            std::to_string(options_.modbusPort) + ": not a loopback address";
    return nullptr;
  }
  auto endpoint = std::make_unique<ModbusEndpoint>();
  if (!endpoint->Open(address, options_.modbusPort, error)) return nullptr;
  return endpoint;
}

void SimServer::OpenModbus() {
  if (options_.modbusPort == 0) return;
  // A module whose port cannot be had goes without Modbus: the configuration
  // protocol is served all the same.
  std::size_t failed = 0;
  std::string first;
  for (std::size_t i = 0; i < simulator_->ModuleCount(); ++i) {
    std::string error;
    modbusAt_.push_back(simulator_->Module(i).IpAddress());
    modbus_.push_back(ModbusOn(modbusAt_.back(), error));
    if (!modbus_.back() && failed++ == 0) first = error;
  }
  if (failed == 0) return;
  std::fprintf(stderr,
               "nxgsim: %s; %zu of %zu modules serve no Modbus TCP (the configuration "
               "protocol is served as usual)\n",
               first.c_str(), failed, modbus_.size());
}

void SimServer::FollowModbus() {
  for (std::size_t i = 0; i < modbus_.size(); ++i) {
    const std::uint32_t address = simulator_->Module(i).IpAddress();
    if (address == modbusAt_[i]) continue;
    // Its clients go with the old address, as with a module given a new one.
    modbusAt_[i] = address;
    modbus_[i].reset();
    std::string error;
    modbus_[i] = ModbusOn(address, error);
    if (!modbus_[i]) {
      std::fprintf(stderr, "nxgsim: %s; module %zu serves no Modbus TCP\n", error.c_str(), i + 1);
    } else if (options_.verbose) {
      Log("   module " + std::to_string(i + 1) + " serves Modbus TCP on " + modbus_[i]->Where());
    }
  }
}

std::set<std::uint32_t> SimServer::HeldAddresses() const {
  std::set<std::uint32_t> held;
  for (std::size_t i = 0; i < simulator_->ModuleCount(); ++i)
    held.insert(simulator_->Module(i).IpAddress());
  return held;
}

void SimServer::OpenModuleAddresses() {
  for (const std::uint32_t address : HeldAddresses()) {
    // The simulator's own socket already serves its address, with every module.
    if (address == *options_.address || moduleUdp_.contains(address) || unbound_.contains(address))
      continue;
    const std::string where = Ipv4Text(address) + ":" + std::to_string(options_.port);
    std::string error = "cannot listen on " + where + ": not a loopback address";
    if (IsLoopback(address)) {
      auto socket = std::make_unique<UdpEndpoint>();
      if (socket->Open(address, options_.port, error)) {
        moduleUdp_.emplace(address, std::move(socket));
        if (options_.verbose) Log("   listening on module address " + where);
        continue;
      }
    }
    // Said once for as long as a module holds the address.
    unbound_.insert(address);
    std::fprintf(stderr, "nxgsim: %s; the modules with IpAddress %s answer on %s only\n",
                 error.c_str(), Ipv4Text(address).c_str(),
                 (Ipv4Text(*options_.address) + ":" + std::to_string(options_.port)).c_str());
  }
}

void SimServer::CloseLeftAddresses() {
  const std::set<std::uint32_t> held = HeldAddresses();
  std::erase_if(moduleUdp_, [&](const auto& socket) { return !held.contains(socket.first); });
  std::erase_if(unbound_, [&](std::uint32_t a) { return !held.contains(a); });
}

UdpEndpoint* SimServer::SocketFor(std::optional<std::uint32_t> via) {
  if (!via) return udp_.get();
  const auto socket = moduleUdp_.find(*via);
  return socket != moduleUdp_.end() ? socket->second.get() : nullptr;
}

void SimServer::OnModbus(std::size_t module, int fd) {
  // A module the last request moved has a new endpoint, or none.
  if (!modbus_[module]) return;
  ModbusEndpoint::Log log;
  if (options_.verbose) log = [this](const std::string& line) { Log(line); };
  modbus_[module]->OnReadable(
      fd,
      [this, module](std::uint16_t start, std::uint16_t count) {
        return simulator_->ReadRegisters(module, start, count, Now());
      },
      log);
}

bool SimServer::WriteReadyFile(std::string& error) {
  if (options_.readyFile.empty()) return true;
  // Written aside and renamed, so a reader never sees half of it.
  std::ostringstream text;
  if (udp_) text << "udp " << Ipv4Text(*options_.address) << ":" << options_.port << "\n";
  if (pty_) text << "serial " << pty_->Path() << "\n";
  if (!platform::WriteFileAtomically(options_.readyFile, text.str())) {
    error = "cannot write the ready file " + options_.readyFile + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

void SimServer::Send(Channel channel, const Outgoing& reply, const sockaddr_in& to,
                     std::optional<std::uint32_t> via) {
  if (channel == Channel::Serial) {
    pty_->Queue(EncodeSerialReply(reply));
    return;
  }
  // A module that has left the address a request came in on (the request
  // moved it, or a delayed reply outlived the move) answers from ours.
  UdpEndpoint* socket = SocketFor(via);
  if (socket == nullptr) socket = udp_.get();
  std::string error;
  if (!socket->Send(reply.body, to, error)) Log(error);
}

void SimServer::Dispatch(Channel channel, std::vector<Outgoing> replies, const sockaddr_in* to,
                         std::optional<std::uint32_t> via) {
  // A module the request moved listens on its new address before the reply
  // goes out (the tool may turn to it at once), and leaves the old one after.
  if (udp_) OpenModuleAddresses();
  const auto now = Steady::now();
  for (Outgoing& reply : replies) {
    Delayed d{channel, std::move(reply), to ? *to : sockaddr_in{}, via};
    if (d.reply.delay.count() > 0) {
      const auto due = now + d.reply.delay;
      delayed_.emplace(due, std::move(d));
    } else {
      Send(d.channel, d.reply, d.to, d.via);
    }
  }
  if (udp_) CloseLeftAddresses();
  FollowModbus();
}

void SimServer::SendDue() {
  const auto now = Steady::now();
  while (!delayed_.empty() && delayed_.begin()->first <= now) {
    const Delayed d = delayed_.begin()->second;
    delayed_.erase(delayed_.begin());
    Send(d.channel, d.reply, d.to, d.via);
  }
}

void SimServer::OnDatagram(std::optional<std::uint32_t> via) {
  UdpEndpoint::Datagram d;
  // The socket is looked up for each datagram: a write may take the last
  // module off `via` and its socket with it.
  for (UdpEndpoint* socket = SocketFor(via); socket != nullptr && socket->Receive(d);
       socket = SocketFor(via)) {
    const std::string peer = PeerText(d.from) + (via ? " to " + Ipv4Text(*via) : "");
    if (d.truncated) {
      Log("ignored request from " + peer + ": datagram longer than a frame");
      continue;
    }
    Dispatch(Channel::Udp, simulator_->Handle(d.bytes, Channel::Udp, Now(), peer, via), &d.from,
             via);
  }
}

void SimServer::OnSerialBytes() {
  for (;;) {
    const auto bytes = pty_->Receive();
    if (bytes.empty()) return;
    for (auto& frame : serialDecoder_.Feed(bytes)) {
      using Verdict = platform::SerialFrameDecoder::Verdict;
      if (frame.verdict != Verdict::Good) {
        const std::string longest = std::to_string(platform::kMaxFrameBody);
        Log(frame.verdict == Verdict::TooLong
                ? "ignored serial frame with a body longer than " + longest + " bytes"
                : "ignored serial frame with a bad checksum");
        continue;
      }
      Dispatch(Channel::Serial, simulator_->Handle(frame.body, Channel::Serial, Now(), "serial"),
               nullptr, std::nullopt);
    }
  }
}

int SimServer::PollTimeout(const std::optional<LinePacer::Wait>& line) const {
  using std::chrono::milliseconds;
  std::optional<milliseconds> wait;
  if (!delayed_.empty()) {
    const auto left = delayed_.begin()->first - Steady::now();
    wait = std::chrono::ceil<milliseconds>(left);
  }
  if (line && !line->writable) {
    const auto ms = std::chrono::ceil<milliseconds>(line->after);
    wait = wait ? std::min(*wait, ms) : ms;
  }
  if (!wait) return -1;
  return static_cast<int>(std::max<long long>(0, wait->count()));
}

int SimServer::Run() {
  std::string error;
  if (!Open(error)) {
    std::fprintf(stderr, "nxgsim: %s\n", error.c_str());
    return 1;
  }
  // Standard output first: whoever waits for the ready file may read it next.
  if (pty_) std::printf("serial %s\n", pty_->Path().c_str());
  std::printf("ready\n");
  std::fflush(stdout);
  if (!WriteReadyFile(error)) {
    std::fprintf(stderr, "nxgsim: %s\n", error.c_str());
    return 1;
  }
  if (options_.verbose) {
    for (std::size_t i = 0; i < simulator_->ModuleCount(); ++i) {
      const ModuleSetup& m = simulator_->Module(i).Setup();
      Log("module " + std::to_string(m.index) + ": MAC " + MacText(m.mac) + " number " +
          std::to_string(m.moduleNumber) + " \"" + m.name + "\" IP " + Ipv4Text(m.ipAddress) +
          " firmware " + FirmwareText(m.firmware) + (m.password.empty() ? "" : " locked") +
          (i < modbus_.size() && modbus_[i] ? " Modbus TCP " + modbus_[i]->Where() : ""));
    }
  }

  for (;;) {
    SendDue();
    // The line's wait is taken at the instant of its flush: taken later, it
    // could find the pacer open again while the poll does not ask for the
    // terminal, and the rest of a reply would wait for the next request.
    const auto micros = std::chrono::duration_cast<LinePacer::Micros>(Steady::now() - start_);
    std::optional<LinePacer::Wait> line;
    if (pty_) {
      pty_->Flush(micros);
      line = pty_->NextWait(micros);
    }

    std::vector<pollfd> fds;
    fds.push_back({signalFd_, POLLIN, 0});
    const int udpIndex = udp_ ? static_cast<int>(fds.size()) : -1;
    if (udp_) fds.push_back({udp_->Fd(), POLLIN, 0});
    const std::size_t moduleUdpFrom = fds.size();
    std::vector<std::uint32_t> moduleAddresses;
    for (const auto& [address, socket] : moduleUdp_) {
      fds.push_back({socket->Fd(), POLLIN, 0});
      moduleAddresses.push_back(address);
    }
    const int ptyIndex = pty_ ? static_cast<int>(fds.size()) : -1;
    if (pty_) {
      const short events = static_cast<short>(POLLIN | (line && line->writable ? POLLOUT : 0));
      fds.push_back({pty_->Fd(), events, 0});
    }
    // The Modbus sockets follow, each with the module it belongs to.
    const std::size_t modbusFrom = fds.size();
    std::vector<std::size_t> owners;
    for (std::size_t i = 0; i < modbus_.size(); ++i) {
      if (!modbus_[i]) continue;
      for (int fd : modbus_[i]->Fds()) {
        fds.push_back({fd, POLLIN, 0});
        owners.push_back(i);
      }
    }
    const int ready = ::poll(fds.data(), fds.size(), PollTimeout(line));
    if (ready < 0) {
      if (errno == EINTR) continue;
      std::fprintf(stderr, "nxgsim: poll failed: %s\n", std::strerror(errno));
      return 1;
    }
    if (fds[0].revents & POLLIN) {
      if (options_.verbose) Log("stopping on a signal");
      return 0;
    }
    if (udpIndex >= 0 && (fds[udpIndex].revents & POLLIN)) OnDatagram(std::nullopt);
    // Looked up by address: a socket a write closed earlier in this round is skipped.
    for (std::size_t k = 0; k < moduleAddresses.size(); ++k) {
      if (fds[moduleUdpFrom + k].revents & POLLIN) OnDatagram(moduleAddresses[k]);
    }
    if (ptyIndex >= 0 && (fds[ptyIndex].revents & POLLIN)) OnSerialBytes();
    for (std::size_t k = modbusFrom; k < fds.size(); ++k) {
      if (fds[k].revents & (POLLIN | POLLHUP | POLLERR))
        OnModbus(owners[k - modbusFrom], fds[k].fd);
    }
  }
}

}  // namespace gw::sim
