#pragma once
// The "Mail" page: the module's three mail alarms (inputs X0 to X2, the edge
// that raises each), the SMTP server and sender, one subject per alarm and
// ten recipients who can each be chosen for any alarm. It writes the
// MailBlock (block 1), the MailRecipientBlock (block 2) and the AlarmBlock
// (block 10) by their change masks.

#include <array>
#include <cstdint>
#include <string_view>

#include "model/RecordLayout.h"
#include "pages/GridModel.h"
#include "pages/PropertyPage.h"

namespace gw::pages {

class CMailDlg;

// The subject grid: one column, a row per alarm.
class SubjectGrid : public GridModel {
 public:
  explicit SubjectGrid(CMailDlg& page);

 protected:
  bool EditsOnClick(CellRef) const override { return true; }
  bool EditsOnTyping(CellRef) const override { return true; }
  bool ValidateEdit(CellRef cell, const std::string& text) override;
  void EditAccepted(CellRef cell, const std::string&) override;
  void EditTyped(CellRef cell) override;
  // Delete clears the cell without telling the page.
  void DeletePressed() override;
  // Tab goes down the rows, from the last back to the first.
  CellRef NextCell(CellRef cell) const override;

 private:
  CMailDlg& page_;
};

// The recipient grid: a check mark per alarm (columns 0 to 2) and the
// address (column 3), a row per recipient.
class RecipientGrid : public GridModel {
 public:
  static constexpr int kAddressColumn = 3;
  explicit RecipientGrid(CMailDlg& page);

 protected:
  bool EditsOnClick(CellRef cell) const override { return cell.column == kAddressColumn; }
  bool ValidateEdit(CellRef cell, const std::string& text) override;
  void EditAccepted(CellRef cell, const std::string& text) override;
  // A mark only for a row with an address.
  void CheckPressed(CellRef cell) override;
  // Delete clears an address cell without telling the page.
  void DeletePressed() override;

 private:
  CMailDlg& page_;
};

struct MailControls {
  std::array<CheckControl, alarm::kCount> alarm;   // "Alarm-1, X0" ... "Alarm-3, X2"
  std::array<ListControl, alarm::kCount> trigger;  // "falling", "rising"
  AddressControl smtpServer;
  TextControl mailFrom;  // at most 63 characters
  Control subjects;      // the grids' enabled state
  Control recipients;
};

class CMailDlg : public PropertyPage {
 public:
  CMailDlg();

  const MailControls& Controls() const { return c_; }
  SubjectGrid& Subjects() { return subjects_; }
  RecipientGrid& Recipients() { return recipients_; }
  const SubjectGrid& Subjects() const { return subjects_; }
  const RecipientGrid& Recipients() const { return recipients_; }
  // The ChangeMask of blocks 1, 2 and 10 the next Apply sends.
  std::uint32_t MailMask() const { return mailMask_; }
  std::uint32_t RecipientMask() const { return recipientMask_; }
  std::uint32_t AlarmMask() const { return alarmMask_; }

  void OnInitDialog() override;
  bool OnSetActive() override { return !DocumentLocked(); }
  // Stages blocks 1, 2 and 10, writes those whose mask is set, reloads.
  bool OnApply() override;
  void OnSiblingQuery() override;

  // --- Handlers, one per user event.
  void OnAlarmClicked(int alarm, bool checked);
  void OnTriggerChanged(int alarm, int index);
  void OnSmtpServerFieldChanged(int field, int value);
  void OnMailFromChanged(std::string_view text);
  // The grids' notifications (column, row).
  void OnSubjectChanged(int column, int row);
  void OnRecipientChanged(int column, int row);

 private:
  friend class SubjectGrid;
  friend class RecipientGrid;

  void Load();
  void Stage();
  void Changed();

  MailControls c_;
  SubjectGrid subjects_;
  RecipientGrid recipients_;
  std::uint32_t mailMask_ = 0;
  std::uint32_t recipientMask_ = 0;
  std::uint32_t alarmMask_ = 0;
};

}  // namespace gw::pages
