// The C entry points of PortLink. One serial link and one socket link can be
// open at a time; sends and receives go to the one opened last. The entry
// points are called from one thread.
#include "platform/portlink/PortLink.h"

#include <arpa/inet.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "platform/portlink/SerialLine.h"
#include "platform/portlink/TcpLink.h"
#include "platform/portlink/UdpLink.h"
#include "platform/util/ByteStore.h"
#include "platform/util/Ipv4Text.h"
#include "platform/util/PortLinkIni.h"

namespace {

using gw::portlink::ByteLink;

constexpr int kDatagramSocket = 2;
constexpr int kLinkBufferSize = 1536;
constexpr int kConnectMilliseconds = 2000;
constexpr std::string_view kSerializeFile = "PortLink.dat";

struct Links {
  std::unique_ptr<ByteLink> serial;
  std::unique_ptr<ByteLink> socket;
  ByteLink* active = nullptr;
  int serialError = 0;
  int socketError = 0;
  // Settings set in this process: they apply to this process alone until
  // SaveCommSettings writes them into PortLink.ini.
  gw::platform::SettingChanges changes;
};

Links& State() {
  static Links links;
  return links;
}

void Report(const std::string& what) { std::fprintf(stderr, "PortLink: %s\n", what.c_str()); }

// Remembers errno as the last error of the link it concerns.
void NoteError(Links& links, const ByteLink* link) {
  const int error = errno != 0 ? errno : EIO;
  if (link == nullptr || link == links.serial.get()) {
    links.serialError = error;
  }
  if (link == nullptr || link == links.socket.get()) {
    links.socketError = error;
  }
}

ByteLink* Active(Links& links) {
  if (links.active == nullptr) {
    errno = ENOTCONN;
    NoteError(links, nullptr);
  }
  return links.active;
}

void DropSerial(Links& links) {
  if (links.active == links.serial.get()) {
    links.active = links.socket.get();
  }
  links.serial.reset();
}

void DropSocket(Links& links) {
  if (links.active == links.socket.get()) {
    links.active = links.serial.get();
  }
  links.socket.reset();
}

std::uint32_t HostOrder(std::uint32_t networkOrder) { return ntohl(networkOrder); }

std::string ComPortDevice(const Links& links, int port) {
  const auto set = links.changes.comPortDevices.find(port);
  return set != links.changes.comPortDevices.end() ? set->second
                                                   : gw::platform::LoadComPortDevice(port);
}

}  // namespace

extern "C" {

int OpenSerial(int port) {
  using namespace gw::platform;
  return OpenSerialEx(port, kConfigBaud, kConfigDataBits, kConfigParity, kConfigStopBits);
}

int OpenSerialEx(int port, int baud, int dataBits, int parity, int stopBits) {
  Links& links = State();
  DropSerial(links);
  const std::string device = ComPortDevice(links, port);
  if (device.empty()) {
    links.serialError = EINVAL;
    Report("COM" + std::to_string(port) + " is not a COM port number");
    return -1;
  }
  std::unique_ptr<ByteLink> line = gw::portlink::SerialLine::Open(
      device, gw::portlink::SerialFormat{baud, dataBits, parity, stopBits});
  if (!line) {
    links.serialError = errno;
    Report("cannot open COM" + std::to_string(port) + " (" + device + "): " + std::strerror(errno));
    return -1;
  }
  links.serial = std::move(line);
  links.active = links.serial.get();
  return 0;
}

void CloseSerial(void) { DropSerial(State()); }

void SetCOMPortNum(int port) {
  if (port < 1 || port > gw::platform::kMaxComPort) {
    State().serialError = EINVAL;
    return;
  }
  State().changes.comPort = port;
}

int GetCOMPortNum(void) { return State().changes.comPort.value_or(gw::platform::LoadComPort()); }

int GetLastSerialErr(void) { return State().serialError; }

void ResetSerialErr(void) { State().serialError = 0; }

int OpenModbusTCPSocket(uint32_t ipNetworkOrder) {
  Links& links = State();
  DropSocket(links);
  const std::uint32_t remote = HostOrder(ipNetworkOrder);
  const int port = gw::platform::LoadModbusTcpPort();
  std::unique_ptr<ByteLink> link = gw::portlink::TcpLink::Connect(
      remote, static_cast<std::uint16_t>(port), kConnectMilliseconds);
  if (!link) {
    links.socketError = errno;
    Report("cannot connect to " + gw::platform::FormatIpv4(remote) + ":" + std::to_string(port) +
           ": " + std::strerror(errno));
    return -1;
  }
  links.socket = std::move(link);
  links.active = links.socket.get();
  return 0;
}

int OpenSocket(int type, uint32_t ipNetworkOrder, int localPort, int remotePort, int flags) {
  (void)flags;  // carried for the caller; a datagram socket needs no options
  Links& links = State();
  DropSocket(links);
  if (type != kDatagramSocket) {
    links.socketError = EPROTONOSUPPORT;
    Report("socket type " + std::to_string(type) + " is not supported (2 = datagram)");
    return -1;
  }
  if (localPort < 0 || localPort > 65535 || remotePort < 1 || remotePort > 65535) {
    links.socketError = EINVAL;
    Report("port out of range");
    return -1;
  }
  const std::uint32_t remote = HostOrder(ipNetworkOrder);
  std::unique_ptr<ByteLink> link = gw::portlink::UdpLink::Open(
      remote, static_cast<std::uint16_t>(remotePort), static_cast<std::uint16_t>(localPort),
      gw::platform::LoadBroadcastAddress());
  if (!link) {
    links.socketError = errno;
    Report("cannot open a socket for " + gw::platform::FormatIpv4(remote) + ": " +
           std::strerror(errno));
    return -1;
  }
  links.socket = std::move(link);
  links.active = links.socket.get();
  return 0;
}

void CloseSocket(void) { DropSocket(State()); }

int ReadSelect(int milliseconds) {
  Links& links = State();
  ByteLink* link = Active(links);
  if (link == nullptr) {
    return -1;
  }
  const int ready = link->Wait(milliseconds);
  if (ready < 0) {
    NoteError(links, link);
  }
  return ready;
}

void SetRemoteIPAddr(uint32_t ipNetworkOrder) {
  State().changes.remoteIp = HostOrder(ipNetworkOrder);
}

uint32_t GetRemoteIPAddr(void) {
  return State().changes.remoteIp.value_or(gw::platform::LoadRemoteIp());
}

int GetLastSocketErr(void) { return State().socketError; }

void ResetSocketErr(void) { State().socketError = 0; }

int RequestData(int station, int function, const uint8_t* data, int length) {
  if (station < 0 || station > 255 || function < 0 || function > 255 || length < 0 ||
      length > kLinkBufferSize - 2 || (length > 0 && data == nullptr)) {
    errno = EINVAL;
    NoteError(State(), State().active);
    return -1;
  }
  std::array<std::uint8_t, kLinkBufferSize> request{};
  request[0] = static_cast<std::uint8_t>(station);
  request[1] = static_cast<std::uint8_t>(function);
  if (length > 0) {
    std::memcpy(request.data() + 2, data, static_cast<std::size_t>(length));
  }
  return SendData(request.data(), length + 2);
}

int ResponseData(int32_t* first, int32_t* second, uint8_t* data) {
  std::array<std::uint8_t, kLinkBufferSize> reply{};
  const int received = RecvData(reply.data(), kLinkBufferSize);
  if (received < 2) {
    if (received >= 0) {
      errno = received == 0 ? ETIMEDOUT : EBADMSG;
      NoteError(State(), State().active);
    }
    return -1;
  }
  if (first != nullptr) {
    *first = reply[0];
  }
  if (second != nullptr) {
    *second = reply[1];
  }
  const int count = received - 2;
  if (data != nullptr && count > 0) {
    std::memcpy(data, reply.data() + 2, static_cast<std::size_t>(count));
  }
  return count;
}

int SendData(const uint8_t* data, int length) {
  Links& links = State();
  ByteLink* link = Active(links);
  if (link == nullptr) {
    return -1;
  }
  const int sent = link->Send(data, length);
  if (sent < 0) {
    NoteError(links, link);
  }
  return sent;
}

int RecvData(uint8_t* buffer, int capacity) {
  Links& links = State();
  ByteLink* link = Active(links);
  if (link == nullptr) {
    return -1;
  }
  const int received = link->Receive(buffer, capacity);
  if (received < 0) {
    NoteError(links, link);
  }
  return received;
}

void SetCommType(int type) { State().changes.commType = type; }

int GetCommType(void) { return State().changes.commType.value_or(gw::platform::LoadCommType()); }

int SetSerializeData(const uint8_t* data, int length) {
  return gw::platform::StoreBytes(kSerializeFile, data, length, "PortLink");
}

int GetSerializeData(uint8_t* buffer) {
  return gw::platform::LoadBytes(kSerializeFile, buffer, "PortLink");
}

void SetCOMPortDevice(int port, const char* path) {
  if (path == nullptr || *path == '\0' || port < 1 || port > gw::platform::kMaxComPort ||
      std::strpbrk(path, "\r\n") != nullptr) {
    State().serialError = EINVAL;
    return;
  }
  State().changes.comPortDevices[port] = path;
}

int GetCOMPortDevice(int port, char* path, int capacity) {
  const std::string device = ComPortDevice(State(), port);
  if (device.empty()) {
    return -1;
  }
  if (path != nullptr && capacity > 0) {
    const std::size_t copied = std::min(device.size(), static_cast<std::size_t>(capacity - 1));
    std::memcpy(path, device.data(), copied);
    path[copied] = '\0';
  }
  return static_cast<int>(device.size());
}

int SaveCommSettings(void) {
  Links& links = State();
  const int error = gw::platform::SaveSettings(links.changes);
  if (error == 0) {
    links.changes = {};  // PortLink.ini holds them now
  }
  return error;
}

}  // extern "C"
