#include "SecurityPage.h"

#include "ui_SecurityPage.h"

namespace gw::pages {

CSecurityPage::CSecurityPage(SheetRules& sheet, int index) : CFormPage(sheet, index) {
  const auto text = [](const QString& typed) { return typed.toStdString(); };
  CSecurityDlg& page = Dialog();
  connect(ui_->loginPassword, &QLineEdit::textEdited, this,
          [&page, text](const QString& typed) { page.OnLoginPasswordChanged(text(typed)); });
  connect(ui_->loginConfirm, &QPushButton::clicked, this, [&page] { page.OnLoginClicked(); });
  connect(ui_->modify, &QCheckBox::clicked, this,
          [&page](bool checked) { page.OnModifyClicked(checked); });
  connect(ui_->newPassword, &QLineEdit::textEdited, this,
          [&page, text](const QString& typed) { page.OnNewPasswordChanged(text(typed)); });
  connect(ui_->confirmPassword, &QLineEdit::textEdited, this,
          [&page, text](const QString& typed) { page.OnConfirmPasswordChanged(text(typed)); });
  connect(ui_->factorySetting, &QCheckBox::clicked, this,
          [&page](bool checked) { page.OnFactorySettingClicked(checked); });
  connect(ui_->importButton, &QPushButton::clicked, this, [&page] { page.OnImportClicked(); });
  connect(ui_->exportButton, &QPushButton::clicked, this, [&page] { page.OnExportClicked(); });
  Refresh();
}

CSecurityPage::~CSecurityPage() = default;

void CSecurityPage::Mirror() {
  const SecurityControls& c = Dialog().Controls();
  Show(ui_->loginPassword, c.loginPassword);
  Show(ui_->loginConfirm, c.loginConfirm);
  Show(ui_->modify, c.modify);
  Show(ui_->newPassword, c.newPassword);
  Show(ui_->confirmPassword, c.confirmPassword);
  Show(ui_->factorySetting, c.factorySetting);
  Show(ui_->importExportGroup, c.importExportGroup);
  Show(ui_->importButton, c.importButton);
  Show(ui_->exportButton, c.exportButton);
}

QWidget* CSecurityPage::WidgetOf(const TextControl* control) const {
  const SecurityControls& c = Dialog().Controls();
  if (control == &c.loginPassword) return ui_->loginPassword;
  if (control == &c.newPassword) return ui_->newPassword;
  if (control == &c.confirmPassword) return ui_->confirmPassword;
  return nullptr;
}

}  // namespace gw::pages
