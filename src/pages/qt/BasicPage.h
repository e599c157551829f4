#pragma once
// The window of the "Basic" page: name, network, serial port and timers.

#include "pages/BasicDlg.h"
#include "pages/qt/FormPage.h"

namespace Ui {
class BasicPageForm;
}

namespace gw::pages {

class CBasicPage : public CFormPage<CBasicDlg, Ui::BasicPageForm> {
 public:
  CBasicPage(SheetRules& sheet, int index);
  ~CBasicPage() override;

 protected:
  void Mirror() override;
  QWidget* WidgetOf(const TextControl* control) const override;

 private:
  void Connect();
};

}  // namespace gw::pages
