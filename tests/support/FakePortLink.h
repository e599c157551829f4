#pragma once
// A scripted stand-in for PortLink and MbKit. It is at the same time the
// library loader that DeviceLink::Bind uses: "PortLink" and "MbKit" load, and
// every entry point resolves to a static trampoline that calls into the one
// live FakePortLink. Every call is recorded, in order, in the shared EventLog
// (see EventLog.h for the entries), so that together with a FakeClock on the
// same log a test sees sends, pauses and ReadSelect waits as one sequence.
//
// Typical use (declare the fake before the link: the link releases PortLink
// through its loader when it is destroyed):
//
//   EventLog log;
//   FakeClock clock{log};
//   FakePortLink port{log};
//   RecordingUi ui;
//   NodeTable nodes;
//   DeviceLink link{nodes, ui, clock};
//   FakeModule module{0x01};
//   port.Attach(module);            // answers every request the module hears
//   link.Bind(port, terminate);
//
// Replies: for every SendData the attached modules are asked in turn (or the
// `responder`, when set); their reply bodies wait in the inbox, one RecvData
// each, and ReadSelect reports 1 while the inbox holds something, else 0
// (the time-out, at once). On serial (commType 0) the request is un-framed
// before the modules see it and each reply body is framed before it waits,
// unless `frameReplies` is false. Deliver() puts raw bytes in the inbox.

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
// its header fields.
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

  // LibraryLoader. Lookups are recorded in `lookups` as "PortLink:OpenSerial".
  void* Open(const std::string& name) override;
  void* Symbol(void* module, const std::string& name) override;
  void Close(void* module) override;

  // Fills the tables directly, without the loader.
  void Fill(PortLinkApi& api);
  void Fill(MbKitApi& api);

  // --- What the loader refuses.
  std::set<std::string> unloadable;  // "PortLink", "MbKit"
  std::set<std::string> missing;     // "PortLink:SetCOMPortNum", "MbKit:CloseSerial"
  std::vector<std::string> lookups;

  // --- The settings the transport reports.
  int commType = kCommEthernet;
  int comPort = 1;
  std::uint32_t remoteAddress = 0x7F000001;  // host order, as GetRemoteIPAddr answers

  // --- Results.
  int openResult = 0;         // OpenSerialEx, OpenSocket
  int modbusOpenResult = 0;   // OpenModbusSerial, OpenModbusTCPSocket
  std::optional<int> sendResult;  // SendData; the byte count when empty

  // --- Replies.
  void Attach(FakeModule& module) { modules_.push_back(&module); }
  Responder responder;
  bool frameReplies = true;
  void Deliver(std::vector<std::uint8_t> chunk) { inbox_.push_back(std::move(chunk)); }
  std::size_t Pending() const { return inbox_.size(); }

  // --- What was done.
  std::vector<std::vector<std::uint8_t>> sent;  // bytes as passed to SendData
  std::vector<SentRequest> requests;            // the same, as requests
  std::vector<int> waits;                       // ReadSelect arguments
  std::vector<std::uint8_t> serialized;         // Set/GetSerializeData store

  // --- MbKit.
  std::deque<std::vector<std::uint8_t>> modbusReplies;  // ResponseData, in turn
  std::vector<std::vector<std::uint8_t>> modbusRequests;

  // The request a body carries (command -1 when shorter than a header).
  static SentRequest ReadRequest(std::vector<std::uint8_t> body);

 private:
  struct Trampolines;
  friend struct Trampolines;

  static FakePortLink& Live();
  void OnSend(const std::uint8_t* data, int length);
  int OnRecv(std::uint8_t* buffer, int capacity);
  int OnReadSelect(int milliseconds);

  EventLog& log_;
  std::vector<FakeModule*> modules_;
  std::deque<std::vector<std::uint8_t>> inbox_;
  static FakePortLink* live_;
};

// "a.b.c.d" of an address in network order as the link passes it.
std::string NetworkOrderText(std::uint32_t networkOrder);

}  // namespace gw::test
