#pragma once
// An edit that takes a mask: '#' stands for one hexadecimal digit (shown upper
// case), every other mask character is a literal shown in place. The user
// types over the digit positions only; the literals stay where they are, and
// typing a literal goes on past the next one. A space unfills a digit.

#include <QLineEdit>
#include <QString>

namespace gw::widgets {

class CMaskedEdit : public QLineEdit {
  Q_OBJECT

 public:
  static constexpr QChar kDigit = QLatin1Char('#');

  explicit CMaskedEdit(QWidget* parent = nullptr);

  // e.g. "####:####:####:####:####:####:####:####". An empty mask makes a
  // plain edit. A mask may not hold ';' (the edit's own mask language keeps
  // it for itself): such a mask is refused with a warning, and the edit
  // keeps the mask it had.
  void SetMask(const QString& mask);
  const QString& Mask() const;
  // The text as the mask lays it out: literals in place, an unfilled digit as
  // a space, so positions never shift. Empty when no digit is filled. With no
  // mask, the plain text.
  QString MaskedText() const;
  // Sets the text (a text laid out by the mask; missing digits stay unfilled,
  // and a character at a digit position that is no hexadecimal digit leaves
  // the digit unfilled). No textEdited.
  void SetMaskedText(const QString& text);

  // Wide enough for the whole mask filled.
  QSize sizeHint() const override;

 protected:
  // A character that no position takes goes nowhere: QLineEdit would report
  // it as an edit that changed nothing.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool TakesCharacter(QChar c) const;

  QString mask_;
};

}  // namespace gw::widgets
