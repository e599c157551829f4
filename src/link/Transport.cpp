#include "Transport.h"

#include <arpa/inet.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "FrameCodec.h"
#include "model/NodeTable.h"
#include "platform/util/SerialFormat.h"

namespace gw {

namespace {

using platform::kConfigBaud;
using platform::kConfigDataBits;
using platform::kConfigParity;
using platform::kConfigStopBits;
constexpr int kLocalPortAny = 0;
// Bounds the draining of stale input, so a link that never stops talking
// cannot hold the tool.
constexpr int kMaxStaleChunks = 256;

int Capacity(Bytes buffer) { return static_cast<int>(buffer.size()); }

// --- serial line -----------------------------------------------------------

bool SerialOpen(PortLinkApi& api, std::uint32_t) {
  return api.OpenSerialEx(api.GetCOMPortNum(), kConfigBaud, kConfigDataBits, kConfigParity,
                          kConfigStopBits) >= 0;
}

void SerialClose(PortLinkApi& api) { api.CloseSerial(); }

int SerialSend(PortLinkApi& api, ConstBytes body) {
  const std::vector<std::uint8_t> frame = EncodeSerialFrame(body);
  return api.SendData(frame.data(), static_cast<int>(frame.size()));
}

// RecvData waits for the line on its own.
bool SerialAwait(PortLinkApi&, std::chrono::milliseconds) { return true; }

LinkResult SerialReceive(PortLinkApi& api, Bytes buffer) {
  const int received = api.RecvData(buffer.data(), Capacity(buffer));
  if (received < 1) return Failed(LinkStatus::NothingReceived);
  const int length = DecodeSerialFrame(buffer, std::min<std::size_t>(received, buffer.size()));
  if (length < 1) return Failed(LinkStatus::BadFrame);
  return {LinkStatus::Ok, length};
}

// RecvData would wait for the line's time-out, so it is called only while
// ReadSelect(0) reports bytes waiting; a transport that cannot tell leaves
// the line as it is, and a stale frame then fails the transaction id check.
void SerialDrain(PortLinkApi& api, Bytes scratch) {
  for (int i = 0; i < kMaxStaleChunks; ++i) {
    if (api.ReadSelect(0) < 1) return;
    if (api.RecvData(scratch.data(), Capacity(scratch)) < 1) return;
  }
}

bool SerialOpenModbus(PortLinkApi& api, MbKitApi& mbKit, std::uint32_t, std::uint32_t&) {
  // The whole "COM<n>" name: MbKit maps COM numbers to devices itself, and
  // ports 10 and above keep their second digit.
  char name[16] = {};
  std::snprintf(name, sizeof name, "COM%d", api.GetCOMPortNum());
  return mbKit.OpenModbusSerial(name, kConfigBaud, kConfigDataBits, kConfigParity, kConfigStopBits,
                                platform::kModbusRtuMode) >= 0;
}

void SerialCloseModbus(PortLinkApi&, MbKitApi& mbKit, std::uint32_t) { mbKit.CloseSerial(); }

// --- UDP socket --------------------------------------------------------------

bool EthernetOpen(PortLinkApi& api, std::uint32_t remote) {
  return api.OpenSocket(kSocketDatagram, remote, kLocalPortAny, kConfigPort, kSocketFlags) >= 0;
}

void EthernetClose(PortLinkApi& api) { api.CloseSocket(); }

int EthernetSend(PortLinkApi& api, ConstBytes body) {
  return api.SendData(body.data(), static_cast<int>(body.size()));
}

bool EthernetAwait(PortLinkApi& api, std::chrono::milliseconds wait) {
  return api.ReadSelect(static_cast<int>(wait.count())) >= 1;
}

LinkResult EthernetReceive(PortLinkApi& api, Bytes buffer) {
  const int received = api.RecvData(buffer.data(), Capacity(buffer));
  if (received < 1) return Failed(LinkStatus::NothingReceived);
  return {LinkStatus::Ok, std::min(received, Capacity(buffer))};
}

// RecvData answers 0 at once when nothing waits.
void EthernetDrain(PortLinkApi& api, Bytes scratch) {
  for (int i = 0; i < kMaxStaleChunks; ++i) {
    if (api.RecvData(scratch.data(), Capacity(scratch)) < 1) return;
  }
}

bool EthernetOpenModbus(PortLinkApi& api, MbKitApi& mbKit, std::uint32_t node,
                        std::uint32_t& saved) {
  if (mbKit.OpenModbusTCPSocket(node) < 0) return false;
  saved = api.GetRemoteIPAddr();
  api.SetRemoteIPAddr(node);
  return true;
}

void EthernetCloseModbus(PortLinkApi& api, MbKitApi& mbKit, std::uint32_t saved) {
  mbKit.CloseSocket();
  api.SetRemoteIPAddr(htonl(saved));
}

constexpr Transport kSerial{kCommSerial,
                            std::chrono::milliseconds{400},
                            1,
                            std::chrono::milliseconds{0},
                            SerialOpen,
                            SerialClose,
                            SerialSend,
                            SerialAwait,
                            SerialReceive,
                            SerialDrain,
                            SerialOpenModbus,
                            SerialCloseModbus};
constexpr Transport kEthernet{kCommEthernet,
                              std::chrono::milliseconds{0},
                              NodeTable::kSearchLimit,
                              std::chrono::milliseconds{3000},
                              EthernetOpen,
                              EthernetClose,
                              EthernetSend,
                              EthernetAwait,
                              EthernetReceive,
                              EthernetDrain,
                              EthernetOpenModbus,
                              EthernetCloseModbus};

}  // namespace

const Transport* TransportFor(int commType) {
  switch (commType) {
    case kCommSerial:
      return &kSerial;
    case kCommEthernet:
      return &kEthernet;
    default:
      return nullptr;
  }
}

}  // namespace gw
