// The Mail page: loading the alarms, subjects and recipients, the change
// masks of every control and grid, the grids' refusals, and what Apply sends.
#include <gtest/gtest.h>

#include "link/RequestCodes.h"
#include "model/Texts.h"
#include "support/PageFixture.h"

namespace gw::pages::test {
namespace {

constexpr int kAddress = RecipientGrid::kAddressColumn;
constexpr std::size_t kBody = hdr::kSize;  // a write's block follows its header

struct MailPage : PageFixture {
  void SetUp() override {
    PageFixture::SetUp();
    Bytes m = module.record.Block(kMailBlock);
    StoreBE32(m, mail::SmtpServer, 0x0A000005);
    StoreText(m.subspan(mail::MailFrom, 64), "plant@example.org");
    StoreText(m.subspan(mail::AlarmSubjects, 64), "Boiler pressure");
    StoreBE16(m, mail::RecipientWords, 0x0003);      // alarm 1: recipients 1 and 2
    StoreBE16(m, mail::RecipientWords + 4, 0x0001);  // alarm 3: recipient 1
    StoreText(module.record.Block(kMailRecipientBlock).subspan(recipients::Addresses, 64),
              "ops@example.org");
    StoreBE16(module.record.Block(kAlarmBlock), alarm::AlarmSetting,
              alarm::kEnabled | alarm::kRising);
  }
  void EditCell(GridModel& grid, CellRef cell, const std::string& text) {
    ASSERT_TRUE(grid.StartEdit(cell));
    grid.SetEditText(text);
    grid.FinishEdit();
  }
  std::vector<std::uint32_t> Masks() {
    return {Mail().MailMask(), Mail().RecipientMask(), Mail().AlarmMask()};
  }
};

TEST_F(MailPage, LoadShowsTheRecordAndNoMarkWithoutAnAddress) {
  Open();
  const MailControls& c = Mail().Controls();
  EXPECT_EQ(c.smtpServer.Value(), 0x0A000005u);
  EXPECT_EQ(c.mailFrom.text, "plant@example.org");
  EXPECT_EQ(c.mailFrom.maxLength, 63u);
  EXPECT_EQ((std::vector<bool>{c.alarm[0].checked, c.alarm[1].checked, c.trigger[0].enabled,
                               c.trigger[1].enabled}),
            (std::vector<bool>{true, false, true, false}));
  EXPECT_EQ(c.trigger[0].selection, 1);
  EXPECT_EQ(Mail().Subjects().Text(0, 0), "Boiler pressure");
  const RecipientGrid& r = Mail().Recipients();
  EXPECT_EQ(r.Text(kAddress, 0), "ops@example.org");
  EXPECT_TRUE(r.Checked(0, 0));
  EXPECT_TRUE(r.Checked(2, 0));
  EXPECT_FALSE(r.Checked(0, 1));  // chosen in the record, but no address
  EXPECT_EQ(Masks(), (std::vector<std::uint32_t>{0, 0, 0}));
}

struct MaskCase {
  const char* name;
  std::function<void(MailPage&)> act;
  std::uint32_t mail, recipient, alarm;
};

struct MailMasks : MailPage, ::testing::WithParamInterface<MaskCase> {};

TEST_P(MailMasks, EachEventSetsItsBits) {
  Open();
  GetParam().act(*this);
  EXPECT_EQ(Masks(),
            (std::vector<std::uint32_t>{GetParam().mail, GetParam().recipient, GetParam().alarm}));
  EXPECT_TRUE(Mail().IsModified());
}

INSTANTIATE_TEST_SUITE_P(
    Events, MailMasks,
    ::testing::Values(
        MaskCase{"server", [](MailPage& t) { t.Mail().OnSmtpServerFieldChanged(3, 9); }, 0x80000000,
                 0, 0},
        MaskCase{"sender", [](MailPage& t) { t.Mail().OnMailFromChanged("x@y"); }, 0x40000000, 0,
                 0},
        MaskCase{"alarm", [](MailPage& t) { t.Mail().OnAlarmClicked(1, true); }, 0, 0, 0x80000000},
        MaskCase{"trigger", [](MailPage& t) { t.Mail().OnTriggerChanged(0, 0); }, 0, 0, 0x80000000},
        MaskCase{"subject 3",
                 [](MailPage& t) {
                   t.EditCell(t.Mail().Subjects(), {0, 2}, "Door");
                 },
                 0x04000000, 0, 0},
        MaskCase{"typing a subject",
                 [](MailPage& t) {
                   t.Mail().Subjects().SetCurrent({0, 1});
                   t.Mail().Subjects().Type("D");
                 },
                 0x08000000, 0, 0},
        MaskCase{"address 4",
                 [](MailPage& t) {
                   t.EditCell(t.Mail().Recipients(), {kAddress, 3}, "a@b");
                 },
                 0x0000FFC0, 0x10000000, 0},
        MaskCase{"a mark",
                 [](MailPage& t) {
                   t.Mail().Recipients().Click({1, 0});
                 },
                 0x0000FFC0, 0, 0},
        MaskCase{"import", [](MailPage& t) { t.Mail().OnSiblingQuery(); }, 0xDFC0FFC0, 0xFFC00000,
                 0x80000000}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name)
        if (ch == ' ') ch = '_';
      return name;
    });

struct RefusalCase {
  bool recipients;
  CellRef cell;
  std::string typed;
  const char* message;  // nullptr: taken
};

TEST_F(MailPage, GridsRefuseWithTheirMessageAndRestoreTheCell) {
  Open();
  const std::string at63 = std::string(61, 'a') + "@b";
  const RefusalCase cases[] = {
      {false, {0, 0}, std::string(64, 's'), nullptr},
      {false, {0, 1}, std::string(65, 's'), text::kEnter64Characters},
      {true, {kAddress, 0}, at63, nullptr},
      {true, {kAddress, 1}, at63 + "c", text::kEnter64Characters},
      {true, {kAddress, 2}, "nobody.example.org", text::kRecipientIncorrect},
      {true, {kAddress, 3}, "@", nullptr},
  };
  for (const RefusalCase& c : cases) {
    ui.messages.clear();
    GridModel& grid =
        c.recipients ? static_cast<GridModel&>(Mail().Recipients()) : Mail().Subjects();
    const std::string before = grid.Text(c.cell.column, c.cell.row);
    ASSERT_TRUE(grid.StartEdit(c.cell));
    grid.SetEditText(c.typed);
    EXPECT_EQ(grid.FinishEdit(), c.message == nullptr) << c.typed;
    EXPECT_EQ(ui.messages, c.message ? Strings{c.message} : Strings{}) << c.typed;
    EXPECT_EQ(grid.Text(c.cell.column, c.cell.row), c.message ? before : c.typed);
    EXPECT_EQ(grid.Editing(), c.message != nullptr);
    grid.CancelEdit();
  }
}

TEST_F(MailPage, MarksNeedAnAddressAndClearingItClearsTheRow) {
  Open();
  RecipientGrid& r = Mail().Recipients();
  r.Click({1, 4});
  EXPECT_EQ(ui.messages, Strings{text::kMailAddressEmpty});
  // No clipboard keys here: a pasted address would skip its check.
  r.SetCurrent({kAddress, 0});
  EXPECT_FALSE(r.ControlKey('C'));
  EXPECT_FALSE(r.ControlKey('V'));
  EXPECT_FALSE(r.Checked(1, 4));
  EXPECT_EQ(Mail().MailMask(), 0u);
  r.SetCurrent({1, 0});
  r.Key(GridKey::Space);
  EXPECT_TRUE(r.Checked(1, 0));
  EditCell(r, {kAddress, 0}, "");
  EXPECT_EQ((std::vector<bool>{r.Checked(0, 0), r.Checked(1, 0), r.Checked(2, 0)}),
            (std::vector<bool>{false, false, false}));
}

TEST_F(MailPage, ApplySendsTheChangedBlocksInOrderWithTheAlarmBits) {
  Open();
  EXPECT_TRUE(sheet->Apply());
  EXPECT_TRUE(port.requests.empty());  // nothing changed

  Mail().OnAlarmClicked(1, true);     // enabled, no recipient: bit 2 stays clear
  Mail().Recipients().Click({2, 0});  // alarm 3 loses its one recipient
  Mail().OnMailFromChanged("boiler@example.org");
  ASSERT_TRUE(Mail().OnApply());
  std::vector<int> blocks;
  for (const auto& w : Sent(CmdWriteBlock)) blocks.push_back(w.block);
  EXPECT_EQ(blocks, (std::vector<int>{kMailBlock, kAlarmBlock}));
  const auto body1 = WriteBody(kMailBlock);
  EXPECT_EQ(Long(body1, kBody), 0x4000FFC0u);
  EXPECT_EQ(Chars(body1, kBody + mail::MailFrom, 19), std::string("boiler@example.org\0", 19));
  EXPECT_EQ(Word(body1, kBody + mail::RecipientWords), 0x0001);  // recipient 2 has no address
  EXPECT_EQ(Word(body1, kBody + mail::RecipientWords + 4), 0x0000);
  const auto body10 = WriteBody(kAlarmBlock);
  EXPECT_EQ(Word(body10, kBody + alarm::AlarmSetting), 0x8005);
  EXPECT_EQ(Word(body10, kBody + alarm::AlarmSetting + 2), 0x8000);
  EXPECT_EQ(Word(body10, kBody + alarm::AlarmSetting + 4), 0x0000);
  // The sender's copy in the spare slot.
  EXPECT_EQ(
      LoadText(
          doc->Nodes().Node(NodeTable::kSpareSlot).Block(kMailBlock).subspan(mail::MailFrom, 64)),
      "boiler@example.org");

  // Reloaded: no change is pending, so nothing goes again.
  port.requests.clear();
  EXPECT_EQ(Masks(), (std::vector<std::uint32_t>{0, 0, 0}));
  Mail().OnSubjectChanged(0, 0);
  ASSERT_TRUE(Mail().OnApply());
  EXPECT_EQ(Sent(CmdWriteBlock).size(), 1u);
}

TEST_F(MailPage, DeleteClearsWithoutNoticeSoTheTextGoesOutWithTheNextChange) {
  Open();
  Mail().Subjects().SetCurrent({0, 0});
  Mail().Subjects().Key(GridKey::Delete);
  EXPECT_EQ(Mail().Subjects().Text(0, 0), "");
  EXPECT_EQ(Mail().MailMask(), 0u);
  ASSERT_TRUE(Mail().OnApply());
  EXPECT_TRUE(Sent(CmdWriteBlock).empty());
  EXPECT_EQ(Mail().Subjects().Text(0, 0), "Boiler pressure");

  Mail().Subjects().Key(GridKey::Delete);
  Mail().OnMailFromChanged("new@example.org");
  ASSERT_TRUE(Mail().OnApply());
  EXPECT_EQ(Chars(WriteBody(kMailBlock), kBody + mail::AlarmSubjects, 4), std::string(4, '\0'));
}

TEST_F(MailPage, FailuresAreReportedPerBlockAndThePageReloads) {
  Open();
  module.writeCode = 0x8005;
  Mail().OnSiblingQuery();
  Mail().OnMailFromChanged("unsent@example.org");
  ASSERT_TRUE(Mail().OnApply());
  EXPECT_EQ(ui.messages, (Strings{text::kModifyFailed, text::kModifyFailed, text::kModifyFailed}));
  EXPECT_EQ(Mail().Controls().mailFrom.text, "plant@example.org");
  ui.messages.clear();
  port.openResult = -1;
  Mail().OnAlarmClicked(0, false);
  ASSERT_TRUE(Mail().OnApply());
  EXPECT_EQ(ui.messages, (Strings{text::kCannotOpenDevice, text::kCommunicationError}));
  EXPECT_TRUE(Mail().Controls().alarm[0].checked);
}

}  // namespace
}  // namespace gw::pages::test
