// The C entry points of MbKit: one Modbus link at a time, over a serial line
// (RTU) or Modbus TCP, driven by raw requests. Called from one thread.
#include "platform/mbkit/MbKit.h"

#include <arpa/inet.h>
#include <modbus.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/mbkit/ModbusReply.h"
#include "platform/util/FdWait.h"
#include "platform/util/Ipv4Text.h"
#include "platform/util/LoopbackGuard.h"
#include "platform/util/PortLinkIni.h"
#include "platform/util/SerialFormat.h"

namespace {

// A missing reply must not hold the caller long; the connect gets a little more.
constexpr std::uint32_t kConnectMicroseconds = 1'000'000;
constexpr std::uint32_t kResponseMicroseconds = 500'000;
constexpr std::uint32_t kByteMicroseconds = 200'000;
constexpr std::size_t kRtuChecksumLength = 2;
// A raw request is the station, the function code and at most this much data.
constexpr int kMaxRequestData = MODBUS_MAX_PDU_LENGTH - 1;

enum class Kind { None, Serial, Tcp };

struct Link {
  modbus_t* context = nullptr;
  Kind kind = Kind::None;
};

Link& State() {
  static Link link;
  return link;
}

void Report(const std::string& what) { std::fprintf(stderr, "MbKit: %s\n", what.c_str()); }

void Drop(Link& link) {
  if (link.context != nullptr) {
    modbus_close(link.context);
    modbus_free(link.context);
  }
  link.context = nullptr;
  link.kind = Kind::None;
}

void SetTimeouts(modbus_t* context, std::uint32_t response) {
  modbus_set_response_timeout(context, response / 1'000'000, response % 1'000'000);
  modbus_set_byte_timeout(context, 0, kByteMicroseconds);
}

// Connects a fresh context and makes it the link; false (context freed) on failure.
bool Adopt(Link& link, modbus_t* context, Kind kind, const std::string& target) {
  if (context == nullptr) {
    Report("cannot set up a link to " + target + ": " + modbus_strerror(errno));
    return false;
  }
  SetTimeouts(context, kConnectMicroseconds);
  if (modbus_connect(context) != 0) {
    const int error = errno;
    Report("cannot connect to " + target + ": " + modbus_strerror(error));
    modbus_free(context);
    errno = error;
    return false;
  }
  SetTimeouts(context, kResponseMicroseconds);
  link.context = context;
  link.kind = kind;
  return true;
}

}  // namespace

extern "C" {

int OpenModbusSerial(const char* port, int baud, int dataBits, int parity, int stopBits, int mode) {
  Link& link = State();
  Drop(link);
  const std::optional<gw::platform::Parity> parityKind = gw::platform::ParityOf(parity);
  if (port == nullptr || *port == '\0' || mode != gw::platform::kModbusRtuMode || !parityKind ||
      dataBits < 5 || dataBits > 8 || (stopBits != 1 && stopBits != 2) || baud <= 0) {
    errno = EINVAL;
    Report("unusable serial settings (only RTU, mode 1, is carried)");
    return -1;
  }
  const std::string device = gw::platform::ResolveSerialDevice(port);
  if (device.empty()) {
    errno = EINVAL;
    Report(std::string(port) + " names no serial device");
    return -1;
  }
  modbus_t* context = modbus_new_rtu(device.c_str(), baud, gw::platform::ParityLetter(*parityKind),
                                     dataBits, stopBits);
  return Adopt(link, context, Kind::Serial, std::string(port) + " (" + device + ")") ? 0 : -1;
}

void CloseSerial(void) {
  if (State().kind == Kind::Serial) {
    Drop(State());
  }
}

int OpenModbusTCPSocket(uint32_t ipNetworkOrder) {
  Link& link = State();
  Drop(link);
  const std::uint32_t remote = ntohl(ipNetworkOrder);
  if (!gw::platform::MaySendTo(remote, "MbKit")) {
    return -1;
  }
  const std::string address = gw::platform::FormatIpv4(remote);
  const int port = gw::platform::LoadModbusTcpPort();
  modbus_t* context = modbus_new_tcp(address.c_str(), port);
  return Adopt(link, context, Kind::Tcp, address + ":" + std::to_string(port)) ? 0 : -1;
}

void CloseSocket(void) {
  if (State().kind == Kind::Tcp) {
    Drop(State());
  }
}

int ReadSelect(int milliseconds) {
  const Link& link = State();
  if (link.context == nullptr) {
    errno = ENOTCONN;
    return -1;
  }
  return gw::platform::WaitReadable(modbus_get_socket(link.context), milliseconds);
}

int RequestData(int station, int function, const uint8_t* data, int length) {
  const Link& link = State();
  if (link.context == nullptr) {
    errno = ENOTCONN;
    return -1;
  }
  if (station < 0 || station > 255 || function < 1 || function > 127 || length < 0 ||
      length > kMaxRequestData || (length > 0 && data == nullptr)) {
    errno = EINVAL;
    return -1;
  }
  std::array<std::uint8_t, MODBUS_MAX_PDU_LENGTH + 1> request{};
  request[0] = static_cast<std::uint8_t>(station);
  request[1] = static_cast<std::uint8_t>(function);
  if (length > 0) {
    std::memcpy(request.data() + 2, data, static_cast<std::size_t>(length));
  }
  // The RTU receiver takes only replies from the station addressed.
  if (modbus_set_slave(link.context, station) != 0) {
    return -1;
  }
  // Raw requests carry no transaction id to tell a late reply from the
  // awaited one, so whatever is still waiting is dropped first.
  modbus_flush(link.context);
  return modbus_send_raw_request(link.context, request.data(), length + 2);
}

int ResponseData(int32_t* first, int32_t* second, uint8_t* data) {
  const Link& link = State();
  if (link.context == nullptr) {
    errno = ENOTCONN;
    return -1;
  }
  std::array<std::uint8_t, MODBUS_MAX_ADU_LENGTH> reply{};
  const int received = modbus_receive_confirmation(link.context, reply.data());
  if (received <= 0) {
    return -1;
  }
  const std::size_t headerLength = static_cast<std::size_t>(modbus_get_header_length(link.context));
  const gw::mbkit::ReplyData located =
      gw::mbkit::LocateReplyData(std::span(reply.data(), static_cast<std::size_t>(received)),
                                 headerLength, link.kind == Kind::Serial ? kRtuChecksumLength : 0);
  if (first != nullptr) {
    *first = located.station;
  }
  if (second != nullptr) {
    *second = located.function;
  }
  if (located.count < 0) {
    const bool exception = (located.function & 0x80) != 0;
    const std::size_t codeAt = headerLength + 1;
    errno = exception && codeAt < static_cast<std::size_t>(received)
                ? MODBUS_ENOBASE + reply[codeAt]
                : EMBBADDATA;
    return -1;
  }
  if (data != nullptr && located.count > 0) {
    std::memcpy(data, reply.data() + located.offset, static_cast<std::size_t>(located.count));
  }
  return located.count;
}

}  // extern "C"
