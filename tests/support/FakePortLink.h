#pragma once
// A scripted stand-in for PortLink and MbKit, and the library loader that
// DeviceLink::Bind uses: every entry point calls into the one live fake and is
// recorded in the shared EventLog. Declare it before the link bound to it.
// Each SendData asks the attached modules (or the `responder`) for replies;
// they wait in the inbox, one RecvData each, and ReadSelect reports 1 while
// it holds any, else 0 at once. On serial (commType 0) requests are un-framed
// for the modules and replies framed. Deliver() puts raw bytes in the inbox.

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "link/DeviceLink.h"
#include "link/LinkApi.h"
#include "model/NodeRecord.h"
#include "support/EventLog.h"

namespace gw::test {

class FakeModule;

// One request as a module sees it: the frame body (un-framed on serial) and
// its header fields (command -1 when shorter than a header).
struct SentRequest {
  std::vector<std::uint8_t> body;
  int command = -1;
  int block = -1;
  std::uint32_t transactionId = 0;
  MacAddress mac{};
  std::uint16_t lockState = 0;
};

class FakePortLink : public LibraryLoader {
 public:
  // The reply bodies a request provokes (none: the module keeps silent).
  using Responder = std::function<std::vector<std::vector<std::uint8_t>>(const SentRequest&)>;

  explicit FakePortLink(EventLog& log);
  ~FakePortLink() override;
  FakePortLink(const FakePortLink&) = delete;
  FakePortLink& operator=(const FakePortLink&) = delete;

  // LibraryLoader; lookups are recorded as "PortLink:OpenSerial".
  void* Open(const std::string& name) override;
  void* Symbol(void* module, const std::string& name) override;
  void Close(void* module) override;

  std::set<std::string> unloadable;  // "PortLink", "MbKit"
  std::set<std::string> missing;     // "PortLink:SetCOMPortNum", "MbKit:CloseSerial"
  std::vector<std::string> lookups;

  // The settings the transport reports.
  int commType = kCommEthernet;
  int comPort = 1;
  std::uint32_t remoteAddress = 0x7F000001;  // host order, as GetRemoteIPAddr answers

  int openResult = 0;             // OpenSerialEx, OpenSocket
  int modbusOpenResult = 0;       // OpenModbusSerial, OpenModbusTCPSocket
  std::optional<int> sendResult;  // SendData; the byte count when empty

  void Attach(FakeModule& module) { modules_.push_back(&module); }
  Responder responder;
  // On serial the replies are framed before they wait; false leaves them raw.
  bool frameReplies = true;
  void Deliver(std::vector<std::uint8_t> chunk) { inbox_.push_back(std::move(chunk)); }
  std::size_t Pending() const { return inbox_.size(); }

  std::vector<std::vector<std::uint8_t>> sent;  // bytes as passed to SendData
  std::vector<SentRequest> requests;            // the same, as requests
  std::vector<int> waits;                       // ReadSelect arguments

  // The Modbus side: each request as [station, function, data...]; the
  // responder gives a request's reply data (none: no reply comes), which
  // ReadSelect reports and ResponseData hands out once.
  using ModbusResponder = std::function<std::optional<std::vector<std::uint8_t>>(
      int station, int function, const std::vector<std::uint8_t>& data)>;
  ModbusResponder modbusResponder;
  std::optional<int> modbusSendResult;  // RequestData; the byte count when empty
  std::vector<std::vector<std::uint8_t>> modbusRequests;

 private:
  struct PortLinkCalls;
  struct MbKitCalls;

  static FakePortLink& Live();
  void OnSend(const std::uint8_t* data, int length);
  int OnRecv(std::uint8_t* buffer, int capacity);

  int Opened(int commType, int result) {
    if (result >= 0) openedAs_ = commType;
    return result;
  }

  EventLog& log_;
  std::optional<int> openedAs_;
  std::vector<FakeModule*> modules_;
  std::deque<std::vector<std::uint8_t>> inbox_;
  std::optional<std::vector<std::uint8_t>> modbusReply_;
  static FakePortLink* live_;
};

}  // namespace gw::test
