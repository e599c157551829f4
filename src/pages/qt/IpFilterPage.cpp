#include "IpFilterPage.h"

#include "ui_IpFilterPage.h"

namespace gw::pages {

CIpFilterPage::CIpFilterPage(SheetRules& sheet, int index) : CFormPage(sheet, index) {
  addresses_ = {ui_->address1, ui_->address2, ui_->address3, ui_->address4,
                ui_->address5, ui_->address6, ui_->address7, ui_->address8};
  netmasks_ = {ui_->netmask1, ui_->netmask2, ui_->netmask3, ui_->netmask4,
               ui_->netmask5, ui_->netmask6, ui_->netmask7, ui_->netmask8};
  CIPFilterDlg& page = Dialog();
  connect(ui_->enable, &QCheckBox::clicked, this,
          [&page](bool checked) { page.OnEnableClicked(checked); });
  for (int k = 0; k < static_cast<int>(kFilterEntries); ++k) {
    const auto entry = static_cast<std::size_t>(k);
    connect(addresses_[entry], &widgets::CIpAddressCtrl::FieldChanged, this,
            [&page, k](int field, int value) { page.OnAddressFieldChanged(k, field, value); });
    connect(netmasks_[entry], &widgets::CIpAddressCtrl::FieldChanged, this,
            [&page, k](int field, int value) { page.OnNetmaskFieldChanged(k, field, value); });
  }
  Refresh();
}

CIpFilterPage::~CIpFilterPage() = default;

void CIpFilterPage::Mirror() {
  const IpFilterControls& c = Dialog().Controls();
  Show(ui_->enable, c.enable);
  for (std::size_t k = 0; k < kFilterEntries; ++k) {
    Show(addresses_[k], c.address[k]);
    Show(netmasks_[k], c.netmask[k]);
  }
}

}  // namespace gw::pages
