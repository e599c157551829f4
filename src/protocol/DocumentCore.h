#pragma once
// What a document of the tool is without its windows: the node data, the
// device link, the settings files, and the host commands that act on them.
// The desktop document and the command-line tool are both built on it.

#include <functional>
#include <optional>

#include "link/CommSettings.h"
#include "link/DeviceLink.h"
#include "model/NodeListExchange.h"
#include "model/NodeTable.h"

namespace gw {

enum class OpenResult { NoNode, LinkFailed, InquiryFailed, Opened };

class DocumentCore {
 public:
  DocumentCore(UserInterface& ui, Clock& clock, SerializeStore& store, CommSettings settings);

  NodeTable& Nodes() { return nodes_; }
  const NodeTable& Nodes() const { return nodes_; }
  DeviceLink& Link() { return link_; }
  CommSettings& Settings() { return settings_; }
  UserInterface& Ui() { return ui_; }
  // The clock of the link's pauses, which also tells the local time.
  Clock& TheClock() { return clock_; }

  // Search with the remote address copy set to the broadcast address (30001).
  void Search();
  // Search with the remote address copy set to `hostOrder`.
  void SearchAt(std::uint32_t hostOrder);
  // Search with the remote address copy from the settings file (30002).
  void IpSearch();
  // Only while the transport is on Ethernet.
  bool IpSearchEnabled() const;
  // The host's first search (10900): only with an empty table, once per
  // document. True when it searched.
  bool FirstSearch();
  // The node list from and to the host's store (10901, 10902).
  void LoadNodeList();
  void StoreNodeList();
  // Save and Save As need a node.
  bool SaveEnabled() const { return nodes_.Count() > 0; }

  // The comm type the transport reported when the document was built.
  int CommTypeCopy() const { return link_.CommTypeCopy(); }
  // Runs `operation` as one device action, on a link opened for it and
  // closed after it; CannotOpen (after "Cannot open the specified device")
  // or NoTransport when the link does not open.
  LinkResult OnOwnLink(const std::function<LinkResult(DeviceLink&)>& operation);

  // The monitor's Modbus link to the current node, which stays open across
  // actions until CloseModbusLink; false (after "Cannot open the specified
  // device" when the transport refuses) when it does not open. While it is
  // open ModbusRequest may run on a worker thread.
  bool OpenModbusLink();
  void CloseModbusLink() { link_.CloseModbusLink(); }
  LinkResult ModbusRequest(int station, int function, ConstBytes data, Bytes reply) {
    return link_.ModbusRequest(station, function, data, reply);
  }

  // This computer's IPv4 address (host order) on the interface that reaches
  // `node`; none on a serial link or when the system cannot tell.
  std::optional<std::uint32_t> LocalAddressToward(std::uint32_t node) const;
  using AddressFinder = std::function<std::optional<std::uint32_t>(std::uint32_t)>;
  // Replaces the system's routing as the answer to LocalAddressToward.
  void SetAddressFinder(AddressFinder finder) { addressFinder_ = std::move(finder); }

  // Opens node `index`: clears the login state, makes it current and
  // selected, updates its firmware number and reads all its parameters. A
  // failed read marks it offline and leaves no current node; every failure has
  // been reported with "Communication error". When the module is password
  // locked the document's locked flag is set.
  OpenResult OpenNode(int index);

 private:
  void RunSearch();

  UserInterface& ui_;
  Clock& clock_;
  SerializeStore& store_;
  NodeTable nodes_;
  DeviceLink link_;
  CommSettings settings_;
  AddressFinder addressFinder_;
};

}  // namespace gw
