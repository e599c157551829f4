#include "FakePortLink.h"

#include <arpa/inet.h>

#include <algorithm>
#include <bit>
#include <map>
#include <stdexcept>

#include "link/FrameCodec.h"
#include "support/FakeModule.h"

namespace gw::test {

FakePortLink* FakePortLink::live_ = nullptr;

namespace {

char portLinkHandle;
char mbKitHandle;

std::string Num(long long v) { return std::to_string(v); }

template <typename Fn>
void* Address(Fn fn) {
  static_assert(sizeof(Fn) == sizeof(void*));
  return std::bit_cast<void*>(fn);
}

}  // namespace

std::string NetworkOrderText(std::uint32_t networkOrder) {
  const std::uint32_t a = ntohl(networkOrder);
  return Num(a >> 24) + "." + Num((a >> 16) & 0xFF) + "." + Num((a >> 8) & 0xFF) + "." +
         Num(a & 0xFF);
}

// The entry points of both libraries: each records its call and forwards to
// the live fake.
struct FakePortLink::Trampolines {
  static FakePortLink& F() { return FakePortLink::Live(); }
  static void Log(const std::string& e) { F().log_.Add(e); }

  // PortLink
  static int OpenSerial(int port) {
    Log("OpenSerial " + Num(port));
    return F().openResult;
  }
  static int OpenSerialEx(int port, int baud, int dataBits, int parity, int stopBits) {
    Log("OpenSerialEx " + Num(port) + " " + Num(baud) + " " + Num(dataBits) + " " +
        std::string(1, static_cast<char>(parity)) + " " + Num(stopBits));
    return F().openResult;
  }
  static void CloseSerial() { Log("CloseSerial"); }
  static void SetCOMPortNum(int port) { F().comPort = port; }
  static int GetCOMPortNum() { return F().comPort; }
  static int GetLastSerialErr() { return 0; }
  static void ResetSerialErr() {}
  static int OpenModbusTCPSocketPl(std::uint32_t ip) {
    Log("OpenModbusTCPSocket " + NetworkOrderText(ip));
    return F().openResult;
  }
  static int OpenSocket(int type, std::uint32_t ip, int localPort, int remotePort, int flags) {
    Log("OpenSocket " + Num(type) + " " + NetworkOrderText(ip) + " " + Num(localPort) + " " +
        Num(remotePort) + " " + Num(flags));
    return F().openResult;
  }
  static void CloseSocket() { Log("CloseSocket"); }
  static int ReadSelect(int ms) { return F().OnReadSelect(ms); }
  static void SetRemoteIPAddr(std::uint32_t ip) {
    Log("SetRemoteIPAddr " + NetworkOrderText(ip));
    F().remoteAddress = ntohl(ip);
  }
  static std::uint32_t GetRemoteIPAddr() { return F().remoteAddress; }
  static int GetLastSocketErr() { return 0; }
  static void ResetSocketErr() {}
  static int RequestDataPl(int, int, const std::uint8_t*, int length) { return length; }
  static int ResponseDataPl(std::int32_t*, std::int32_t*, std::uint8_t*) { return 0; }
  static int SendData(const std::uint8_t* data, int length) {
    F().OnSend(data, length);
    return F().sendResult.value_or(length);
  }
  static int RecvData(std::uint8_t* buffer, int capacity) { return F().OnRecv(buffer, capacity); }
  static void SetCommType(int type) { F().commType = type; }
  static int GetCommType() { return F().commType; }
  static int SetSerializeData(const std::uint8_t* data, int length) {
    F().serialized.assign(data, data + length);
    return length;
  }
  static int GetSerializeData(std::uint8_t* buffer) {
    std::copy(F().serialized.begin(), F().serialized.end(), buffer);
    return static_cast<int>(F().serialized.size());
  }

  // MbKit
  static int OpenModbusSerial(const char* port, int baud, int dataBits, int parity, int stopBits,
                              int mode) {
    Log("mb OpenModbusSerial " + std::string(port) + " " + Num(baud) + " " + Num(dataBits) + " " +
        std::string(1, static_cast<char>(parity)) + " " + Num(stopBits) + " " + Num(mode));
    return F().modbusOpenResult;
  }
  static void MbCloseSerial() { Log("mb CloseSerial"); }
  static int MbOpenModbusTCPSocket(std::uint32_t ip) {
    Log("mb OpenModbusTCPSocket " + NetworkOrderText(ip));
    return F().modbusOpenResult;
  }
  static void MbCloseSocket() { Log("mb CloseSocket"); }
  static int MbReadSelect(int ms) {
    Log("mb ReadSelect " + Num(ms));
    return F().modbusReplies.empty() ? 0 : 1;
  }
  static int MbRequestData(int station, int function, const std::uint8_t* data, int length) {
    Log("mb RequestData " + Num(station) + " " + Num(function) + " " + Num(length));
    F().modbusRequests.emplace_back(data, data + length);
    return length;
  }
  static int MbResponseData(std::int32_t* first, std::int32_t* second, std::uint8_t* data) {
    Log("mb ResponseData");
    if (F().modbusReplies.empty()) return 0;
    const std::vector<std::uint8_t> reply = std::move(F().modbusReplies.front());
    F().modbusReplies.pop_front();
    if (first) *first = 0;
    if (second) *second = 0;
    std::copy(reply.begin(), reply.end(), data);
    return static_cast<int>(reply.size());
  }

  static const std::map<std::string, void*>& PortLinkSymbols() {
    static const std::map<std::string, void*> m = {
        {"OpenSerial", Address(&OpenSerial)},
        {"OpenSerialEx", Address(&OpenSerialEx)},
        {"CloseSerial", Address(&CloseSerial)},
        {"SetCOMPortNum", Address(&SetCOMPortNum)},
        {"GetCOMPortNum", Address(&GetCOMPortNum)},
        {"GetLastSerialErr", Address(&GetLastSerialErr)},
        {"ResetSerialErr", Address(&ResetSerialErr)},
        {"OpenModbusTCPSocket", Address(&OpenModbusTCPSocketPl)},
        {"OpenSocket", Address(&OpenSocket)},
        {"CloseSocket", Address(&CloseSocket)},
        {"ReadSelect", Address(&ReadSelect)},
        {"SetRemoteIPAddr", Address(&SetRemoteIPAddr)},
        {"GetRemoteIPAddr", Address(&GetRemoteIPAddr)},
        {"GetLastSocketErr", Address(&GetLastSocketErr)},
        {"ResetSocketErr", Address(&ResetSocketErr)},
        {"RequestData", Address(&RequestDataPl)},
        {"ResponseData", Address(&ResponseDataPl)},
        {"SendData", Address(&SendData)},
        {"RecvData", Address(&RecvData)},
        {"SetCommType", Address(&SetCommType)},
        {"GetCommType", Address(&GetCommType)},
        {"SetSerializeData", Address(&SetSerializeData)},
        {"GetSerializeData", Address(&GetSerializeData)},
    };
    return m;
  }

  static const std::map<std::string, void*>& MbKitSymbols() {
    static const std::map<std::string, void*> m = {
        {"OpenModbusSerial", Address(&OpenModbusSerial)},
        {"CloseSerial", Address(&MbCloseSerial)},
        {"OpenModbusTCPSocket", Address(&MbOpenModbusTCPSocket)},
        {"CloseSocket", Address(&MbCloseSocket)},
        {"ReadSelect", Address(&MbReadSelect)},
        {"RequestData", Address(&MbRequestData)},
        {"ResponseData", Address(&MbResponseData)},
    };
    return m;
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
  if (name == "PortLink") return &portLinkHandle;
  if (name == "MbKit") return &mbKitHandle;
  return nullptr;
}

void* FakePortLink::Symbol(void* module, const std::string& name) {
  const char* library = module == &portLinkHandle ? "PortLink"
                        : module == &mbKitHandle  ? "MbKit"
                                                  : "?";
  const std::string key = std::string(library) + ":" + name;
  lookups.push_back(key);
  if (missing.count(key) != 0) return nullptr;
  const auto& symbols = module == &portLinkHandle ? Trampolines::PortLinkSymbols()
                                                  : Trampolines::MbKitSymbols();
  const auto it = symbols.find(name);
  return it == symbols.end() || module == nullptr ? nullptr : it->second;
}

void FakePortLink::Close(void* module) {
  log_.Add(std::string("unload ") + (module == &portLinkHandle ? "PortLink" : "MbKit"));
}

void FakePortLink::Fill(PortLinkApi& api) {
  using T = Trampolines;
  api = PortLinkApi{};
  api.module = &portLinkHandle;
  api.OpenSerial = &T::OpenSerial;
  api.OpenSerialEx = &T::OpenSerialEx;
  api.CloseSerial = &T::CloseSerial;
  api.SetCOMPortNum = &T::SetCOMPortNum;
  api.GetCOMPortNum = &T::GetCOMPortNum;
  api.GetLastSerialErr = &T::GetLastSerialErr;
  api.ResetSerialErr = &T::ResetSerialErr;
  api.OpenModbusTCPSocket = &T::OpenModbusTCPSocketPl;
  api.OpenSocket = &T::OpenSocket;
  api.CloseSocket = &T::CloseSocket;
  api.ReadSelect = &T::ReadSelect;
  api.SetRemoteIPAddr = &T::SetRemoteIPAddr;
  api.GetRemoteIPAddr = &T::GetRemoteIPAddr;
  api.GetLastSocketErr = &T::GetLastSocketErr;
  api.ResetSocketErr = &T::ResetSocketErr;
  api.RequestData = &T::RequestDataPl;
  api.ResponseData = &T::ResponseDataPl;
  api.SendData = &T::SendData;
  api.RecvData = &T::RecvData;
  api.SetCommType = &T::SetCommType;
  api.GetCommType = &T::GetCommType;
  api.SetSerializeData = &T::SetSerializeData;
  api.GetSerializeData = &T::GetSerializeData;
}

void FakePortLink::Fill(MbKitApi& api) {
  using T = Trampolines;
  api = MbKitApi{};
  api.module = &mbKitHandle;
  api.OpenModbusSerial = &T::OpenModbusSerial;
  api.CloseSerial = &T::MbCloseSerial;
  api.OpenModbusTCPSocket = &T::MbOpenModbusTCPSocket;
  api.CloseSocket = &T::MbCloseSocket;
  api.ReadSelect = &T::MbReadSelect;
  api.RequestData = &T::MbRequestData;
  api.ResponseData = &T::MbResponseData;
}

SentRequest FakePortLink::ReadRequest(std::vector<std::uint8_t> body) {
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

void FakePortLink::OnSend(const std::uint8_t* data, int length) {
  std::vector<std::uint8_t> bytes(data, data + std::max(length, 0));
  sent.push_back(bytes);
  const bool serial = commType == kCommSerial;
  if (serial) {
    // The module's view: the frame un-stuffed, without its checksum byte.
    bytes.resize(std::max<std::size_t>(bytes.size(), 1));
    const int decoded = DecodeSerialFrame(bytes, bytes.size());
    bytes.resize(decoded > 0 ? static_cast<std::size_t>(decoded - 1) : 0);
  }
  SentRequest request = ReadRequest(std::move(bytes));
  log_.Add(request.command < 0
               ? std::string("send ?")
               : "send " + Num(request.command) + "/" + Num(request.block));
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
  log_.Add("recv " + Num(n));
  return n;
}

int FakePortLink::OnReadSelect(int milliseconds) {
  log_.Add("wait " + Num(milliseconds));
  waits.push_back(milliseconds);
  return inbox_.empty() ? 0 : 1;
}

}  // namespace gw::test
