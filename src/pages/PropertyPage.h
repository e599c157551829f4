#pragma once
// A parameter page without its window: the document it works on, its
// modified state, the calls the sheet makes (initialisation, activation,
// Apply, the parameters-replaced query) and the services the sheet offers
// it. A page keeps its controls as plain data (ControlState.h) and has one
// handler per user event; a window toolkit shows that data, forwards the
// events, and re-reads the data whenever the page reports a change.
//
// A page of the sheet:
// - holds a struct of its controls, exposed read-only, and one 32-bit change
//   mask per block it writes;
// - Load fills the controls from CurrentRecord(), applies the enable rules,
//   clears the masks and calls SetModified(false);
// - each handler ignores a disabled control, updates the data, sets its mask
//   bits, calls SetModified() and ends with NotifyChanged();
// - OnSetActive returns !DocumentLocked() unless the page must stay
//   reachable on a locked node;
// - OnApply stages its blocks in the outgoing image (false refuses, nothing
//   sent), writes each block whose mask is set with WriteStagedBlock, and
//   loads again;
// - OnSiblingQuery loads, marks the page modified and sets its masks to
//   everything the page writes.

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "pages/ControlState.h"
#include "protocol/DocumentCore.h"

namespace gw::pages {

// The message the sheet forwards to every page after a parameter import:
// the current node's parameters were replaced.
inline constexpr int kMsgParametersReplaced = 0x046C;

class PropertyPage;

// What a page may ask of the sheet that holds it.
class PageHost {
 public:
  virtual ~PageHost() = default;
  virtual void PageModifiedChanged(PropertyPage& page) = 0;
  // Ends the whole sheet, whichever page asks.
  virtual void CloseSheet() = 0;
  // Sends the parameters-replaced query to every page of the sheet.
  virtual void QuerySiblings() = 0;
};

// An edit that wants the keyboard focus, its text selected or not.
struct FocusRequest {
  const TextControl* control = nullptr;
  bool selectAll = false;
};

class PropertyPage {
 public:
  using Listener = std::function<void()>;

  explicit PropertyPage(std::string caption) : caption_(std::move(caption)) {}
  virtual ~PropertyPage() = default;
  PropertyPage(const PropertyPage&) = delete;
  PropertyPage& operator=(const PropertyPage&) = delete;

  // The tab caption.
  const std::string& Caption() const { return caption_; }

  // Called by the sheet before the page is initialised.
  void SetDocument(DocumentCore* document) { document_ = document; }
  DocumentCore* Document() const { return document_; }
  void SetHost(PageHost* host) { host_ = host; }

  // The page is created: fill the controls.
  virtual void OnInitDialog() {}
  // The page is about to become active; false refuses.
  virtual bool OnSetActive() { return true; }
  // The page stops being the active one (another page became active, or the
  // sheet closes).
  virtual void OnKillActive() {}
  // Apply or OK; false keeps the sheet open on this page.
  virtual bool OnApply() { return true; }
  // The parameters-replaced query (kMsgParametersReplaced).
  virtual void OnSiblingQuery() {}
  // Whether Apply and OK run OnApply even while the page is unmodified.
  virtual bool AppliesUnmodified() const { return false; }

  bool IsModified() const { return modified_; }
  // Tells the sheet, which enables Apply while any page is modified.
  void SetModified(bool modified = true);

  // Called after every change of the page's control data.
  void SetChangeListener(Listener listener) { listener_ = std::move(listener); }
  void NotifyChanged() const;

  // The edit that asked for the focus since the last call, if any.
  std::optional<FocusRequest> TakeFocusRequest();

 protected:
  // The current node's record; null without a document or a current node.
  NodeRecord* CurrentRecord() const;
  // Only while CurrentRecord() is not null.
  NodeTable& Nodes() const { return document_->Nodes(); }
  UserInterface& Ui() const { return document_->Ui(); }

  // The current node's firmware number (version times 100).
  int FirmwareNumber() const;
  // The document's locked flag: a password-locked node without a login.
  bool DocumentLocked() const;
  // The comm type the document had when it was built.
  int CommTypeCopy() const;

  void CloseSheet();
  void QuerySiblings();
  void RequestFocus(const TextControl& control, bool selectAll);

  // The page's road to the module: each call below is one action on a link
  // of its own, opened for it and closed after it ("Cannot open the
  // specified device" when the transport refuses; the result is then
  // CannotOpen or NoTransport). The link adds the login credentials to
  // every write to a locked node.

  // One staged block of the outgoing image to the module, read back into
  // the record: "Communication error" when the link cannot be opened (unless
  // Silent), "Modify failed" when the write or its read-back fails. True
  // when written.
  enum class UnopenedLink { Reported, Silent };
  bool WriteStagedBlock(int block, UnopenedLink unopened = UnopenedLink::Reported);
  // The staged NetworkBlock with a new password, without a read-back.
  LinkResult WriteStagedPassword();
  LinkResult LogIn(const std::string& key);
  LinkResult ResetToFactorySetting();
  // One read of `block` with a fixed pause and no retries.
  LinkResult PollBlock(int block, std::chrono::milliseconds pause);
  // One read of `block` as a transaction does it, with its retries.
  LinkResult ReadBlock(int block);

  // The monitor's Modbus link to the current node, open from here until
  // CloseModbusLink ("Cannot open the specified device" when it does not
  // open). While it is open ModbusRequest may run on a worker thread.
  bool OpenModbusLink();
  void CloseModbusLink();
  LinkResult ModbusRequest(int station, int function, ConstBytes data, Bytes reply) const;

 private:
  std::string caption_;
  DocumentCore* document_ = nullptr;
  PageHost* host_ = nullptr;
  bool modified_ = false;
  Listener listener_;
  std::optional<FocusRequest> focus_;

  LinkResult OnOwnLink(const std::function<LinkResult(DeviceLink&)>& operation);
};

// True when the action's link did not open.
bool LinkNotOpened(const LinkResult& result);

}  // namespace gw::pages
