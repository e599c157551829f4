#pragma once
// The window of the "Security" page: login, password setup, factory setting
// and the (hidden) parameter import and export.

#include <memory>

#include "pages/SecurityDlg.h"
#include "pages/qt/PageWindow.h"

namespace Ui {
class SecurityPageForm;
}

namespace gw::pages {

class CSecurityPage : public CPageWindow {
  Q_OBJECT

 public:
  CSecurityPage(PropertySheet& sheet, int index);
  ~CSecurityPage() override;

  const Ui::SecurityPageForm& Form() const { return *ui_; }

 protected:
  void Mirror() override;
  QWidget* WidgetOf(const TextControl* control) const override;

 private:
  CSecurityDlg& Dialog() const { return static_cast<CSecurityDlg&>(Page()); }

  std::unique_ptr<Ui::SecurityPageForm> ui_;
};

}  // namespace gw::pages
