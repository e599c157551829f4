#include "MailPage.h"

#include "ui_MailPage.h"

namespace gw::pages {

CMailPage::CMailPage(SheetRules& sheet, int index) : CFormPage(sheet, index) {
  CMailDlg& page = Dialog();
  QCheckBox* alarms[] = {ui_->alarm1, ui_->alarm2, ui_->alarm3};
  QComboBox* triggers[] = {ui_->trigger1, ui_->trigger2, ui_->trigger3};
  for (int k = 0; k < 3; ++k) {
    connect(alarms[k], &QCheckBox::clicked, this,
            [&page, k](bool checked) { page.OnAlarmClicked(k, checked); });
    connect(triggers[k], &QComboBox::currentIndexChanged, this,
            [&page, k](int selection) { page.OnTriggerChanged(k, selection); });
  }
  connect(ui_->smtpServer, &widgets::CIpAddressCtrl::FieldChanged, this,
          [&page](int field, int value) { page.OnSmtpServerFieldChanged(field, value); });
  connect(ui_->mailFrom, &QLineEdit::textEdited, this,
          [&page](const QString& typed) { page.OnMailFromChanged(typed.toStdString()); });
  subjects_ = std::make_unique<CGridAdapter>(page.Subjects(), ui_->subjects);
  recipients_ = std::make_unique<CGridAdapter>(page.Recipients(), ui_->recipients);
  Refresh();
}

CMailPage::~CMailPage() = default;

void CMailPage::Mirror() {
  const MailControls& c = Dialog().Controls();
  QCheckBox* alarms[] = {ui_->alarm1, ui_->alarm2, ui_->alarm3};
  QComboBox* triggers[] = {ui_->trigger1, ui_->trigger2, ui_->trigger3};
  for (std::size_t k = 0; k < c.alarm.size(); ++k) {
    Show(alarms[k], c.alarm[k]);
    Show(triggers[k], c.trigger[k]);
  }
  Show(ui_->smtpServer, c.smtpServer);
  Show(ui_->mailFrom, c.mailFrom);
  Show(ui_->subjects, c.subjects);
  Show(ui_->recipients, c.recipients);
  ui_->subjects->Refresh();
  ui_->recipients->Refresh();
}

QWidget* CMailPage::WidgetOf(const TextControl* control) const {
  return control == &Dialog().Controls().mailFrom ? ui_->mailFrom : nullptr;
}

}  // namespace gw::pages
