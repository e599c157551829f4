#include "PlatformFixtures.h"

#include <arpa/inet.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sched.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace gw::test {

namespace {

// By full path from the executable's folder: under the sanitizers dlopen is
// called from their runtime, so the executable's $ORIGIN run path would not
// be searched for a bare name.
void* Load(const char* name) {
  const auto path = std::filesystem::read_symlink("/proc/self/exe").parent_path() / name;
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    throw std::runtime_error(std::string("cannot load ") + name + ": " + ::dlerror());
  }
  return handle;
}

template <typename Fn>
void Resolve(void* handle, const char* name, Fn& slot) {
  void* symbol = ::dlsym(handle, name);
  if (symbol == nullptr) {
    throw std::runtime_error(std::string("missing entry point ") + name);
  }
  slot = reinterpret_cast<Fn>(symbol);
}

}  // namespace

void* PortLinkHandle() {
  static void* handle = Load("libPortLink.so");
  return handle;
}

void* MbKitHandle() {
  static void* handle = Load("libMbKit.so");
  return handle;
}

PortLinkApi& PortLink() {
  static PortLinkApi api = [] {
    PortLinkApi table;
    void* h = PortLinkHandle();
    table.module = h;
    Resolve(h, "OpenSerial", table.OpenSerial);
    Resolve(h, "OpenSerialEx", table.OpenSerialEx);
    Resolve(h, "CloseSerial", table.CloseSerial);
    Resolve(h, "SetCOMPortNum", table.SetCOMPortNum);
    Resolve(h, "GetCOMPortNum", table.GetCOMPortNum);
    Resolve(h, "GetLastSerialErr", table.GetLastSerialErr);
    Resolve(h, "ResetSerialErr", table.ResetSerialErr);
    Resolve(h, "OpenModbusTCPSocket", table.OpenModbusTCPSocket);
    Resolve(h, "OpenSocket", table.OpenSocket);
    Resolve(h, "CloseSocket", table.CloseSocket);
    Resolve(h, "ReadSelect", table.ReadSelect);
    Resolve(h, "SetRemoteIPAddr", table.SetRemoteIPAddr);
    Resolve(h, "GetRemoteIPAddr", table.GetRemoteIPAddr);
    Resolve(h, "GetLastSocketErr", table.GetLastSocketErr);
    Resolve(h, "ResetSocketErr", table.ResetSocketErr);
    Resolve(h, "RequestData", table.RequestData);
    Resolve(h, "ResponseData", table.ResponseData);
    Resolve(h, "SendData", table.SendData);
    Resolve(h, "RecvData", table.RecvData);
    Resolve(h, "SetCommType", table.SetCommType);
    Resolve(h, "GetCommType", table.GetCommType);
    Resolve(h, "SetSerializeData", table.SetSerializeData);
    Resolve(h, "GetSerializeData", table.GetSerializeData);
    return table;
  }();
  return api;
}

PortLinkExtras& PortLinkMore() {
  static PortLinkExtras extras = [] {
    PortLinkExtras table;
    Resolve(PortLinkHandle(), "SetCOMPortDevice", table.SetCOMPortDevice);
    Resolve(PortLinkHandle(), "GetCOMPortDevice", table.GetCOMPortDevice);
    return table;
  }();
  return extras;
}

MbKitApi& MbKit() {
  static MbKitApi api = [] {
    MbKitApi table;
    void* h = MbKitHandle();
    table.module = h;
    Resolve(h, "OpenModbusSerial", table.OpenModbusSerial);
    Resolve(h, "CloseSerial", table.CloseSerial);
    Resolve(h, "OpenModbusTCPSocket", table.OpenModbusTCPSocket);
    Resolve(h, "CloseSocket", table.CloseSocket);
    Resolve(h, "ReadSelect", table.ReadSelect);
    Resolve(h, "RequestData", table.RequestData);
    Resolve(h, "ResponseData", table.ResponseData);
    return table;
  }();
  return api;
}

UdpPeer::UdpPeer(std::uint32_t address, std::uint16_t port) {
  fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  const int on = 1;
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = htonl(address);
  local.sin_port = htons(port);
  if (fd_ < 0 || ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
      ::bind(fd_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
    std::perror("UdpPeer");
    if (fd_ >= 0) {
      ::close(fd_);
    }
    fd_ = -1;
  }
}

UdpPeer::~UdpPeer() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

std::optional<UdpPeer::Datagram> UdpPeer::Receive(std::chrono::milliseconds wait) {
  pollfd entry{fd_, POLLIN, 0};
  if (fd_ < 0 || ::poll(&entry, 1, static_cast<int>(wait.count())) <= 0) {
    return std::nullopt;
  }
  Datagram datagram;
  datagram.bytes.resize(2048);
  socklen_t size = sizeof datagram.from;
  const ssize_t got = ::recvfrom(fd_, datagram.bytes.data(), datagram.bytes.size(), 0,
                                 reinterpret_cast<sockaddr*>(&datagram.from), &size);
  if (got < 0) {
    return std::nullopt;
  }
  datagram.bytes.resize(static_cast<std::size_t>(got));
  return datagram;
}

void UdpPeer::SendTo(const sockaddr_in& to, const Bytes& bytes) {
  ::sendto(fd_, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
}

Pty::Pty() {
  termios raw{};
  ::cfmakeraw(&raw);
  std::array<char, 256> name{};
  if (::openpty(&controller_, &device_, name.data(), &raw, nullptr) != 0) {
    throw std::runtime_error("cannot open a pseudo-terminal");
  }
  path_ = name.data();
  ::fcntl(controller_, F_SETFL, ::fcntl(controller_, F_GETFL) | O_NONBLOCK);
}

Pty::~Pty() {
  ::close(controller_);
  ::close(device_);
}

void Pty::Write(const Bytes& bytes) const {
  if (::write(controller_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
    throw std::runtime_error("cannot write to the pseudo-terminal");
  }
}

Bytes Pty::Read(std::size_t want, std::chrono::milliseconds wait) const {
  Bytes bytes;
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (bytes.size() < want) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd entry{controller_, POLLIN, 0};
    if (left.count() <= 0 || ::poll(&entry, 1, static_cast<int>(left.count())) <= 0) {
      break;
    }
    std::array<std::uint8_t, 512> chunk{};
    const ssize_t got = ::read(controller_, chunk.data(), std::min(chunk.size(), want - bytes.size()));
    if (got <= 0) {
      break;
    }
    bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + got);
  }
  return bytes;
}

}  // namespace gw::test
