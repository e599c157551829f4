#pragma once
// The document's device link: the bound transport entry points, the settings
// copies, the link timing, the transmit and receive buffers, and the
// operations every device action is built from (open and close, send and
// receive one frame, and the two transactions).

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "link/Clock.h"
#include "link/FrameCodec.h"
#include "link/LinkApi.h"
#include "link/LinkTiming.h"
#include "link/TransactionId.h"
#include "model/NodeTable.h"
#include "model/UserInterface.h"

namespace gw {

// Loads libraries by name and resolves their entry points; replaced in tests.
class LibraryLoader {
 public:
  virtual ~LibraryLoader() = default;
  // "PortLink" or "MbKit"; null when the library cannot be loaded.
  virtual void* Open(const std::string& name) = 0;
  virtual void* Symbol(void* module, const std::string& name) = 0;
  virtual void Close(void* module) = 0;
};

// The loader of the running program: lib<name>.so through the loader's search
// path, with local symbol scope.
LibraryLoader& SystemLoader();

class DeviceLink {
 public:
  // Ends the process after a fatal binding message; tests replace it.
  using Terminate = std::function<void(int exitCode)>;

  DeviceLink(NodeTable& nodes, UserInterface& ui, Clock& clock);
  ~DeviceLink();
  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;

  // Binds PortLink, then MbKit, then takes the settings copies. A failure
  // shows its message and calls `terminate` with exit code 0.
  void Bind(LibraryLoader& loader, const Terminate& terminate);
  bool BindPortLink(LibraryLoader& loader);
  bool BindMbKit(LibraryLoader& loader);

  PortLinkApi& PortLink() { return portLink_; }
  MbKitApi& MbKit() { return mbKit_; }

  // The settings copies taken after binding.
  int ComPortCopy() const { return comPort_; }
  int CommTypeCopy() const { return commType_; }
  std::uint32_t RemoteAddressCopy() const { return remoteAddress_; }  // host order
  void SetRemoteAddressCopy(std::uint32_t hostOrder) { remoteAddress_ = hostOrder; }

  // The comm type as the transport reports it now.
  int CommType() const;

  bool OpenLink();
  bool CloseLink();
  bool OpenModbusLink();
  bool CloseModbusLink();

  // One request for the current node (or a search); the result of SendData,
  // or -1 when the request cannot be built.
  int SendFrame(int command, int block);
  // One reply to the request just sent: -1, or the received (Ethernet) or
  // decoded (serial) length.
  int ReceiveFrame(int command, int block);
  // True when the last ReceiveFrame refused a reply for its transaction id:
  // an answer to an earlier request that came late.
  bool LastReplyWasForeign() const { return lastReplyForeign_; }
  // PortLink's wait for data.
  int ReadSelect(std::chrono::milliseconds wait);

  bool WriteBlock(int block);
  bool ExchangeCommand(int command, int block);

  const LinkTiming& Timing() const { return timing_; }
  Clock& GetClock() { return clock_; }
  NodeTable& Nodes() { return nodes_; }
  UserInterface& Ui() { return ui_; }

  // The header of the last reply that passed the transaction id check.
  ConstBytes LastReplyHeader() const;

  // The transaction id the next request carries (later requests count up
  // from it); for tests and fuzzing, which need predictable ids.
  void SetNextTransactionId(std::uint32_t id) { transactionIds_.SetNext(id); }

 private:
  // Fills the outgoing header and the transmit buffer for one request:
  // the body length, or -1 when the request cannot be built.
  int BuildRequest(int command, int block);
  // Discards replies that arrived after their transaction gave up.
  void DiscardStaleInput(int commType);
  // Stores an accepted reply of `length` bytes by the request's command.
  int StoreReply(int command, int block, int length);
  // The receive step of one transaction attempt: on Ethernet a ReadSelect
  // with the reply wait first (`timedOut` is set when it runs out), on serial
  // the receive alone; -1 with no receive for any other comm type.
  int AwaitReply(int command, int block, bool& timedOut);
  // The current node's reply code; 0 when there is no current node.
  std::uint16_t CurrentReplyCode() const;

  NodeTable& nodes_;
  UserInterface& ui_;
  Clock& clock_;
  LinkTiming timing_;
  PortLinkApi portLink_;
  MbKitApi mbKit_;
  LibraryLoader* loader_ = nullptr;
  int comPort_ = 1;
  int commType_ = 0;
  std::uint32_t remoteAddress_ = 0xFFFFFFFF;
  std::uint32_t savedRemoteAddress_ = 0xFFFFFFFF;
  std::array<std::uint8_t, kLinkBufferSize> transmit_{};
  std::array<std::uint8_t, kLinkBufferSize> receive_{};
  std::uint32_t lastTransactionId_ = 0;
  bool lastReplyForeign_ = false;  // of the last request built; 0 = none yet
  TransactionIds transactionIds_;
};

}  // namespace gw
