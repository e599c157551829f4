#pragma once
// The two-digit character edit of the pages: only hexadecimal digits can be
// typed or pasted into it, shown in upper case.

#include <QLineEdit>

namespace gw::widgets {

class CHexEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit CHexEdit(QWidget* parent = nullptr);
};

}  // namespace gw::widgets
