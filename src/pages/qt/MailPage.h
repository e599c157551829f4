#pragma once
// The window of the "Mail" page: the alarm switches and triggers, the SMTP
// server and sender, and the subject and recipient grids.

#include <memory>

#include "pages/MailDlg.h"
#include "pages/qt/FormPage.h"
#include "pages/qt/GridAdapter.h"

namespace Ui {
class MailPageForm;
}

namespace gw::pages {

class CMailPage : public CFormPage<CMailDlg, Ui::MailPageForm> {
 public:
  CMailPage(SheetRules& sheet, int index);
  ~CMailPage() override;

 protected:
  void Mirror() override;
  QWidget* WidgetOf(const TextControl* control) const override;

 private:
  std::unique_ptr<CGridAdapter> subjects_;
  std::unique_ptr<CGridAdapter> recipients_;
};

}  // namespace gw::pages
