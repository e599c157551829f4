#pragma once
// Tools > Language: the language of the plug-ins, stored as "LanguageId" in
// the host's settings and used from the next start on.

#include <QDialog>

class QComboBox;

namespace gw::host {

// The host's settings (organisation "Orvane", application "GwSuite").
unsigned StoredLanguageId();
void StoreLanguageId(unsigned languageId);

class LanguageDialog : public QDialog {
  Q_OBJECT

 public:
  explicit LanguageDialog(QWidget* parent);
  unsigned Chosen() const;
  void accept() override;

 private:
  QComboBox* languages_;
};

}  // namespace gw::host
