#include "SpinEdit.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace gw::widgets {
namespace {

// One wheel notch.
constexpr int kWheelStep = 120;

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
  return button;
}

}  // namespace

CSpinEdit::CSpinEdit(QWidget* parent)
    : QWidget(parent),
      edit_(new QLineEdit(this)),
      up_(MakeArrow(this, Qt::UpArrow)),
      down_(MakeArrow(this, Qt::DownArrow)) {
  auto* arrows = new QVBoxLayout;
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  arrows->addWidget(up_);
  arrows->addWidget(down_);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(edit_);
  layout->addLayout(arrows);
  const int arrowWidth = edit_->sizeHint().height() * 3 / 4;
  up_->setFixedWidth(arrowWidth);
  down_->setFixedWidth(arrowWidth);

  setFocusProxy(edit_);
  setSizePolicy(edit_->sizePolicy());
  edit_->installEventFilter(this);
  connect(edit_, &QLineEdit::textEdited, this, &CSpinEdit::TextEdited);
  connect(up_, &QToolButton::clicked, this, [this] { StepBy(1); });
  connect(down_, &QToolButton::clicked, this, [this] { StepBy(-1); });
}

QLineEdit* CSpinEdit::Edit() const { return edit_; }

void CSpinEdit::SetRange(int low, int high) {
  low_ = std::min(low, high);
  high_ = std::max(low, high);
  position_ = std::clamp(position_, low_, high_);
}

void CSpinEdit::SetPosition(int position) { position_ = std::clamp(position, low_, high_); }

int CSpinEdit::Position() const { return position_; }

void CSpinEdit::SetText(const QString& text) { edit_->setText(text); }

QString CSpinEdit::Text() const { return edit_->text(); }

void CSpinEdit::StepBy(int steps) {
  bool ok = false;
  const int shown = edit_->text().trimmed().toInt(&ok);
  const int from = ok && shown >= low_ && shown <= high_ ? shown : position_;
  // Widened so that a step past the ends of int cannot overflow.
  const long long to = static_cast<long long>(from) + steps;
  position_ = static_cast<int>(std::clamp<long long>(to, low_, high_));
  edit_->setText(QString::number(position_));
  edit_->setModified(true);
  emit TextEdited(edit_->text());
}

bool CSpinEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit_) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
        StepBy(key->key() == Qt::Key_Up ? 1 : -1);
        return true;
      }
      break;
    }
    case QEvent::Wheel: {
      if (!edit_->isEnabled()) break;
      wheelDelta_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
      const int steps = wheelDelta_ / kWheelStep;
      wheelDelta_ %= kWheelStep;
      if (steps != 0) StepBy(steps);
      return true;
    }
    case QEvent::FocusOut:
      // A context menu of the edit takes the focus only for a moment.
      if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) emit FocusLost();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace gw::widgets
