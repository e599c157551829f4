#include "MailDlg.h"

#include <algorithm>

#include "model/ChangeMasks.h"
#include "model/Texts.h"

namespace gw::pages {

namespace {

constexpr std::array<std::string_view, 2> kTriggers = {text::kFalling, text::kRising};
constexpr int kRisingIndex = 1;
// The module's character fields hold 64 bytes; an address keeps room for
// its terminating zero.
constexpr std::size_t kSubjectLimit = mail::kTextSize;
constexpr std::size_t kAddressLimit = recipients::kAddressSize - 1;
constexpr std::size_t kMailFromLimit = mail::kTextSize - 1;

std::size_t SubjectOffset(int alarm) {
  return mail::AlarmSubjects + mail::kTextSize * static_cast<std::size_t>(alarm);
}
std::size_t RecipientWordOffset(int alarm) {
  return mail::RecipientWords + sizeof(std::uint16_t) * static_cast<std::size_t>(alarm);
}
std::size_t AlarmOffset(int alarm) {
  return alarm::AlarmSetting + sizeof(std::uint16_t) * static_cast<std::size_t>(alarm);
}
std::size_t AddressOffset(int recipient) {
  return recipients::Addresses + recipients::kAddressSize * static_cast<std::size_t>(recipient);
}

}  // namespace

// --- Subject grid ------------------------------------------------------------

SubjectGrid::SubjectGrid(CMailDlg& page)
    : GridModel({{text::kSubjectOfAlarm, CellKind::Text, "", 395, {}}}, alarm::kCount),
      page_(page) {
  rowHeadingWidth = 23;
}

bool SubjectGrid::ValidateEdit(CellRef, const std::string& text) {
  if (text.size() <= kSubjectLimit) return true;
  page_.Ui().Message(text::kEnter64Characters);
  return false;
}

void SubjectGrid::EditAccepted(CellRef cell, const std::string&) {
  page_.OnSubjectChanged(cell.column, cell.row);
}

void SubjectGrid::EditTyped(CellRef cell) { page_.OnSubjectChanged(cell.column, cell.row); }

void SubjectGrid::DeletePressed() { SetText(Current(), ""); }

CellRef SubjectGrid::NextCell(CellRef cell) const {
  return {cell.column, cell.row + 1 < Rows() ? cell.row + 1 : 0};
}

// --- Recipient grid ----------------------------------------------------------

RecipientGrid::RecipientGrid(CMailDlg& page)
    : GridModel({{text::kAlarm1, CellKind::Check, "", 55, {}},
                 {text::kAlarm2, CellKind::Check, "", 55, {}},
                 {text::kAlarm3, CellKind::Check, "", 55, {}},
                 {text::kMailAddress, CellKind::Text, "", 215, {}}},
                static_cast<int>(recipients::kCount)),
      page_(page) {}

bool RecipientGrid::ValidateEdit(CellRef, const std::string& text) {
  if (text.size() > kAddressLimit) {
    page_.Ui().Message(text::kEnter64Characters);
    return false;
  }
  if (!text.empty() && text.find('@') == std::string::npos) {
    page_.Ui().Message(text::kRecipientIncorrect);
    return false;
  }
  return true;
}

void RecipientGrid::EditAccepted(CellRef cell, const std::string& text) {
  if (text.empty()) {
    for (int k = 0; k < kAddressColumn; ++k) SetChecked({k, cell.row}, false);
  }
  page_.OnRecipientChanged(cell.column, cell.row);
}

void RecipientGrid::CheckPressed(CellRef cell) {
  if (Text(kAddressColumn, cell.row).empty()) {
    page_.Ui().Message(text::kMailAddressEmpty);
    return;
  }
  SetChecked(cell, !Checked(cell.column, cell.row));
  page_.OnRecipientChanged(cell.column, cell.row);
}

void RecipientGrid::DeletePressed() {
  if (Current().column == kAddressColumn) SetText(Current(), "");
}

// --- The page ----------------------------------------------------------------

CMailDlg::CMailDlg() : PropertyPage("Mail"), subjects_(*this), recipients_(*this) {
  for (ListControl& trigger : c_.trigger) trigger.items = Items(kTriggers);
  c_.mailFrom.maxLength = kMailFromLimit;
}

void CMailDlg::OnInitDialog() {
  for (ListControl& trigger : c_.trigger) trigger.Select(0);
  Load();
}

void CMailDlg::Load() {
  const NodeRecord* node = CurrentRecord();
  if (node == nullptr) return;
  const ConstBytes mailBlock = node->Block(kMailBlock);
  const ConstBytes addresses = node->Block(kMailRecipientBlock);
  const ConstBytes alarms = node->Block(kAlarmBlock);

  c_.smtpServer.SetValue(LoadBE32(mailBlock, mail::SmtpServer));
  c_.mailFrom.text =
      LoadText(mailBlock.subspan(mail::MailFrom, mail::kTextSize)).substr(0, kMailFromLimit);
  for (int k = 0; k < static_cast<int>(alarm::kCount); ++k) {
    const auto i = static_cast<std::size_t>(k);
    const std::uint16_t setting = LoadBE16(alarms, AlarmOffset(k));
    c_.alarm[i].checked = (setting & alarm::kEnabled) != 0;
    c_.trigger[i].Select((setting & alarm::kRising) ? kRisingIndex : 0);
    c_.trigger[i].enabled = c_.alarm[i].checked;
    c_.alarm[i].enabled = true;
  }
  c_.smtpServer.enabled = c_.mailFrom.enabled = c_.subjects.enabled = c_.recipients.enabled = true;

  for (int k = 0; k < subjects_.Rows(); ++k) {
    subjects_.SetText({0, k}, LoadText(mailBlock.subspan(SubjectOffset(k), mail::kTextSize)));
  }
  for (int r = 0; r < recipients_.Rows(); ++r) {
    const std::string address =
        LoadText(addresses.subspan(AddressOffset(r), recipients::kAddressSize));
    recipients_.SetText({RecipientGrid::kAddressColumn, r}, address);
    for (int k = 0; k < static_cast<int>(alarm::kCount); ++k) {
      const bool chosen = (LoadBE16(mailBlock, RecipientWordOffset(k)) >> r) & 1u;
      recipients_.SetChecked({k, r}, chosen && !address.empty());
    }
  }
  SetModified(false);
  mailMask_ = recipientMask_ = alarmMask_ = 0;
  subjects_.Changed();
  recipients_.Changed();
}

void CMailDlg::Stage() {
  NodeTable& nodes = Nodes();
  NodeRecord& outgoing = nodes.Outgoing();
  const Bytes out1 = outgoing.Block(kMailBlock);
  const Bytes out2 = outgoing.Block(kMailRecipientBlock);
  const Bytes out10 = outgoing.Block(kAlarmBlock);
  for (Bytes out : {out1, out2, out10}) std::fill(out.begin(), out.end(), std::uint8_t{0});

  StoreBE32(out1, mail::SmtpServer, c_.smtpServer.Value());
  StoreText(out1.subspan(mail::MailFrom, mail::kTextSize), c_.mailFrom.text);
  for (int k = 0; k < subjects_.Rows(); ++k) {
    StoreText(out1.subspan(SubjectOffset(k), mail::kTextSize), subjects_.Text(0, k));
  }
  for (int k = 0; k < static_cast<int>(alarm::kCount); ++k) {
    std::uint16_t word = 0;
    for (int r = 0; r < recipients_.Rows(); ++r) {
      if (recipients_.Checked(k, r)) word |= static_cast<std::uint16_t>(1u << r);
    }
    StoreBE16(out1, RecipientWordOffset(k), word);

    const auto i = static_cast<std::size_t>(k);
    std::uint16_t setting = 0;
    if (c_.alarm[i].checked) setting |= alarm::kEnabled;
    if (word != 0) setting |= alarm::kHasRecipient;
    if (c_.trigger[i].selection == kRisingIndex) setting |= alarm::kRising;
    StoreBE16(out10, AlarmOffset(k), setting);
  }
  for (int r = 0; r < recipients_.Rows(); ++r) {
    StoreText(out2.subspan(AddressOffset(r), recipients::kAddressSize),
              recipients_.Text(RecipientGrid::kAddressColumn, r));
  }
  StoreBE32(out1, kChangeMask, mailMask_);
  StoreBE32(out2, kChangeMask, recipientMask_);
  StoreBE32(out10, kChangeMask, alarmMask_);

  // The spare slot keeps a copy of the sender; of everything else only when
  // it is the current node itself.
  NodeRecord& spare = nodes.Node(NodeTable::kSpareSlot);
  const Bytes spareMail = spare.Block(kMailBlock);
  StoreText(spareMail.subspan(mail::MailFrom, mail::kTextSize), c_.mailFrom.text);
  if (nodes.Current() == NodeTable::kSpareSlot) {
    std::copy(out1.begin() + mail::AlarmSubjects, out1.end(),
              spareMail.begin() + mail::AlarmSubjects);
    const Bytes spareAddresses = spare.Block(kMailRecipientBlock);
    std::copy(out2.begin() + recipients::Addresses, out2.end(),
              spareAddresses.begin() + recipients::Addresses);
  }
}

bool CMailDlg::OnApply() {
  if (CurrentRecord() == nullptr) return true;
  Stage();
  if (mailMask_ != 0) WriteStagedBlock(kMailBlock);
  if (recipientMask_ != 0) WriteStagedBlock(kMailRecipientBlock);
  if (alarmMask_ != 0) WriteStagedBlock(kAlarmBlock);
  Load();
  NotifyChanged();
  return true;
}

void CMailDlg::OnSiblingQuery() {
  Load();
  SetModified();
  mailMask_ = mailbits::AfterImport;
  recipientMask_ = recipientbits::AfterImport;
  alarmMask_ = alarmbits::Any;
  NotifyChanged();
}

void CMailDlg::Changed() {
  SetModified();
  NotifyChanged();
}

void CMailDlg::OnAlarmClicked(int alarm, bool checked) {
  if (alarm < 0 || alarm >= static_cast<int>(alarm::kCount)) return;
  const auto i = static_cast<std::size_t>(alarm);
  if (!c_.alarm[i].enabled) return;
  c_.alarm[i].checked = checked;
  c_.trigger[i].enabled = checked;
  alarmMask_ |= alarmbits::Any;
  Changed();
}

void CMailDlg::OnTriggerChanged(int alarm, int index) {
  if (alarm < 0 || alarm >= static_cast<int>(alarm::kCount)) return;
  ListControl& trigger = c_.trigger[static_cast<std::size_t>(alarm)];
  if (!trigger.enabled || !trigger.Holds(index)) return;
  trigger.selection = index;
  alarmMask_ |= alarmbits::Any;
  Changed();
}

void CMailDlg::OnSmtpServerFieldChanged(int field, int value) {
  if (!c_.smtpServer.enabled || field < 0 || field >= AddressControl::kFields) return;
  c_.smtpServer.fields[static_cast<std::size_t>(field)] =
      static_cast<std::uint8_t>(std::clamp(value, 0, 255));
  mailMask_ |= mailbits::SmtpServer;
  Changed();
}

void CMailDlg::OnMailFromChanged(std::string_view text) {
  if (!c_.mailFrom.enabled) return;
  c_.mailFrom.SetTyped(text);
  mailMask_ |= mailbits::MailFrom;
  Changed();
}

void CMailDlg::OnSubjectChanged(int column, int row) {
  if (column != 0 || row < 0 || row >= static_cast<int>(alarm::kCount)) return;
  mailMask_ |= mailbits::Subject(row);
  Changed();
}

void CMailDlg::OnRecipientChanged(int column, int row) {
  mailMask_ |= mailbits::Recipients;
  if (column == RecipientGrid::kAddressColumn) recipientMask_ |= recipientbits::Address(row);
  Changed();
}

}  // namespace gw::pages
