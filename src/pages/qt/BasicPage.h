#pragma once
// The window of the "Basic" page: name, network, serial port and timers.

#include <memory>

#include "pages/BasicDlg.h"
#include "pages/qt/PageWindow.h"

namespace Ui {
class BasicPageForm;
}

namespace gw::pages {

class CBasicPage : public CPageWindow {
  Q_OBJECT

 public:
  CBasicPage(PropertySheet& sheet, int index);
  ~CBasicPage() override;

  const Ui::BasicPageForm& Form() const { return *ui_; }

 protected:
  void Mirror() override;
  QWidget* WidgetOf(const TextControl* control) const override;

 private:
  CBasicDlg& Dialog() const { return static_cast<CBasicDlg&>(Page()); }
  void Connect();

  std::unique_ptr<Ui::BasicPageForm> ui_;
};

}  // namespace gw::pages
