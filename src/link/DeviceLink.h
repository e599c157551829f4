#pragma once
// The document's device link: the bound transport entry points, the settings
// copies, the link timing, the transmit and receive buffers, and the named
// operations every device action is built from.
//
// The road from a page (or the search, the inquiry, the command line) to the
// wire: an action opens the link, which chooses the transport (serial line or
// UDP socket) once from the comm type the transport reports then and keeps it
// until the link is closed; the action then calls named operations (write a
// staged block, change the password, log in, factory reset, read a block,
// poll a block, search), each a whole transaction with its retries and pauses
// on the injected clock, answering a LinkResult that says why it failed. The
// link never shows a message: the action decides what the user is told.
// Requests are built in one place, which adds the login credentials to every
// write to a locked node.

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "link/Clock.h"
#include "link/FrameCodec.h"
#include "link/LinkApi.h"
#include "link/LinkResult.h"
#include "link/LinkTiming.h"
#include "link/TransactionId.h"
#include "link/Transport.h"
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

// Replies to other requests or from other modules that one wait sets aside
// before it gives up.
inline constexpr int kRepliesSetAside = 4;

// The most data bytes a Modbus reply carries.
inline constexpr std::size_t kModbusReplyData = 252;

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

  // The bound entry points, for the settings commands of the host and the
  // command line; device actions go through the operations below.
  PortLinkApi& PortLink() { return portLink_; }
  MbKitApi& MbKit() { return mbKit_; }

  // The settings copies taken after binding.
  int ComPortCopy() const { return comPort_; }
  int CommTypeCopy() const { return commType_; }
  std::uint32_t RemoteAddressCopy() const { return remoteAddress_; }  // host order
  void SetRemoteAddressCopy(std::uint32_t hostOrder) { remoteAddress_ = hostOrder; }

  // The comm type as the transport reports it now (-1 unbound).
  int CommType() const;

  // --- the configuration link of one action ---------------------------------
  // Chooses the transport and opens it; on Ethernet it sends to the
  // transport's remote address, or first makes `aim` (host order) the
  // transport's remote address. CannotOpen, NoTransport, or Ok.
  LinkStatus OpenLink(std::optional<std::uint32_t> aim = std::nullopt);
  // Closes what OpenLink opened, on the transport it chose; nothing when
  // no link is open.
  void CloseLink();
  bool IsOpen() const { return transport_ != nullptr; }
  // The comm type of the open link; -1 when none is open.
  int OpenCommType() const { return transport_ != nullptr ? transport_->commType : -1; }

  // The staged block `block` of the outgoing image to the current node, then
  // read back into the node whatever the write came to. Refused when the
  // module did not take it.
  LinkResult WriteBlock(int block);
  // The staged NetworkBlock (with its new Password) to the current node in a
  // request that carries the node's own header, without a read-back.
  LinkResult WritePassword();
  // Asks the current node to unlock with `key` (its first four bytes): the
  // node's stored header with LockState 2 and the key. The node takes the
  // reply's header only when it comes from the node.
  LinkResult Login(std::string_view key);
  // Returns the current node to its factory setting.
  LinkResult FactoryReset();
  // One read request for `block` and its reply, waited for as the transport
  // does it (serial: a fixed pause; Ethernet: up to the reply wait).
  LinkResult ReadBlock(int block);
  // One read request, a pause of `pause`, and whatever reply has come by
  // then; no retries.
  LinkResult PollBlock(int block, std::chrono::milliseconds pause);
  // One search request; every reply that comes in the reply wait (one on a
  // serial line) is appended to the node table. Ok once the request went out.
  LinkResult Search();

  // --- the Modbus link of the monitor ---------------------------------------
  LinkStatus OpenModbusLink();
  void CloseModbusLink();
  // One request [station, function, data] on the open Modbus link, and the
  // data bytes of its reply into the front of `reply` (the rest untouched).
  // Only SendFailed and NotOpen mean the request did not go out; a reply
  // that does not come (TimedOut) or does not decode (BadFrame) leaves
  // `reply` as it was. It touches nothing but the Modbus link, so a worker
  // may run it while the configuration link serves other actions.
  LinkResult ModbusRequest(int station, int function, ConstBytes data, Bytes reply);

  const LinkTiming& Timing() const { return timing_; }
  NodeTable& Nodes() { return nodes_; }
  UserInterface& Ui() { return ui_; }

  // The header of the last reply that was taken.
  ConstBytes LastReplyHeader() const;

  // The transaction id the next request carries (later requests count up
  // from it); for tests and fuzzing, which need predictable ids.
  void SetNextTransactionId(std::uint32_t id) { transactionIds_.SetNext(id); }

  // The steps of a transaction, for the tests of the frames themselves: one
  // request for the current node (or a search), and one reply to it.
  LinkResult SendFrame(int command, int block);
  LinkResult ReceiveFrame(int command, int block);

 private:
  // Which header a request starts from.
  enum class HeaderFrom { Outgoing, Node };
  // How a transaction repeats its request.
  struct Retry {
    bool askSilentAgain;      // after a wait with no reply on Ethernet
    bool pauseAfterBadReply;  // RetryPause after any other failure
  };

  // Fills the outgoing header and the transmit buffer for one request: the
  // body length, or -1 when the request cannot be built. Every write to a
  // node that reports itself locked carries LockState 2 and the login
  // password as its LoginKey.
  int BuildRequest(int command, int block, HeaderFrom from, std::string_view key);
  LinkResult Send(int command, int block, HeaderFrom from = HeaderFrom::Outgoing,
                  std::string_view key = {});
  // Stores an accepted reply of `length` bytes by the request's command.
  LinkResult StoreReply(int command, int block, int length);
  // Waits for the reply to the request just sent, setting aside replies to
  // other requests or from other modules within the same wait.
  LinkResult AwaitReply(int command, int block);
  // One request repeated, up to RetryCount times, until a reply is taken.
  LinkResult Exchange(int command, int block, Retry retry, HeaderFrom from = HeaderFrom::Outgoing,
                      std::string_view key = {});
  // A reply taken becomes Refused unless the reply code the current node now
  // holds is one of `accepted`.
  LinkResult Judge(LinkResult received, std::initializer_list<int> accepted) const;

  NodeTable& nodes_;
  UserInterface& ui_;
  Clock& clock_;
  LinkTiming timing_;
  PortLinkApi portLink_;
  MbKitApi mbKit_;
  LibraryLoader* loader_ = nullptr;
  const Transport* transport_ = nullptr;        // of the open configuration link
  const Transport* modbusTransport_ = nullptr;  // of the open Modbus link
  int comPort_ = 1;
  int commType_ = 0;
  std::uint32_t remoteAddress_ = 0xFFFFFFFF;
  std::uint32_t savedRemoteAddress_ = 0xFFFFFFFF;
  std::array<std::uint8_t, kLinkBufferSize> transmit_{};
  std::array<std::uint8_t, kLinkBufferSize> receive_{};
  std::uint32_t lastTransactionId_ = 0;  // of the last request built; 0 = none yet
  TransactionIds transactionIds_;
};

}  // namespace gw
