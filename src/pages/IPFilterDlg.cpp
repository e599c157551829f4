#include "IPFilterDlg.h"

#include <algorithm>

#include "model/Texts.h"

namespace gw::pages {

namespace {

std::size_t AddressAt(std::size_t entry) { return ipfilter::FilterAddress + 4 * entry; }
std::size_t NetmaskAt(std::size_t entry) { return ipfilter::FilterNetmask + 4 * entry; }

}  // namespace

bool FilterAdmits(std::uint32_t address, std::uint32_t netmask, std::uint32_t host) {
  return address != 0 && (host & netmask) == (address & netmask);
}

CIPFilterDlg::CIPFilterDlg() : PropertyPage("IP Filter") {}

void CIPFilterDlg::OnInitDialog() {
  Load();
  NotifyChanged();
}

void CIPFilterDlg::OnSiblingQuery() {
  Load();
  SetModified(true);
  mask_ = filterbits::All;
  NotifyChanged();
}

void CIPFilterDlg::Load() {
  const NodeRecord* node = CurrentRecord();
  if (node == nullptr) return;
  const ConstBytes block = node->Block(kIpFilterBlock);
  c_.enable.checked = LoadBE16(block, ipfilter::FilterEnable) != 0;
  for (std::size_t k = 0; k < kFilterEntries; ++k) {
    c_.address[k].SetValue(LoadBE32(block, AddressAt(k)));
    c_.netmask[k].SetValue(LoadBE32(block, NetmaskAt(k)));
  }
  c_.enable.enabled = true;
  ApplyEnableRule();
  SetModified(false);
  mask_ = 0;
}

void CIPFilterDlg::ApplyEnableRule() {
  for (std::size_t k = 0; k < kFilterEntries; ++k) {
    c_.address[k].enabled = c_.enable.checked;
    c_.netmask[k].enabled = c_.enable.checked;
  }
}

void CIPFilterDlg::OnEnableClicked(bool checked) {
  if (!c_.enable.enabled) return;
  c_.enable.checked = checked;
  ApplyEnableRule();
  mask_ |= filterbits::Enable;
  SetModified(true);
  NotifyChanged();
}

void CIPFilterDlg::EntryChanged(AddressControl* control, int entry, int field, int value) {
  if (control == nullptr || !control->TakeField(field, value)) return;
  mask_ |= filterbits::Entry(static_cast<std::size_t>(entry));
  SetModified(true);
  NotifyChanged();
}

void CIPFilterDlg::OnAddressFieldChanged(int entry, int field, int value) {
  const bool valid = entry >= 0 && entry < static_cast<int>(kFilterEntries);
  EntryChanged(valid ? &c_.address[static_cast<std::size_t>(entry)] : nullptr, entry, field, value);
}

void CIPFilterDlg::OnNetmaskFieldChanged(int entry, int field, int value) {
  const bool valid = entry >= 0 && entry < static_cast<int>(kFilterEntries);
  EntryChanged(valid ? &c_.netmask[static_cast<std::size_t>(entry)] : nullptr, entry, field, value);
}

void CIPFilterDlg::Stage() {
  const Bytes out = Nodes().Outgoing().Block(kIpFilterBlock);
  std::fill(out.begin(), out.end(), std::uint8_t{0});
  // Every entry goes out as it stands, the disabled ones too.
  StoreBE16(out, ipfilter::FilterEnable, c_.enable.checked ? 1 : 0);
  for (std::size_t k = 0; k < kFilterEntries; ++k) {
    StoreBE32(out, AddressAt(k), c_.address[k].Value());
    StoreBE32(out, NetmaskAt(k), c_.netmask[k].Value());
  }
  StoreBE32(out, kChangeMask, mask_);
}

bool CIPFilterDlg::ConfirmLockOut() {
  if (!c_.enable.checked) return true;
  const auto self = Document()->LocalAddressToward(CurrentRecord()->IpAddress());
  if (!self) return true;
  for (std::size_t k = 0; k < kFilterEntries; ++k) {
    if (FilterAdmits(c_.address[k].Value(), c_.netmask[k].Value(), *self)) return true;
  }
  return Ui().Message(text::FilterExcludesComputer(Ipv4Text(*self)), Buttons::YesNo, Icon::Warning,
                      Answer::No) == Answer::Yes;
}

bool CIPFilterDlg::OnApply() {
  if (CurrentRecord() == nullptr) return true;
  if (mask_ != 0 && !ConfirmLockOut()) {
    NotifyChanged();
    return false;
  }
  Stage();
  if (mask_ != 0) WriteStagedBlock(kIpFilterBlock, UnopenedLink::Silent);
  Load();
  NotifyChanged();
  return true;
}

}  // namespace gw::pages
