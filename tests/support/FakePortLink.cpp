#include "FakePortLink.h"

#include <arpa/inet.h>

#include <algorithm>
#include <bit>
#include <map>
#include <sstream>
#include <stdexcept>

#include "link/FrameCodec.h"
#include "link/LinkEntryPoints.h"
#include "support/FakeModule.h"
#include "support/TestHome.h"

namespace gw::test {

FakePortLink* FakePortLink::live_ = nullptr;

namespace {

char portLinkHandle;
char mbKitHandle;

using SymbolTable = std::map<std::string, void*>;
#define GW_ENTRY(name) {#name, std::bit_cast<void*>(&name)},

std::string Ip(std::uint32_t networkOrder) { return DottedText(ntohl(networkOrder)); }

// Records "name arg arg ..." and answers the live fake.
template <typename... Args>
FakePortLink& Log(EventLog& log, FakePortLink& live, const char* name, const Args&... args) {
  std::ostringstream line;
  line << name;
  ((line << ' ' << args), ...);
  log.Add(line.str());
  return live;
}

SentRequest ReadRequest(std::vector<std::uint8_t> body) {
  SentRequest r;
  r.body = std::move(body);
  if (r.body.size() < hdr::kSize) return r;
  const ConstBytes h(r.body.data(), hdr::kSize);
  r.command = LoadBE16(h, hdr::Command);
  r.block = LoadBE16(h, hdr::BlockNumber);
  r.transactionId = LoadBE32(h, hdr::TransactionId);
  std::copy_n(h.begin() + hdr::MacAddress, hdr::kMacSize, r.mac.begin());
  r.lockState = LoadBE16(h, hdr::LockState);
  return r;
}

}  // namespace

struct FakePortLink::PortLinkCalls {
  static FakePortLink& F() { return Live(); }
  template <typename... Args>
  static FakePortLink& Log(const char* name, const Args&... args) {
    return test::Log(F().log_, F(), name, args...);
  }

  static int OpenSerial(int port) { return Log("OpenSerial", port).openResult; }
  static int OpenSerialEx(int port, int baud, int dataBits, int parity, int stopBits) {
    return F().Opened(
        kCommSerial,
        Log("OpenSerialEx", port, baud, dataBits, static_cast<char>(parity), stopBits).openResult);
  }
  static void CloseSerial() { Log("CloseSerial"); }
  static void SetCOMPortNum(int port) { F().comPort = port; }
  static int GetCOMPortNum() { return F().comPort; }
  static int GetLastSerialErr() { return 0; }
  static void ResetSerialErr() {}
  static int OpenModbusTCPSocket(std::uint32_t ip) {
    return Log("OpenModbusTCPSocket", Ip(ip)).openResult;
  }
  static int OpenSocket(int type, std::uint32_t ip, int localPort, int remotePort, int flags) {
    return F().Opened(kCommEthernet,
                      Log("OpenSocket", type, Ip(ip), localPort, remotePort, flags).openResult);
  }
  static void CloseSocket() { Log("CloseSocket"); }
  static int ReadSelect(int ms) {
    Log("wait", ms).waits.push_back(ms);
    return F().inbox_.empty() ? 0 : 1;
  }
  static void SetRemoteIPAddr(std::uint32_t ip) {
    Log("SetRemoteIPAddr", Ip(ip)).remoteAddress = ntohl(ip);
  }
  static std::uint32_t GetRemoteIPAddr() { return F().remoteAddress; }
  static int GetLastSocketErr() { return 0; }
  static void ResetSocketErr() {}
  static int RequestData(int, int, const std::uint8_t*, int length) { return length; }
  static int ResponseData(std::int32_t*, std::int32_t*, std::uint8_t*) { return 0; }
  static int SendData(const std::uint8_t* data, int length) {
    F().OnSend(data, length);
    return F().sendResult.value_or(length);
  }
  static int RecvData(std::uint8_t* buffer, int capacity) { return F().OnRecv(buffer, capacity); }
  static void SetCommType(int type) { F().commType = type; }
  static int GetCommType() { return F().commType; }
  static int SetSerializeData(const std::uint8_t*, int length) { return length; }
  static int GetSerializeData(std::uint8_t*) { return 0; }

  static const SymbolTable& Table() {
    static const SymbolTable table = {GW_PORTLINK_ENTRY_POINTS(GW_ENTRY)};
    return table;
  }
};

struct FakePortLink::MbKitCalls {
  template <typename... Args>
  static FakePortLink& Log(const char* name, const Args&... args) {
    return PortLinkCalls::Log((std::string("mb ") + name).c_str(), args...);
  }

  static int OpenModbusSerial(const char* port, int baud, int dataBits, int parity, int stopBits,
                              int mode) {
    return Log("OpenModbusSerial", port, baud, dataBits, static_cast<char>(parity), stopBits, mode)
        .modbusOpenResult;
  }
  static void CloseSerial() { Log("CloseSerial"); }
  static int OpenModbusTCPSocket(std::uint32_t ip) {
    return Log("OpenModbusTCPSocket", Ip(ip)).modbusOpenResult;
  }
  static void CloseSocket() { Log("CloseSocket"); }
  static int ReadSelect(int ms) { return Log("ReadSelect", ms).modbusReply_ ? 1 : 0; }
  static int RequestData(int station, int function, const std::uint8_t* data, int length) {
    FakePortLink& fake = Log("RequestData", station, function, length);
    std::vector<std::uint8_t> request = {static_cast<std::uint8_t>(station),
                                         static_cast<std::uint8_t>(function)};
    request.insert(request.end(), data, data + length);
    fake.modbusRequests.push_back(request);
    if (fake.modbusSendResult) return *fake.modbusSendResult;
    fake.modbusReply_.reset();
    if (fake.modbusResponder) {
      fake.modbusReply_ =
          fake.modbusResponder(station, function, std::vector<std::uint8_t>(data, data + length));
    }
    return length;
  }
  static int ResponseData(std::int32_t*, std::int32_t*, std::uint8_t* data) {
    FakePortLink& fake = Log("ResponseData");
    if (!fake.modbusReply_) return 0;
    const std::vector<std::uint8_t> reply = *std::exchange(fake.modbusReply_, std::nullopt);
    std::copy(reply.begin(), reply.end(), data);
    return static_cast<int>(reply.size());
  }

  static const SymbolTable& Table() {
    static const SymbolTable table = {GW_MBKIT_ENTRY_POINTS(GW_ENTRY)};
    return table;
  }
};

FakePortLink::FakePortLink(EventLog& log) : log_(log) {
  if (live_ != nullptr) throw std::logic_error("one FakePortLink at a time");
  live_ = this;
}

FakePortLink::~FakePortLink() { live_ = nullptr; }

FakePortLink& FakePortLink::Live() {
  if (live_ == nullptr) throw std::logic_error("no FakePortLink behind the link");
  return *live_;
}

void* FakePortLink::Open(const std::string& name) {
  log_.Add("load " + name);
  if (unloadable.count(name) != 0) return nullptr;
  return name == "PortLink" ? &portLinkHandle : name == "MbKit" ? &mbKitHandle : nullptr;
}

void* FakePortLink::Symbol(void* module, const std::string& name) {
  const bool portLink = module == &portLinkHandle;
  const char* library = portLink ? "PortLink:" : module == &mbKitHandle ? "MbKit:" : "?:";
  const std::string key = library + name;
  lookups.push_back(key);
  if (missing.count(key) != 0 || module == nullptr) return nullptr;
  const SymbolTable& table = portLink ? PortLinkCalls::Table() : MbKitCalls::Table();
  const auto it = table.find(name);
  return it == table.end() ? nullptr : it->second;
}

void FakePortLink::Close(void* module) {
  log_.Add(std::string("unload ") + (module == &portLinkHandle ? "PortLink" : "MbKit"));
}

void FakePortLink::OnSend(const std::uint8_t* data, int length) {
  std::vector<std::uint8_t> bytes(data, data + std::max(length, 0));
  sent.push_back(bytes);
  // The line is what was opened, whatever the settings say by now.
  const bool serial = openedAs_.value_or(commType) == kCommSerial;
  if (serial) {
    // The module's view: the frame un-stuffed, without its checksum byte.
    bytes.resize(std::max<std::size_t>(bytes.size(), 1));
    const int decoded = DecodeSerialFrame(bytes, bytes.size());
    bytes.resize(decoded > 0 ? static_cast<std::size_t>(decoded - 1) : 0);
  }
  SentRequest request = ReadRequest(std::move(bytes));
  log_.Add(request.command < 0
               ? std::string("send ?")
               : "send " + std::to_string(request.command) + "/" + std::to_string(request.block));
  requests.push_back(request);

  std::vector<std::vector<std::uint8_t>> replies;
  if (responder) {
    replies = responder(request);
  } else {
    for (FakeModule* m : modules_) {
      if (auto reply = m->Answer(request)) replies.push_back(std::move(*reply));
    }
  }
  for (auto& r : replies) {
    inbox_.push_back(serial && frameReplies ? EncodeSerialFrame(r) : std::move(r));
  }
}

int FakePortLink::OnRecv(std::uint8_t* buffer, int capacity) {
  if (inbox_.empty()) {
    log_.Add("recv 0");
    return 0;
  }
  std::vector<std::uint8_t> chunk = std::move(inbox_.front());
  inbox_.pop_front();
  const int n = std::min(static_cast<int>(chunk.size()), capacity);
  std::copy_n(chunk.begin(), n, buffer);
  log_.Add("recv " + std::to_string(n));
  return n;
}

}  // namespace gw::test
