#include "WheelGuard.h"

#include <QComboBox>
#include <QEvent>

namespace gw::widgets {

void CWheelGuard::Install(QWidget* form) {
  auto* guard = new CWheelGuard(form);
  for (QComboBox* list : form->findChildren<QComboBox*>()) {
    // Clicked or tabbed into only, so the wheel over it does not take the focus.
    list->setFocusPolicy(Qt::StrongFocus);
    list->installEventFilter(guard);
  }
}

bool CWheelGuard::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    const auto* list = qobject_cast<QComboBox*>(watched);
    if (list != nullptr && !list->hasFocus()) {
      event->ignore();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace gw::widgets
