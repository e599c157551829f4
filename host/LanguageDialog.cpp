#include "LanguageDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QSettings>
#include <QVBoxLayout>

namespace gw::host {

namespace {

const QString kOrganisation = QStringLiteral("Orvane");
const QString kApplication = QStringLiteral("GwSuite");
const QString kLanguageKey = QStringLiteral("LanguageId");

constexpr struct {
  unsigned id;
  const char* name;
} kLanguages[] = {
    {1033, "English"},
    {1028, "Chinese (Traditional) \u4e2d\u6587(\u7e41\u9ad4)"},
    {2052, "Chinese (Simplified) \u4e2d\u6587(\u7b80\u4f53)"},
};

}  // namespace

unsigned StoredLanguageId() {
  bool ok = false;
  const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation,
                           kApplication);
  const unsigned id = settings.value(kLanguageKey).toUInt(&ok);
  return ok ? id : 1033;
}

void StoreLanguageId(unsigned languageId) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
  settings.setValue(kLanguageKey, languageId);
  settings.sync();
}

LanguageDialog::LanguageDialog(QWidget* parent) : QDialog(parent), languages_(new QComboBox(this)) {
  setWindowTitle(tr("Language"));
  for (const auto& language : kLanguages) {
    languages_->addItem(QString::fromUtf8(language.name), language.id);
  }
  const int current = languages_->findData(StoredLanguageId());
  languages_->setCurrentIndex(current < 0 ? 0 : current);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &LanguageDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &LanguageDialog::reject);
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(tr("&Language of the plug-ins:"), this);
  label->setBuddy(languages_);
  layout->addWidget(label);
  layout->addWidget(languages_);
  layout->addWidget(new QLabel(tr("The new language is used from the next start on."), this));
  layout->addWidget(buttons);
}

unsigned LanguageDialog::Chosen() const { return languages_->currentData().toUInt(); }

void LanguageDialog::accept() {
  StoreLanguageId(Chosen());
  QDialog::accept();
}

}  // namespace gw::host
