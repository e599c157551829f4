#pragma once
// The window of the "Security" page: login, password setup, factory setting
// and the (hidden) parameter import and export.

#include "pages/SecurityDlg.h"
#include "pages/qt/FormPage.h"

namespace Ui {
class SecurityPageForm;
}

namespace gw::pages {

class CSecurityPage : public CFormPage<CSecurityDlg, Ui::SecurityPageForm> {
 public:
  CSecurityPage(SheetRules& sheet, int index);
  ~CSecurityPage() override;

 protected:
  void Mirror() override;
  QWidget* WidgetOf(const TextControl* control) const override;
};

}  // namespace gw::pages
