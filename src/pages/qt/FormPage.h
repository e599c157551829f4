#pragma once
// A page window laid out by a form: `Layout` is the form's generated class
// and `Dlg` the page whose data the window shows. The form's captions are put
// into the chosen language when it is built.

#include <memory>

#include "pages/qt/ControlMirror.h"
#include "pages/qt/PageWindow.h"
#include "widgets/WheelGuard.h"

namespace gw::pages {

template <typename Dlg, typename Layout>
class CFormPage : public CPageWindow {
 public:
  // Declared here, built where the form's class is complete.
  CFormPage(SheetRules& sheet, int index)
      : CPageWindow(sheet, index), ui_(std::make_unique<Layout>()) {
    ui_->setupUi(this);
    TranslateForm(this);
    widgets::CWheelGuard::Install(this);
  }

  const Layout& Form() const { return *ui_; }

 protected:
  Dlg& Dialog() const { return static_cast<Dlg&>(Page()); }

  std::unique_ptr<Layout> ui_;
};

}  // namespace gw::pages
