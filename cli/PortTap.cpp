#include "PortTap.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <optional>

#include "Request.h"
#include "WriteRules.h"
#include "link/RequestCodes.h"
#include "model/SerialConfig.h"

namespace gw::cli {

namespace {

using Clock = std::chrono::steady_clock;

// The tap's state: the entry points take no context, so one tap per process.
struct TapState {
  PortLinkApi real;
  MbKitApi realMbKit;
  std::vector<TappedWrite> writes;
  bool offline = false;
  NodeRecord module;  // the in-process module's blocks
  std::uint32_t remote = 0;
  std::deque<std::vector<std::uint8_t>> replies;
};

TapState* tap = nullptr;
std::FILE* traceFile = nullptr;
const Clock::time_point traceStart = Clock::now();

// A serial frame's body, or the bytes as they are (a datagram).
std::vector<std::uint8_t> BodyOf(const std::uint8_t* data, int length) {
  std::vector<std::uint8_t> bytes(data, data + std::max(length, 0));
  if (!bytes.empty() && bytes.front() == kFrameEnd) {
    std::vector<std::uint8_t> decoded(bytes.size() + 1, 0);
    std::copy(bytes.begin(), bytes.end(), decoded.begin());
    const int n = DecodeSerialFrame(decoded, bytes.size());
    if (n > 1) return {decoded.begin(), decoded.begin() + (n - 1)};  // without the checksum
  }
  return bytes;
}

bool IsConfigFrame(ConstBytes body) {
  return body.size() >= hdr::kSize && LoadBE16(body, hdr::ModuleType) == kModuleTypeNxg;
}

void Trace(const char* channel, const char* direction, const std::uint8_t* data, int length,
           bool configuration) {
  if (traceFile == nullptr || length <= 0) return;
  const double seconds = std::chrono::duration<double>(Clock::now() - traceStart).count();
  const std::vector<std::uint8_t> body =
      configuration ? BodyOf(data, length) : std::vector<std::uint8_t>(data, data + length);
  // A serial frame as its body: without delimiters, stuffing and checksum.
  std::fprintf(traceFile, "%12.6f %s %s %zu %s\n", seconds, channel, direction, body.size(),
               MaskedFrameHex(body).c_str());
  std::fflush(traceFile);
}

void NoteWrite(ConstBytes body) {
  if (!IsConfigFrame(body) || LoadBE16(body, hdr::Command) != CmdWriteBlock) return;
  TappedWrite w;
  w.block = LoadBE16(body, hdr::BlockNumber);
  w.bytes.assign(body.begin() + hdr::kSize, body.end());
  if (w.bytes.size() >= 4) w.mask = LoadBE32(w.bytes, kChangeMask);
  tap->writes.push_back(std::move(w));
}

// --- the in-process module -------------------------------------------------

void Answer(ConstBytes body) {
  std::string error;
  const auto request = sim::ParseRequest(body, error);
  if (!request || request->moduleType != kModuleTypeNxg) return;
  NodeRecord& module = tap->module;
  const sim::ReplyIdentity who{kModuleTypeNxg, module.Mac(), kLockStateUnlocked,
                               module.ModuleNumber(), module.FirmwareVersion()};
  const auto withBlock = [&](std::uint16_t code, const BlockInfo& info) {
    std::vector<std::uint8_t> reply = sim::MakeReplyHeader(*request, code, who);
    const ConstBytes stored = module.Block(info);
    reply.insert(reply.end(), stored.begin(), stored.end());
    if (reply.size() < info.minReplyLength) reply.resize(info.minReplyLength, 0);
    tap->replies.push_back(std::move(reply));
  };
  const BlockInfo* info = FindBlock(request->block);
  switch (request->command) {
    case CmdSearch:
      withBlock(CmdSearch + 1, *FindBlock(kNetworkBlock));
      break;
    case CmdReadBlock:
      if (info != nullptr) withBlock(kReplyReadOk, *info);
      break;
    case CmdWriteBlock: {
      if (info == nullptr) return;
      std::vector<std::uint8_t> incoming(request->payload);
      incoming.resize(info->size, 0);
      sim::ApplyBlockWrite(*info, incoming, module.Block(*info),
                           HasIpv6AndDeviceServer(FirmwareNumber(module.FirmwareVersion())));
      withBlock(kReplyWriteOk, *info);
      break;
    }
    default:  // a login or a factory reset: taken, nothing changes
      tap->replies.push_back(
          sim::MakeReplyHeader(*request, static_cast<std::uint16_t>(request->command + 1), who));
      break;
  }
}

// --- the wrapped entry points ----------------------------------------------

// The in-process module's frames never reach a wire: their own channel.
const char* ConfigChannel() { return tap->offline ? "local" : "cfg"; }

int TapSendData(const std::uint8_t* data, int length) {
  Trace(ConfigChannel(), "send", data, length, true);
  const std::vector<std::uint8_t> body = BodyOf(data, length);
  NoteWrite(body);
  if (!tap->offline) return tap->real.SendData(data, length);
  Answer(body);
  return length;
}

int TapRecvData(std::uint8_t* buffer, int capacity) {
  int received = 0;
  if (!tap->offline) {
    received = tap->real.RecvData(buffer, capacity);
  } else if (!tap->replies.empty()) {
    const std::vector<std::uint8_t> reply = std::move(tap->replies.front());
    tap->replies.pop_front();
    received = static_cast<int>(
        std::min<std::size_t>(reply.size(), static_cast<std::size_t>(std::max(capacity, 0))));
    std::copy_n(reply.begin(), received, buffer);
  }
  Trace(ConfigChannel(), "recv", buffer, received, true);
  return received;
}

int TapReadSelect(int milliseconds) {
  if (!tap->offline) return tap->real.ReadSelect(milliseconds);
  return tap->replies.empty() ? 0 : 1;
}

int TapOpenSocket(int type, std::uint32_t ip, int localPort, int remotePort, int flags) {
  if (!tap->offline) return tap->real.OpenSocket(type, ip, localPort, remotePort, flags);
  tap->replies.clear();
  return 0;
}

void TapCloseSocket() {
  if (!tap->offline) tap->real.CloseSocket();
}

int TapGetCommType() { return tap->offline ? kCommEthernet : tap->real.GetCommType(); }

void TapSetRemoteIPAddr(std::uint32_t ip) {
  if (tap->offline) {
    tap->remote = ip;
  } else {
    tap->real.SetRemoteIPAddr(ip);
  }
}

std::uint32_t TapGetRemoteIPAddr() {
  return tap->offline ? tap->remote : tap->real.GetRemoteIPAddr();
}

// A Modbus request or reply as its unit id and PDU (function code, data):
// the frame without what the transport adds, the MBAP header on TCP or the
// checksum on a serial line. MbKit hands out a read reply's data without its
// byte count (`countTaken`), which is put back.
void TraceModbus(const char* direction, int station, int function, const std::uint8_t* data,
                 int length, bool countTaken = false) {
  if (traceFile == nullptr || station < 0 || function < 0) return;
  std::vector<std::uint8_t> frame{static_cast<std::uint8_t>(station),
                                  static_cast<std::uint8_t>(function)};
  const bool readFunction = (function >= 1 && function <= 4) || function == 0x17;
  if (countTaken && readFunction && length >= 0) {
    frame.push_back(static_cast<std::uint8_t>(length));
  }
  if (data != nullptr && length > 0) frame.insert(frame.end(), data, data + length);
  Trace("modbus", direction, frame.data(), static_cast<int>(frame.size()), false);
}

using ResponseFn = int (*)(std::int32_t*, std::int32_t*, std::uint8_t*);

// The reply's unit id and function code come back through the out values,
// which the link may not ask for.
int TracedResponse(ResponseFn real, std::int32_t* first, std::int32_t* second, std::uint8_t* data,
                   bool countTaken) {
  std::int32_t station = -1;
  std::int32_t function = -1;
  const int n = real(&station, &function, data);
  if (first != nullptr) *first = station;
  if (second != nullptr) *second = function;
  // An exception reply gives no data: its unit id and function code alone.
  TraceModbus("recv", station, function, data, n, countTaken);
  return n;
}

int TapRequestData(int station, int function, const std::uint8_t* data, int length) {
  TraceModbus("send", station, function, data, length);
  return tap->real.RequestData(station, function, data, length);
}

int TapResponseData(std::int32_t* first, std::int32_t* second, std::uint8_t* data) {
  return TracedResponse(tap->real.ResponseData, first, second, data, false);
}

int TapMbRequestData(int station, int function, const std::uint8_t* data, int length) {
  TraceModbus("send", station, function, data, length);
  return tap->realMbKit.RequestData(station, function, data, length);
}

int TapMbResponseData(std::int32_t* first, std::int32_t* second, std::uint8_t* data) {
  return TracedResponse(tap->realMbKit.ResponseData, first, second, data, true);
}

}  // namespace

std::optional<std::string> OpenTraceFile(const std::string& path) {
  if (traceFile != nullptr) std::fclose(traceFile);
  traceFile = std::fopen(path.c_str(), "w");
  if (traceFile == nullptr) {
    return "Cannot write the trace file " + path + ": " + std::strerror(errno);
  }
  return std::nullopt;
}

std::string MaskedFrameHex(ConstBytes body) {
  std::vector<bool> hidden(body.size(), false);
  if (IsConfigFrame(body)) {
    const auto hide = [&](std::size_t offset, std::size_t size) {
      for (std::size_t i = offset; i < offset + size && i < body.size(); ++i) hidden[i] = true;
    };
    hide(hdr::LoginKey, hdr::kLoginKeySize);
    if (LoadBE16(body, hdr::BlockNumber) == kNetworkBlock) {
      hide(hdr::kSize + net::Password, net::kPasswordSize);
    }
  }
  std::string text;
  char cell[4];
  for (std::size_t i = 0; i < body.size(); ++i) {
    std::snprintf(cell, sizeof cell, "%02x", body[i]);
    text += (i ? " " : "") + std::string(hidden[i] ? "**" : cell);
  }
  return text;
}

PortTap::PortTap(DeviceLink& link)
    : link_(link), realPort_(link.PortLink()), realMbKit_(link.MbKit()) {
  static TapState state;
  state = TapState{};
  state.real = realPort_;
  state.realMbKit = realMbKit_;
  tap = &state;
  PortLinkApi& api = link.PortLink();
  if (api.SendData != nullptr) api.SendData = TapSendData;
  if (api.RecvData != nullptr) api.RecvData = TapRecvData;
  if (api.ReadSelect != nullptr) api.ReadSelect = TapReadSelect;
  if (api.OpenSocket != nullptr) api.OpenSocket = TapOpenSocket;
  if (api.CloseSocket != nullptr) api.CloseSocket = TapCloseSocket;
  if (api.GetCommType != nullptr) api.GetCommType = TapGetCommType;
  if (api.SetRemoteIPAddr != nullptr) api.SetRemoteIPAddr = TapSetRemoteIPAddr;
  if (api.GetRemoteIPAddr != nullptr) api.GetRemoteIPAddr = TapGetRemoteIPAddr;
  if (api.RequestData != nullptr) api.RequestData = TapRequestData;
  if (api.ResponseData != nullptr) api.ResponseData = TapResponseData;
  MbKitApi& mb = link.MbKit();
  if (mb.RequestData != nullptr) mb.RequestData = TapMbRequestData;
  if (mb.ResponseData != nullptr) mb.ResponseData = TapMbResponseData;
}

PortTap::~PortTap() {
  link_.PortLink() = realPort_;
  link_.MbKit() = realMbKit_;
  tap = nullptr;
}

void PortTap::GoOffline(const NodeRecord& record) {
  tap->module = record;
  tap->offline = true;
  tap->replies.clear();
}

bool PortTap::Offline() const { return tap->offline; }
const NodeRecord& PortTap::OfflineRecord() const { return tap->module; }
std::vector<TappedWrite>& PortTap::Writes() { return tap->writes; }

}  // namespace gw::cli
