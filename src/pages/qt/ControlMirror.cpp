#include "ControlMirror.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimeEdit>

#include "widgets/IpAddressCtrl.h"
#include "widgets/MaskedEdit.h"
#include "widgets/SpinEdit.h"

namespace gw::pages {

namespace {

// QLineEdit's own limit when none is set.
constexpr int kNoLengthLimit = 32767;

void SetTextKeepingCursor(QLineEdit* edit, const QString& text) {
  if (edit->text() == text) return;
  const int cursor = edit->cursorPosition();
  edit->setText(text);
  edit->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
}

}  // namespace

namespace {

std::function<QString(const char*)>& Translator() {
  static std::function<QString(const char*)> translator;
  return translator;
}

}  // namespace

void SetTranslator(std::function<QString(const char*)> translator) {
  Translator() = std::move(translator);
}

QString Translated(const std::string& text) {
  return Translator() ? Translator()(text.c_str()) : QString::fromStdString(text);
}

void Show(QWidget* widget, const Control& control) {
  if (widget->isEnabled() != control.enabled) widget->setEnabled(control.enabled);
  if (widget->isHidden() == control.visible) widget->setVisible(control.visible);
}

void Show(QLineEdit* edit, const TextControl& control) {
  const QSignalBlocker blocker(edit);
  Show(static_cast<QWidget*>(edit), control);
  const int limit = control.maxLength == 0 ? kNoLengthLimit : static_cast<int>(control.maxLength);
  if (edit->maxLength() != limit) edit->setMaxLength(limit);
  const auto echo = control.password ? QLineEdit::Password : QLineEdit::Normal;
  if (edit->echoMode() != echo) edit->setEchoMode(echo);
  SetTextKeepingCursor(edit, QString::fromStdString(control.text));
}

void Show(QComboBox* list, const ListControl& control) {
  const QSignalBlocker blocker(list);
  Show(static_cast<QWidget*>(list), control);
  QStringList items;
  for (const std::string& item : control.items) items.push_back(Translated(item));
  QStringList shown;
  for (int i = 0; i < list->count(); ++i) shown.push_back(list->itemText(i));
  if (shown != items) {
    list->clear();
    list->addItems(items);
  }
  if (list->currentIndex() != control.selection) list->setCurrentIndex(control.selection);
}

void Show(QAbstractButton* box, const CheckControl& control) {
  const QSignalBlocker blocker(box);
  Show(static_cast<QWidget*>(box), control);
  if (box->isChecked() != control.checked) box->setChecked(control.checked);
}

void Show(widgets::CIpAddressCtrl* address, const AddressControl& control) {
  const QSignalBlocker blocker(address);
  Show(static_cast<QWidget*>(address), control);
  for (int i = 0; i < AddressControl::kFields; ++i) {
    const auto f = static_cast<std::size_t>(i);
    address->SetFieldRange(i, control.ranges[f].low, control.ranges[f].high);
    // A field the user is typing in keeps what is typed; the control keeps
    // it in range when the user leaves it.
    const int shown = address->Field(i);
    const int value = control.fields[f];
    if (shown == value || address->FieldEdit(i)->hasFocus()) continue;
    address->SetField(i, value);
  }
}

void Show(widgets::CMaskedEdit* edit, const TextControl& control) {
  const QSignalBlocker blocker(edit);
  Show(static_cast<QWidget*>(edit), control);
  const QString mask = QString::fromStdString(control.inputMask);
  if (edit->Mask() != mask) edit->SetMask(mask);
  const QString text = QString::fromStdString(control.text);
  if (edit->MaskedText() != text) edit->SetMaskedText(text);
}

void Show(QLabel* label, const TextControl& control) {
  Show(static_cast<QWidget*>(label), control);
  const QString text = Translated(control.text);
  if (label->text() != text) label->setText(text);
}

namespace {

QDate DateOf(const DateTime& t) { return QDate(t.year, t.month, t.day); }

}  // namespace

void Show(QDateEdit* picker, const DateTimeControl& control) {
  const QSignalBlocker blocker(picker);
  Show(static_cast<QWidget*>(picker), control);
  picker->setDateRange(DateOf(control.minimum), DateOf(control.maximum));
  if (picker->date() != DateOf(control.value)) picker->setDate(DateOf(control.value));
}

void Show(QTimeEdit* picker, const DateTimeControl& control) {
  const QSignalBlocker blocker(picker);
  Show(static_cast<QWidget*>(picker), control);
  const QTime time(control.value.hour, control.value.minute, control.value.second);
  if (picker->time() != time) picker->setTime(time);
}

void Show(widgets::CSpinEdit* spin, const TextControl& text, const SpinControl& control) {
  const QSignalBlocker blocker(spin);
  Show(static_cast<QWidget*>(spin), text);
  Show(spin->Edit(), text);
  spin->SetRange(control.low, control.high);
  if (spin->Position() != control.position) spin->SetPosition(control.position);
}

void TranslateForm(QWidget* form) {
  for (QLabel* label : form->findChildren<QLabel*>()) {
    if (!label->text().isEmpty()) label->setText(Translated(label->text().toStdString()));
  }
  for (QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
    if (!button->text().isEmpty()) button->setText(Translated(button->text().toStdString()));
  }
  for (QGroupBox* group : form->findChildren<QGroupBox*>()) {
    if (!group->title().isEmpty()) group->setTitle(Translated(group->title().toStdString()));
  }
  for (widgets::CIpAddressCtrl* address : form->findChildren<widgets::CIpAddressCtrl*>()) {
    address->SetRangeNoticeFormat(Translated(widgets::CIpAddressCtrl::kRangeNotice));
  }
}

}  // namespace gw::pages
