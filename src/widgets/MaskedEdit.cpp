#include "MaskedEdit.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtGlobal>
#include <algorithm>

namespace gw::widgets {
namespace {

constexpr QChar kBlank = QLatin1Char(' ');

bool IsHexDigit(QChar c) {
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
         (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
         (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

// The mask in QLineEdit's own language: '>' for upper case throughout, 'h'
// for an optional hexadecimal digit, every literal escaped, and a space for
// an unfilled position.
QString InputMaskFor(const QString& mask) {
  if (mask.isEmpty()) return {};
  QString inputMask = QStringLiteral(">");
  for (const QChar c : mask) {
    if (c == CMaskedEdit::kDigit) {
      inputMask += QLatin1Char('h');
    } else {
      inputMask += QLatin1Char('\\');
      inputMask += c;
    }
  }
  inputMask += QLatin1Char(';');
  inputMask += kBlank;
  return inputMask;
}

}  // namespace

CMaskedEdit::CMaskedEdit(QWidget* parent) : QLineEdit(parent) {}

void CMaskedEdit::SetMask(const QString& mask) {
  if (mask.contains(QLatin1Char(';'))) {
    qWarning("CMaskedEdit: a mask cannot hold ';': \"%s\"", qUtf8Printable(mask));
    return;
  }
  mask_ = mask;
  setInputMask(InputMaskFor(mask_));
  updateGeometry();
}

const QString& CMaskedEdit::Mask() const { return mask_; }

QString CMaskedEdit::MaskedText() const {
  if (mask_.isEmpty()) return text();
  // With a mask the edit shows every position, an unfilled one as the blank.
  const QString shown = displayText();
  bool filled = false;
  for (qsizetype i = 0; i < mask_.size() && i < shown.size(); ++i) {
    if (mask_[i] == kDigit && shown[i] != kBlank) filled = true;
  }
  return filled ? shown : QString();
}

void CMaskedEdit::SetMaskedText(const QString& text) {
  if (mask_.isEmpty()) {
    setText(text);
    return;
  }
  QString laidOut;
  laidOut.reserve(mask_.size());
  for (qsizetype i = 0; i < mask_.size(); ++i) {
    if (mask_[i] != kDigit) {
      laidOut += mask_[i];
    } else if (i < text.size() && IsHexDigit(text[i])) {
      laidOut += text[i].toUpper();
    } else {
      laidOut += kBlank;
    }
  }
  setText(laidOut);
}

QSize CMaskedEdit::sizeHint() const {
  QSize hint = QLineEdit::sizeHint();
  if (mask_.isEmpty()) return hint;
  ensurePolished();
  const QFontMetrics metrics = fontMetrics();
  int digitWidth = 0;
  for (const QChar c : QStringLiteral("0123456789ABCDEF")) {
    digitWidth = std::max(digitWidth, metrics.horizontalAdvance(c));
  }
  QString literals = mask_;
  literals.remove(kDigit);
  const int textWidth =
      metrics.horizontalAdvance(literals) + digitWidth * static_cast<int>(mask_.count(kDigit));
  QStyleOptionFrame option;
  initStyleOption(&option);
  const int frameWidth =
      style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(0, 0), this).width();
  const QMargins margins = textMargins() + contentsMargins();
  // QLineEdit keeps two pixels either side of the text, and one for the cursor.
  hint.setWidth(textWidth + margins.left() + margins.right() + 5 + frameWidth);
  return hint;
}

bool CMaskedEdit::TakesCharacter(QChar c) const {
  if (IsHexDigit(c) || c == kBlank) return true;
  return c != kDigit && mask_.contains(c);
}

void CMaskedEdit::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  if (!mask_.isEmpty() && typed.size() == 1 && typed[0].isPrint() && !TakesCharacter(typed[0])) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace gw::widgets
