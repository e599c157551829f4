#include "IpAddressCtrl.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <algorithm>

namespace gw::widgets {
namespace {

constexpr int kDigits = 3;
constexpr int kOctetMax = 255;

// One field: frameless, as wide as three digits.
class OctetEdit final : public QLineEdit {
 public:
  explicit OctetEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setAlignment(Qt::AlignCenter);
    setMaxLength(kDigits);
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(kDigits)), this));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  }

  QSize sizeHint() const override {
    ensurePolished();
    QSize hint = QLineEdit::sizeHint();
    const QMargins margins = textMargins() + contentsMargins();
    // QLineEdit keeps two pixels either side of the text, and one for the
    // cursor.
    hint.setWidth(fontMetrics().horizontalAdvance(QStringLiteral("000")) + margins.left() +
                  margins.right() + 5);
    return hint;
  }
  QSize minimumSizeHint() const override { return sizeHint(); }
};

int ValueOf(const QString& text) { return text.isEmpty() ? -1 : text.toInt(); }

}  // namespace

CIpAddressCtrl::CIpAddressCtrl(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setSpacing(0);
  for (int i = 0; i < kFields; ++i) {
    auto* edit = new OctetEdit(this);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, i] { OnTextEdited(i); });
    fields_[static_cast<std::size_t>(i)].edit = edit;
    layout->addWidget(edit);
    if (i + 1 < kFields) {
      auto* dot = new QLabel(QStringLiteral("."), this);
      dot->setForegroundRole(QPalette::Text);
      dot->setAlignment(Qt::AlignCenter);
      dot->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
      dots_[static_cast<std::size_t>(i)] = dot;
      layout->addWidget(dot);
    }
  }
  QStyleOptionFrame option;
  option.initFrom(this);
  const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
  layout->setContentsMargins(frame, frame, frame, frame);
  setFocusProxy(fields_[0].edit);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void CIpAddressCtrl::SetAddress(std::uint32_t address) {
  for (int i = 0; i < kFields; ++i) {
    SetField(i, static_cast<int>((address >> (8 * (kFields - 1 - i))) & 0xFFu));
  }
}

std::uint32_t CIpAddressCtrl::Address() const {
  std::uint32_t address = 0;
  for (int i = 0; i < kFields; ++i) {
    address = (address << 8) | static_cast<std::uint32_t>(std::max(Field(i), 0));
  }
  return address;
}

void CIpAddressCtrl::SetField(int field, int value) {
  if (!IsField(field)) return;
  auto& state = fields_[static_cast<std::size_t>(field)];
  state.value = value < 0 ? -1 : std::min(value, kOctetMax);
  state.edited = false;
  ShowValue(field, state.value);
}

int CIpAddressCtrl::Field(int field) const {
  if (!IsField(field)) return -1;
  return ValueOf(fields_[static_cast<std::size_t>(field)].edit->text());
}

void CIpAddressCtrl::SetFieldRange(int field, int low, int high) {
  if (!IsField(field)) return;
  auto& state = fields_[static_cast<std::size_t>(field)];
  low = std::clamp(low, 0, kOctetMax);
  high = std::clamp(high, 0, kOctetMax);
  state.low = std::min(low, high);
  state.high = std::max(low, high);
}

int CIpAddressCtrl::FieldLow(int field) const {
  return IsField(field) ? fields_[static_cast<std::size_t>(field)].low : 0;
}

int CIpAddressCtrl::FieldHigh(int field) const {
  return IsField(field) ? fields_[static_cast<std::size_t>(field)].high : kOctetMax;
}

bool CIpAddressCtrl::IsBlank() const {
  return std::all_of(fields_.begin(), fields_.end(),
                     [](const FieldState& state) { return state.edit->text().isEmpty(); });
}

void CIpAddressCtrl::ClearAddress() {
  for (int i = 0; i < kFields; ++i) SetField(i, -1);
}

QLineEdit* CIpAddressCtrl::FieldEdit(int field) const {
  return IsField(field) ? fields_[static_cast<std::size_t>(field)].edit : nullptr;
}

int CIpAddressCtrl::IndexOf(const QObject* edit) const {
  for (int i = 0; i < kFields; ++i) {
    if (fields_[static_cast<std::size_t>(i)].edit == edit) return i;
  }
  return -1;
}

void CIpAddressCtrl::OnTextEdited(int field) {
  auto& state = fields_[static_cast<std::size_t>(field)];
  state.edited = true;
  const QString text = state.edit->text();
  const bool full = text.size() == kDigits && state.edit->cursorPosition() == kDigits;
  int value = ValueOf(text);
  if (value > state.high) {
    TellCorrected(field, value);
    value = state.high;
    ShowValue(field, value);
  }
  Notify(field, value);
  if (full && field + 1 < kFields) MoveTo(field, field + 1, true);
}

void CIpAddressCtrl::Settle(int field) {
  auto& state = fields_[static_cast<std::size_t>(field)];
  if (!state.edited) return;
  state.edited = false;
  int value = ValueOf(state.edit->text());
  if (value < 0) return;
  if (value < state.low || value > state.high) TellCorrected(field, value);
  value = std::clamp(value, state.low, state.high);
  ShowValue(field, value);
  Notify(field, value);
}

void CIpAddressCtrl::SetRangeNoticeFormat(const QString& format) { noticeFormat_ = format; }

void CIpAddressCtrl::TellCorrected(int field, int typed) {
  const FieldState& state = fields_[static_cast<std::size_t>(field)];
  notice_ = noticeFormat_.arg(typed).arg(state.low).arg(state.high);
  setToolTip(notice_);
  // Shown at once under the field, as the platform's control does, and kept
  // as the tooltip for a later look.
  if (state.edit->isVisible()) {
    QToolTip::showText(state.edit->mapToGlobal(QPoint(0, state.edit->height())), notice_,
                       state.edit);
  }
}

void CIpAddressCtrl::ShowValue(int field, int value) {
  QLineEdit* edit = fields_[static_cast<std::size_t>(field)].edit;
  const QString text = value < 0 ? QString() : QString::number(value);
  if (edit->text() != text) edit->setText(text);
}

void CIpAddressCtrl::Notify(int field, int value) {
  auto& state = fields_[static_cast<std::size_t>(field)];
  if (state.value == value) return;
  state.value = value;
  emit FieldChanged(field, value);
}

void CIpAddressCtrl::MoveTo(int from, int field, bool selectAll) {
  Settle(from);
  QLineEdit* edit = fields_[static_cast<std::size_t>(field)].edit;
  edit->setFocus(Qt::OtherFocusReason);
  if (selectAll) {
    edit->selectAll();
  } else {
    edit->deselect();
    edit->end(false);
  }
}

bool CIpAddressCtrl::HandleKey(int field, QKeyEvent* key) {
  QLineEdit* edit = fields_[static_cast<std::size_t>(field)].edit;
  if (key->text() == QLatin1String(".")) {
    // '.' in an empty field is the one typed after the third digit already
    // moved on: it stays here.
    if (!edit->text().isEmpty() && field + 1 < kFields) MoveTo(field, field + 1, true);
    return true;
  }
  const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
  if (modifiers != Qt::NoModifier) return false;
  const bool atStart = !edit->hasSelectedText() && edit->cursorPosition() == 0;
  const bool atEnd = !edit->hasSelectedText() && edit->cursorPosition() == edit->text().size();
  switch (key->key()) {
    case Qt::Key_Right:
      if (!atEnd || field + 1 >= kFields) return false;
      MoveTo(field, field + 1, true);
      return true;
    case Qt::Key_Left:
      if (!atStart || field == 0) return false;
      MoveTo(field, field - 1, false);
      return true;
    case Qt::Key_Backspace:
      if (!edit->text().isEmpty() || field == 0) return false;
      MoveTo(field, field - 1, false);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Settle(field);
      return false;
    default:
      return false;
  }
}

bool CIpAddressCtrl::eventFilter(QObject* watched, QEvent* event) {
  const int field = IndexOf(watched);
  if (field < 0) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::KeyPress:
      if (HandleKey(field, static_cast<QKeyEvent*>(event))) return true;
      break;
    case QEvent::FocusOut:
      if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) Settle(field);
      update();
      break;
    case QEvent::FocusIn:
      update();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void CIpAddressCtrl::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  QStyleOptionFrame option;
  option.initFrom(this);
  option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
  option.midLineWidth = 0;
  option.state |= QStyle::State_Sunken;
  const bool focused = std::any_of(fields_.begin(), fields_.end(),
                                   [](const FieldState& state) { return state.edit->hasFocus(); });
  if (focused) {
    option.state |= QStyle::State_HasFocus;
  } else {
    option.state &= ~QStyle::State_HasFocus;
  }
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
}

}  // namespace gw::widgets
