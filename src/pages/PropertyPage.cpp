#include "PropertyPage.h"

#include <algorithm>

#include "model/Strings.h"

namespace gw::pages {

void PropertyPage::SetModified(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  if (host_ != nullptr) host_->PageModifiedChanged(*this);
}

void PropertyPage::NotifyChanged() const {
  if (listener_) listener_();
}

std::optional<FocusRequest> PropertyPage::TakeFocusRequest() {
  std::optional<FocusRequest> request = focus_;
  focus_.reset();
  return request;
}

NodeRecord* PropertyPage::CurrentRecord() const {
  return document_ == nullptr ? nullptr : document_->Nodes().CurrentRecord();
}

int PropertyPage::FirmwareNumber() const {
  if (CurrentRecord() == nullptr) return 0;
  const int current = Nodes().Current();
  return current < NodeTable::kNodeSlots ? Nodes().FirmwareNumberOf(current) : 0;
}

bool PropertyPage::DocumentLocked() const {
  return document_ != nullptr && document_->Nodes().Locked();
}

int PropertyPage::CommTypeCopy() const {
  return document_ == nullptr ? kCommEthernet : document_->Link().CommTypeCopy();
}

void PropertyPage::CloseSheet() {
  if (host_ != nullptr) host_->CloseSheet();
}

void PropertyPage::QuerySiblings() {
  if (host_ != nullptr) host_->QuerySiblings();
}

void PropertyPage::RequestFocus(const TextControl& control, bool selectAll) {
  focus_ = FocusRequest{&control, selectAll};
}

void PropertyPage::AddLoginCredentials() const {
  const NodeRecord* node = CurrentRecord();
  if (node == nullptr || node->LockState() != kLockStateLocked) return;
  Bytes header = Nodes().Outgoing().Header();
  StoreBE16(header, hdr::LockState, kLockStateUnlocked);
  StorePasswordKey(header.subspan(hdr::LoginKey, hdr::kLoginKeySize), Nodes().LoginPassword());
}

bool PropertyPage::WriteStagedBlock(int block) {
  if (!Link().OpenLink()) {
    Ui().Message(text::kCommunicationError);
    return false;
  }
  // The read-back of an earlier write clears the credentials of the
  // outgoing header, so every write gets them anew.
  AddLoginCredentials();
  const bool written = Link().WriteBlock(block);
  if (!written) Ui().Message(text::kModifyFailed);
  Link().CloseLink();
  return written;
}

void StorePasswordKey(Bytes field4, const std::string& password) {
  std::fill(field4.begin(), field4.end(), std::uint8_t{0});
  std::copy_n(password.begin(), std::min(password.size(), field4.size()), field4.begin());
}

}  // namespace gw::pages
