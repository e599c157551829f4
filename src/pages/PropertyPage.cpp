#include "PropertyPage.h"

#include <algorithm>

#include "model/Texts.h"

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
  return document_ == nullptr ? kCommEthernet : document_->CommTypeCopy();
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

LinkResult PropertyPage::OnOwnLink(const std::function<LinkResult(DeviceLink&)>& operation) {
  if (document_ == nullptr) return Failed(LinkStatus::NotOpen);
  return document_->OnOwnLink(operation);
}

bool PropertyPage::WriteStagedBlock(int block, UnopenedLink unopened) {
  const LinkResult written =
      OnOwnLink([block](DeviceLink& link) { return link.WriteBlock(block); });
  if (written.Ok()) return true;
  if (!LinkNotOpened(written)) {
    Ui().Message(text::kModifyFailed);
  } else if (unopened == UnopenedLink::Reported) {
    Ui().Message(text::kCommunicationError);
  }
  return false;
}

LinkResult PropertyPage::WriteStagedPassword() {
  return OnOwnLink([](DeviceLink& link) { return link.WritePassword(); });
}

LinkResult PropertyPage::LogIn(const std::string& key) {
  return OnOwnLink([&key](DeviceLink& link) { return link.Login(key); });
}

LinkResult PropertyPage::ResetToFactorySetting() {
  return OnOwnLink([](DeviceLink& link) { return link.FactoryReset(); });
}

LinkResult PropertyPage::PollBlock(int block, std::chrono::milliseconds pause) {
  return OnOwnLink([block, pause](DeviceLink& link) { return link.PollBlock(block, pause); });
}

LinkResult PropertyPage::ReadBlock(int block) {
  return OnOwnLink([block](DeviceLink& link) { return link.ReadBlock(block); });
}

bool PropertyPage::OpenModbusLink() { return document_ != nullptr && document_->OpenModbusLink(); }

void PropertyPage::CloseModbusLink() {
  if (document_ != nullptr) document_->CloseModbusLink();
}

LinkResult PropertyPage::ModbusRequest(int station, int function, ConstBytes data,
                                       Bytes reply) const {
  if (document_ == nullptr) return Failed(LinkStatus::NotOpen);
  return document_->ModbusRequest(station, function, data, reply);
}

bool LinkNotOpened(const LinkResult& result) {
  return result.status == LinkStatus::CannotOpen || result.status == LinkStatus::NoTransport ||
         result.status == LinkStatus::NotOpen;
}

}  // namespace gw::pages
