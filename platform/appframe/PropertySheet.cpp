#include "PropertySheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "Dialogs.h"

namespace af {

CPropertyPage::CPropertyPage(QString caption) : caption_(std::move(caption)) {}

void CPropertyPage::SetModified(bool modified) {
  modified_ = modified;
  if (sheet_) sheet_->PageModified();
}

CPropertySheet::CPropertySheet(const QString& caption, QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)) {
  setWindowTitle(caption);
  auto* buttons = new QDialogButtonBox(this);
  okButton_ = buttons->addButton(QDialogButtonBox::Ok);
  cancelButton_ = buttons->addButton(QDialogButtonBox::Cancel);
  applyButton_ = buttons->addButton(QDialogButtonBox::Apply);
  applyButton_->setEnabled(false);
  connect(okButton_, &QPushButton::clicked, this, [this] { Ok(); });
  connect(cancelButton_, &QPushButton::clicked, this, [this] { Cancel(); });
  connect(applyButton_, &QPushButton::clicked, this, [this] { Apply(); });
  connect(tabs_, &QTabWidget::currentChanged, this, &CPropertySheet::TabChanged);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buttons);
}

CPropertySheet::~CPropertySheet() { DestroyPages(); }

void CPropertySheet::AddPage(CPropertyPage* page) {
  page->sheet_ = this;
  pages_.emplace_back(page);
  const QSignalBlocker blocker(tabs_);
  tabs_->addTab(page, page->Caption());
  tabs_->setCurrentIndex(activeIndex_);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  if (index < 0 || index >= GetPageCount()) return nullptr;
  return pages_[static_cast<std::size_t>(index)].get();
}

int CPropertySheet::GetActiveIndex() const { return activeIndex_; }

bool CPropertySheet::SetActivePage(int index) {
  if (index < 0 || index >= GetPageCount()) return false;
  if (!isVisible()) {
    activeIndex_ = index;
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(index);
    return true;
  }
  tabs_->setCurrentIndex(index);
  return activeIndex_ == index;
}

void CPropertySheet::TabChanged(int index) {
  if (index == activeIndex_) return;
  CPropertyPage* leaving = GetPage(activeIndex_);
  CPropertyPage* coming = GetPage(index);
  if ((leaving && !leaving->OnKillActive()) || !coming || !coming->OnSetActive()) {
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(activeIndex_);
    return;
  }
  activeIndex_ = index;
}

int CPropertySheet::DoModal() {
  if (CPropertyPage* start = GetActivePage()) start->OnSetActive();
  return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

bool CPropertySheet::Apply() {
  if (CPropertyPage* active = GetActivePage(); active && !active->OnKillActive()) return false;
  for (int i = 0; i < GetPageCount(); ++i) {
    CPropertyPage* page = GetPage(i);
    if (!page->IsModified()) continue;
    if (!page->OnApply()) {
      SetActivePage(i);
      return false;
    }
    page->modified_ = false;
  }
  PageModified();
  return true;
}

void CPropertySheet::PageModified() {
  bool any = false;
  for (const auto& page : pages_) any = any || page->IsModified();
  applyButton_->setEnabled(any);
}

void CPropertySheet::DestroyPages() {
  const QSignalBlocker blocker(tabs_);
  // Each page leaves its tab as it goes.
  std::vector<std::unique_ptr<CPropertyPage>> pages;
  pages.swap(pages_);
}

void CPropertySheet::Ok() {
  if (Apply()) accept();
}

void CPropertySheet::Cancel() {
  for (const auto& page : pages_) page->OnCancel();
  reject();
}

}  // namespace af
