#include "DocumentCore.h"

#include "model/Texts.h"
#include "platform/util/LocalAddress.h"
#include "protocol/LinkAction.h"
#include "protocol/ModuleInquiry.h"
#include "protocol/ModuleSearch.h"

namespace gw {

DocumentCore::DocumentCore(UserInterface& ui, Clock& clock, SerializeStore& store,
                           CommSettings settings)
    : ui_(ui),
      clock_(clock),
      store_(store),
      link_(nodes_, ui, clock),
      settings_(std::move(settings)) {}

void DocumentCore::Search() { SearchAt(0xFFFFFFFF); }

void DocumentCore::SearchAt(std::uint32_t hostOrder) {
  link_.SetRemoteAddressCopy(hostOrder);
  RunSearch();
}

void DocumentCore::IpSearch() { SearchAt(settings_.LoadRemoteAddress()); }

void DocumentCore::RunSearch() {
  SearchModules(link_, [this](const NodeTable& nodes) { settings_.MergeIpList(nodes); });
}

bool DocumentCore::IpSearchEnabled() const { return link_.CommType() != kCommSerial; }

bool DocumentCore::FirstSearch() {
  if (nodes_.Count() != 0 || nodes_.SearchedOnce()) return false;
  nodes_.SetSearchedOnce();
  RunSearch();
  return true;
}

std::optional<std::uint32_t> DocumentCore::LocalAddressToward(std::uint32_t node) const {
  if (link_.CommType() == kCommSerial) return std::nullopt;
  return addressFinder_ ? addressFinder_(node) : platform::LocalAddressToward(node);
}

void DocumentCore::LoadNodeList() { gw::LoadNodeList(nodes_, store_, ui_); }

void DocumentCore::StoreNodeList() { gw::StoreNodeList(nodes_, store_, ui_); }

LinkResult DocumentCore::OnOwnLink(const std::function<LinkResult(DeviceLink&)>& operation) {
  LinkAction action(link_);
  if (!action.Open()) return Failed(action.Status());
  return operation(link_);
}

bool DocumentCore::OpenModbusLink() {
  const LinkStatus opened = link_.OpenModbusLink();
  if (opened == LinkStatus::CannotOpen) ui_.Message(text::kCannotOpenDevice);
  return opened == LinkStatus::Ok;
}

OpenResult DocumentCore::OpenNode(int index) {
  nodes_.SetLoginPassword({});
  nodes_.SetLocked(false);
  if (index < 0 || index >= nodes_.Count()) return OpenResult::NoNode;
  nodes_.SetCurrent(index);
  NodeRecord& node = nodes_.Node(index);
  node.SetSelected(1);
  nodes_.UpdateFirmwareNumber(index);
  LinkAction action(link_);
  if (!action.Open()) {
    ui_.Message(text::kCommunicationError);
    return OpenResult::LinkFailed;
  }
  if (!InquireModule(link_)) {
    nodes_.SetCurrent(NodeTable::kNoNode);
    node.SetOnline(0);
    ui_.Message(text::kCommunicationError);
    return OpenResult::InquiryFailed;
  }
  nodes_.SetCurrent(index);
  node.SetOnline(1);
  action.Close();
  if (node.LockState() == kLockStateLocked) nodes_.SetLocked(true);
  return OpenResult::Opened;
}

}  // namespace gw
