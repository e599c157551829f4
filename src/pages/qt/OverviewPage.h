#pragma once
// The window of the "Overview" page: the module's identity, read-only.

#include <memory>

#include "pages/OverViewDlg.h"
#include "pages/qt/PageWindow.h"

namespace Ui {
class OverviewPageForm;
}

namespace gw::pages {

class COverViewPage : public CPageWindow {
  Q_OBJECT

 public:
  COverViewPage(PropertySheet& sheet, int index);
  ~COverViewPage() override;

  const Ui::OverviewPageForm& Form() const { return *ui_; }

 protected:
  void Mirror() override;

 private:
  const COverViewDlg& Dialog() const { return static_cast<const COverViewDlg&>(Page()); }

  std::unique_ptr<Ui::OverviewPageForm> ui_;
};

}  // namespace gw::pages
