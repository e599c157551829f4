#include "ProgressWnd.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

namespace gw::widgets {

QString ProgressCaption(const QString& title, int percent) {
  return QStringLiteral("%1 [%2%]").arg(title).arg(percent);
}

CProgressWnd::CProgressWnd(QWidget* parent, const QString& title)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      title_(title),
      text_(new QLabel(this)),
      bar_(new QProgressBar(this)) {
  bar_->setTextVisible(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(bar_);
  setMinimumWidth(320);
  Refresh();
}

void CProgressWnd::GoModal() {
  setWindowModality(Qt::ApplicationModal);
  show();
  Refresh();
}

void CProgressWnd::SetRange(int lower, int upper) {
  lower_ = lower;
  upper_ = std::max(lower, upper);
  bar_->setRange(lower_, upper_);
  SetPos(lower_);
}

void CProgressWnd::SetText(const QString& text) {
  text_->setText(text);
  Refresh();
}

void CProgressWnd::StepIt() { SetPos(position_ + step_); }

void CProgressWnd::SetPos(int position) {
  position_ = std::clamp(position, lower_, upper_);
  bar_->setValue(position_);
  Refresh();
}

void CProgressWnd::Close() {
  hide();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int CProgressWnd::Percent() const {
  if (upper_ == lower_) return 0;
  return (position_ - lower_) * 100 / (upper_ - lower_);
}

QString CProgressWnd::Text() const { return text_->text(); }

void CProgressWnd::Refresh() {
  setWindowTitle(ProgressCaption(title_, Percent()));
  if (isVisible()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace gw::widgets
