#pragma once
// The window of the "Overview" page: the module's identity, read-only.

#include "pages/OverViewDlg.h"
#include "pages/qt/FormPage.h"

namespace Ui {
class OverviewPageForm;
}

namespace gw::pages {

class COverViewPage : public CFormPage<COverViewDlg, Ui::OverviewPageForm> {
 public:
  COverViewPage(SheetRules& sheet, int index);
  ~COverViewPage() override;

 protected:
  void Mirror() override;
};

}  // namespace gw::pages
