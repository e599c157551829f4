#pragma once
// The window of the "IP Filter" page: the switch and eight address/netmask
// rows.

#include <array>

#include "pages/IPFilterDlg.h"
#include "pages/qt/FormPage.h"

namespace Ui {
class IpFilterPageForm;
}

namespace gw::widgets {
class CIpAddressCtrl;
}

namespace gw::pages {

class CIpFilterPage : public CFormPage<CIPFilterDlg, Ui::IpFilterPageForm> {
 public:
  CIpFilterPage(SheetRules& sheet, int index);
  ~CIpFilterPage() override;

 protected:
  void Mirror() override;

 private:
  std::array<widgets::CIpAddressCtrl*, kFilterEntries> addresses_{};
  std::array<widgets::CIpAddressCtrl*, kFilterEntries> netmasks_{};
};

}  // namespace gw::pages
