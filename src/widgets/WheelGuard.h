#pragma once
// Keeps the mouse wheel from changing a drop list the user has not clicked
// into: a page's lists carry settings whose change asks questions and marks
// the page modified, and a wheel turn on the way past must do neither.

#include <QObject>

class QWidget;

namespace gw::widgets {

class CWheelGuard : public QObject {
 public:
  // Guards every drop list below `form`; the guard lives as long as `form`.
  static void Install(QWidget* form);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using QObject::QObject;
};

}  // namespace gw::widgets
