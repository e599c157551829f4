#include "PageWindow.h"

#include <QLineEdit>

#include "pages/qt/ControlMirror.h"

namespace gw::pages {

CPageWindow::CPageWindow(SheetRules& sheet, int index)
    : af::CPropertyPage(Translated(sheet.Page(index).Caption())), sheet_(sheet), index_(index) {
  Page().SetChangeListener([this] { Refresh(); });
}

CPageWindow::~CPageWindow() {
  // What the widgets still report while they go reaches the page no more.
  Page().SetChangeListener({});
  for (QObject* child : findChildren<QObject*>())
    QObject::disconnect(child, nullptr, this, nullptr);
}

bool CPageWindow::OnSetActive() { return sheet_.SetActivePage(index_); }

void CPageWindow::Refresh() {
  Mirror();
  if (const auto request = Page().TakeFocusRequest()) {
    if (QWidget* widget = WidgetOf(request->control)) {
      widget->setFocus(Qt::OtherFocusReason);
      if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && request->selectAll) {
        edit->selectAll();
      }
    }
  }
}

QWidget* CPageWindow::WidgetOf(const TextControl*) const { return nullptr; }

}  // namespace gw::pages
