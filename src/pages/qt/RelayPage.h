#pragma once
// The window of the "Slave Mode" page: the relay table.

#include <memory>

#include "pages/RelayDlg.h"
#include "pages/qt/FormPage.h"
#include "pages/qt/GridAdapter.h"

namespace Ui {
class RelayPageForm;
}

namespace gw::pages {

class CRelayPage : public CFormPage<CRelayDlg, Ui::RelayPageForm> {
 public:
  CRelayPage(SheetRules& sheet, int index);
  ~CRelayPage() override;

 protected:
  void Mirror() override;

 private:
  std::unique_ptr<CGridAdapter> table_;
};

}  // namespace gw::pages
