// The Mail page's keys: the three alarms and their edges, the SMTP server
// and sender, "mail.subject.N" (the subject grid's rows) and
// "mail.recipient.N" with "mail.recipient.N.alarm-K" (the recipient grid's
// address and check marks), fed through the grids' edit cycle.
#include "keys/KeyTable.h"
#include "model/RecordLayout.h"
#include "pages/MailDlg.h"

namespace gw::cli::keys {

std::vector<Field> MailFields() {
  using pages::CMailDlg;
  constexpr auto kPage = pages::PageId::Mail;
  const auto c = [](const CMailDlg& page) -> const pages::MailControls& { return page.Controls(); };
  std::vector<Field> rows;
  for (int alarm = 0; alarm < static_cast<int>(alarm::kCount); ++alarm) {
    const auto k = static_cast<std::size_t>(alarm);
    const std::string n = std::to_string(alarm + 1);
    const std::string caption = "Alarm-" + n + ", X" + std::to_string(alarm);
    rows.push_back(SwitchField<CMailDlg>(
        "mail.alarm." + n, kPage, caption,
        [ c, k ](const CMailDlg& p) -> auto& { return c(p).alarm[k]; },
        [alarm](CMailDlg& p, bool on) { p.OnAlarmClicked(alarm, on); }));
    rows.push_back(ListField<CMailDlg>(
        "mail.alarm." + n + ".trigger", kPage, caption + " trigger",
        [ c, k ](const CMailDlg& p) -> auto& { return c(p).trigger[k]; },
        [alarm](CMailDlg& p, int index) { p.OnTriggerChanged(alarm, index); }));
  }
  rows.push_back(AddressField(
      "mail.smtp-server", kPage,
      "SMTP Server", [c](const CMailDlg& p) -> auto& { return c(p).smtpServer; },
      &CMailDlg::OnSmtpServerFieldChanged));
  rows.push_back(TextField(
      "mail.from", kPage, "Mail From",
      ValueType::Text, [c](const CMailDlg& p) -> auto& { return c(p).mailFrom; },
      &CMailDlg::OnMailFromChanged));
  const auto subjects = [](auto& page) -> auto& { return page.Subjects(); };
  for (int row = 0; row < static_cast<int>(alarm::kCount); ++row) {
    const std::string n = std::to_string(row + 1);
    rows.push_back(GridTextField<CMailDlg>(
        "mail.subject." + n, kPage, "Subject of Alarm-" + n, ValueType::Text, subjects, {0, row},
        "at most " + std::to_string(mail::kTextSize) + " characters"));
  }
  const auto recipients = [](auto& page) -> auto& { return page.Recipients(); };
  constexpr int kAddress = pages::RecipientGrid::kAddressColumn;
  for (int row = 0; row < static_cast<int>(recipients::kCount); ++row) {
    const std::string n = std::to_string(row + 1);
    rows.push_back(GridTextField<CMailDlg>("mail.recipient." + n, kPage, "Mail Address " + n,
                                           ValueType::Text, recipients, {kAddress, row},
                                           "a mail address with an @, at most " +
                                               std::to_string(recipients::kAddressSize - 1) +
                                               " characters, or empty"));
    for (int alarm = 0; alarm < kAddress; ++alarm) {
      const std::string a = std::to_string(alarm + 1);
      rows.push_back(GridCheckField<CMailDlg>("mail.recipient." + n + ".alarm-" + a, kPage,
                                              "Mail Address " + n + " Alarm-" + a, recipients,
                                              {alarm, row}));
    }
  }
  return rows;
}

}  // namespace gw::cli::keys
