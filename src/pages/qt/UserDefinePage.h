#pragma once
// The window of the "User Define" page: one group box per serial port.

#include <array>

#include "pages/UserDefDlg.h"
#include "pages/qt/FormPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace Ui {
class UserDefinePageForm;
}

namespace gw::widgets {
class CIpAddressCtrl;
}

namespace gw::pages {

class CUserDefinePage : public CFormPage<CUserDefDlg, Ui::UserDefinePageForm> {
 public:
  CUserDefinePage(SheetRules& sheet, int index);
  ~CUserDefinePage() override;

 protected:
  void Mirror() override;
  QWidget* WidgetOf(const TextControl* control) const override;

 private:
  // One port's widgets, as its group box holds them.
  struct PortWidgets {
    QLineEdit* listenPort;
    widgets::CIpAddressCtrl* destinationIp;
    QLineEdit* destinationPort;
    QCheckBox* fixLength;
    QLineEdit* fixLengthBytes;
    QCheckBox* startItem;
    QComboBox* startCount;
    std::array<QLineEdit*, 3> startChars;
    QCheckBox* stopItem;
    QComboBox* stopCount;
    std::array<QLineEdit*, 3> stopChars;
  };
  void Connect(int port);

  std::array<PortWidgets, kUserDefinePorts> ports_{};
};

}  // namespace gw::pages
