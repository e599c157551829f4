#pragma once
// Property sheets: a modal dialog of tabbed pages with OK, Cancel and Apply.
// A page may refuse to become active or to be left, and marks itself
// modified to enable Apply.

#include <QDialog>
#include <QString>
#include <memory>
#include <vector>

class QPushButton;
class QTabWidget;

namespace af {

class CPropertySheet;

class CPropertyPage : public QWidget {
  Q_OBJECT

 public:
  explicit CPropertyPage(QString caption);

  const QString& Caption() const { return caption_; }
  CPropertySheet* Sheet() const { return sheet_; }

  // The page is about to become active; false refuses.
  virtual bool OnSetActive() { return true; }
  // The page is about to be left (or OK pressed); false keeps it active.
  virtual bool OnKillActive() { return true; }
  // Apply or OK for a modified page; false keeps the sheet open on it.
  virtual bool OnApply() { return true; }
  virtual void OnCancel() {}

  void SetModified(bool modified = true);
  bool IsModified() const { return modified_; }

 private:
  friend class CPropertySheet;
  QString caption_;
  CPropertySheet* sheet_ = nullptr;
  bool modified_ = false;
};

class CPropertySheet : public QDialog {
  Q_OBJECT

 public:
  explicit CPropertySheet(const QString& caption, QWidget* parent = nullptr);
  ~CPropertySheet() override;

  // The sheet owns its pages.
  void AddPage(CPropertyPage* page);
  int GetPageCount() const { return static_cast<int>(pages_.size()); }
  CPropertyPage* GetPage(int index) const;
  int GetActiveIndex() const;
  CPropertyPage* GetActivePage() const { return GetPage(GetActiveIndex()); }
  // Before the sheet is shown: the page it opens on. Afterwards: moves to
  // the page when the active page may be left and the new one accepts.
  bool SetActivePage(int index);

  // Shows the sheet modally; IDOK or IDCANCEL.
  int DoModal();
  // Applies every modified page; false when one refused (it becomes active).
  virtual bool Apply();

  QPushButton* ApplyButton() const { return applyButton_; }
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }

 protected:
  // The buttons: OK applies and closes, Cancel closes.
  virtual void Ok();
  virtual void Cancel();
  // Enables Apply while a page is modified.
  void PageModified();
  // Deletes the pages now, before the dialog itself goes.
  void DestroyPages();

 private:
  friend class CPropertyPage;
  void TabChanged(int index);

  QTabWidget* tabs_;
  QPushButton* applyButton_;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
  std::vector<std::unique_ptr<CPropertyPage>> pages_;
  int activeIndex_ = 0;
};

}  // namespace af
