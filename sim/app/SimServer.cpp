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
  }
  if (options_.serial) {
    pty_ = std::make_unique<PtyEndpoint>();
    if (!pty_->Open(options_.link, options_.pace, error)) return false;
  }
  OpenModbus();
  return true;
}

void SimServer::OpenModbus() {
  if (options_.modbusPort == 0) return;
  // A module whose port cannot be had goes without Modbus: the configuration
  // protocol is served all the same.
  std::size_t failed = 0;
  std::string first;
  for (std::size_t i = 0; i < simulator_->ModuleCount(); ++i) {
    auto endpoint = std::make_unique<ModbusEndpoint>();
    std::string error;
    if (!endpoint->Open(simulator_->Module(i).Setup().ipAddress, options_.modbusPort, error)) {
      if (failed++ == 0) first = error;
      endpoint.reset();
    }
    modbus_.push_back(std::move(endpoint));
  }
  if (failed == 0) return;
  std::fprintf(stderr,
               "nxgsim: %s; %zu of %zu modules serve no Modbus TCP (the configuration "
               "protocol is served as usual)\n",
               first.c_str(), failed, modbus_.size());
}

void SimServer::OnModbus(std::size_t module, int fd) {
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

void SimServer::Send(Channel channel, const Outgoing& reply, const sockaddr_in& to) {
  if (channel == Channel::Serial) {
    pty_->Queue(EncodeSerialReply(reply));
    return;
  }
  std::string error;
  if (!udp_->Send(reply.body, to, error)) Log(error);
}

void SimServer::Dispatch(Channel channel, std::vector<Outgoing> replies, const sockaddr_in* to) {
  const auto now = Steady::now();
  for (Outgoing& reply : replies) {
    Delayed d{channel, std::move(reply), to ? *to : sockaddr_in{}};
    if (d.reply.delay.count() > 0) {
      const auto due = now + d.reply.delay;
      delayed_.emplace(due, std::move(d));
    } else {
      Send(d.channel, d.reply, d.to);
    }
  }
}

void SimServer::SendDue() {
  const auto now = Steady::now();
  while (!delayed_.empty() && delayed_.begin()->first <= now) {
    const Delayed d = delayed_.begin()->second;
    delayed_.erase(delayed_.begin());
    Send(d.channel, d.reply, d.to);
  }
}

void SimServer::OnDatagram() {
  UdpEndpoint::Datagram d;
  while (udp_->Receive(d)) {
    const std::string peer = PeerText(d.from);
    if (d.truncated) {
      Log("ignored request from " + peer + ": datagram longer than a frame");
      continue;
    }
    Dispatch(Channel::Udp, simulator_->Handle(d.bytes, Channel::Udp, Now(), peer), &d.from);
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
               nullptr);
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
    if (udpIndex >= 0 && (fds[udpIndex].revents & POLLIN)) OnDatagram();
    if (ptyIndex >= 0 && (fds[ptyIndex].revents & POLLIN)) OnSerialBytes();
    for (std::size_t k = modbusFrom; k < fds.size(); ++k) {
      if (fds[k].revents & (POLLIN | POLLHUP | POLLERR))
        OnModbus(owners[k - modbusFrom], fds[k].fd);
    }
  }
}

}  // namespace gw::sim
