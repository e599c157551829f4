#pragma once
// The window of the "NTP" page: the time server setup and the clock rows,
// with the timer that makes the PC row tick.

#include "pages/RTCDlg.h"
#include "pages/qt/FormPage.h"

class QTimer;

namespace Ui {
class RtcPageForm;
}

namespace gw::pages {

class CRtcPage : public CFormPage<CRTCDlg, Ui::RtcPageForm> {
 public:
  CRtcPage(SheetRules& sheet, int index);
  ~CRtcPage() override;

 protected:
  void Mirror() override;

 private:
  // Runs while the window lives.
  QTimer* timer_ = nullptr;
};

}  // namespace gw::pages
