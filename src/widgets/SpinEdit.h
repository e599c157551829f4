#pragma once
// An edit with a spin button beside it (the buddy of the button): the arrows
// step the number in the edit within the range and put it into the edit as
// text, as if the user had typed it. Up and Down on the edit and the mouse
// wheel over it step as the arrows do.

#include <QString>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace gw::widgets {

class CSpinEdit : public QWidget {
  Q_OBJECT

 public:
  explicit CSpinEdit(QWidget* parent = nullptr);

  QLineEdit* Edit() const;
  // The arrows, for tests.
  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

  // A low above high is taken as the other way round. The position is kept
  // inside the range.
  void SetRange(int low, int high);
  int Low() const { return low_; }
  int High() const { return high_; }
  // The button's position, kept to the range; no signal, edit text untouched.
  void SetPosition(int position);
  int Position() const;
  void SetText(const QString& text);  // the edit's text, no signal
  QString Text() const;

  // What an arrow does: steps from the edit's number (from the position
  // when the edit holds no number in range), keeps the result to the range
  // and puts it into the edit.
  void StepBy(int steps);

 signals:
  // The edit's text changed by the user (typing or the arrows).
  void TextEdited(const QString& text);
  // The edit lost the keyboard focus.
  void FocusLost();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* edit_;
  QToolButton* up_;
  QToolButton* down_;
  int low_ = 0;
  int high_ = 100;
  int position_ = 0;
  int wheelDelta_ = 0;  // wheel turns not yet worth a step
};

}  // namespace gw::widgets
