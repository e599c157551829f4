// The parameter sheet's windows against nxgsim on loopback: what the user does
// on the pages reaches the module, and only that.
#include <QDateEdit>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>
#include <algorithm>
#include <vector>

#include "frame/PluginFixture.h"
#include "pages/qt/MailPage.h"
#include "pages/qt/RelayPage.h"
#include "report/ParameterReport.h"
#include "sheet/SheetWindows.h"
#include "support/SimHarness.h"
#include "ui_MailPage.h"
#include "ui_RelayPage.h"
#include "widgets/IpAddressCtrl.h"

namespace gw::pages {
namespace {

using test::SimProcess;

std::vector<std::uint8_t> Copy(ConstBytes bytes) { return {bytes.begin(), bytes.end()}; }

// The parameter report of node 0 as `nxgcfg show` gives it, one line per
// item and table row ("section|name|value", "section|table|cell|cell...").
std::vector<std::string> ReportLines(frame::CGwCfgDoc& doc) {
  std::vector<std::string> lines;
  for (const ReportSection& s :
       DescribeNode(doc.Nodes().Node(0), doc.Nodes().FirmwareNumberOf(0))) {
    for (const ReportItem& item : s.items)
      lines.push_back(s.title + "|" + item.name + "|" + item.value);
    for (const ReportTable& t : s.tables) {
      for (const auto& row : t.rows) {
        std::string line = s.title + "|" + t.title;
        for (const std::string& cell : row) line += "|" + cell;
        lines.push_back(line);
      }
    }
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

std::vector<std::string> Missing(const std::vector<std::string>& from,
                                 const std::vector<std::string>& in) {
  std::vector<std::string> out;
  std::set_difference(from.begin(), from.end(), in.begin(), in.end(), std::back_inserter(out));
  return out;
}

class SimSessionTest : public test::PluginFixture {
 protected:
  SimSessionTest() : PluginFixture(Transport::System) {}

  // nxgsim on `address` with `args`, and a document that found its modules.
  frame::CGwCfgDoc* Session(SimProcess& sim, const QString& address) {
    EXPECT_TRUE(sim.WaitReady());
    env_.WritePortLinkIni(address, 1, QString::fromStdString(sim.ModbusPortLine()));
    frame::CGwCfgDoc* doc = NewDocument();
    doc->Core().Search();
    EXPECT_GE(doc->Nodes().Count(), 1) << sim.Log();
    return doc;
  }

  // The module's NetworkBlock as a fresh inquiry reads it.
  static std::vector<std::uint8_t> ReadNetworkBlock(frame::CGwCfgDoc& doc) {
    EXPECT_EQ(doc.Core().OpenNode(0), OpenResult::Opened);
    return Copy(doc.Nodes().Node(0).Block(kNetworkBlock));
  }

  // Types `text` over a field of an address control.
  static void TypeField(widgets::CIpAddressCtrl* address, int field, const char* text) {
    QLineEdit* edit = address->FieldEdit(field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
};

TEST_F(SimSessionTest, ANewIpAddressAppliedOnBasicIsAllTheModuleChanges) {
  SimProcess sim({"--address", "127.0.81.1", "--ip-base", "127.1.81.5"});
  frame::CGwCfgDoc* doc = Session(sim, QStringLiteral("127.0.81.1"));
  ASSERT_NE(doc, nullptr);
  const auto sheet = test::OpenSheet(*doc, 0);
  ASSERT_TRUE(sheet);
  std::vector<std::uint8_t> expected = Copy(doc->Nodes().Node(0).Block(kNetworkBlock));
  ASSERT_EQ(LoadBE32(expected, net::IpAddress), 0x7F015105u);

  ASSERT_TRUE(test::ClickTab(*sheet, PageId::Basic));
  TypeField(test::BasicForm(*sheet).ipAddress, 3, "77");
  sheet->ApplyButton()->click();
  EXPECT_TRUE(env_.messages.empty());
  EXPECT_FALSE(sheet->ApplyButton()->isEnabled());
  EXPECT_EQ(test::BasicForm(*sheet).ipAddress->Address(), 0x7F01514Du);
  sheet->reject();

  StoreBE32(expected, net::IpAddress, 0x7F01514D);
  EXPECT_EQ(ReadNetworkBlock(*doc), expected) << sim.Log();
  EXPECT_EQ(sim.CountLogLines("<- write block 11"), 0u) << sim.Log();
}

TEST_F(SimSessionTest, ARecipientAndARelayEntryAppliedAreAllTheReportChanges) {
  // Seed 2 gives a Serial Slave module with fewer than ten recipients.
  SimProcess sim({"--address", "127.0.85.1", "--seed", "2"});
  frame::CGwCfgDoc* doc = Session(sim, QStringLiteral("127.0.85.1"));
  ASSERT_NE(doc, nullptr);
  const auto sheet = test::OpenSheet(*doc, 0);
  ASSERT_TRUE(sheet);
  const std::vector<std::string> before = ReportLines(*doc);

  ASSERT_TRUE(test::ClickTab(*sheet, PageId::Mail));
  widgets::CGridView* recipients =
      test::PageWindow<CMailPage>(*sheet, PageId::Mail).Form().recipients;
  test::ClickCell(recipients, 3, 9);
  ASSERT_NE(recipients->Editor(), nullptr);
  QTest::keyClicks(recipients->Editor(), "new.hire@plant.example");
  QTest::keyClick(recipients->Editor(), Qt::Key_Return);
  test::ClickCell(recipients, 2, 9);

  ASSERT_TRUE(test::ClickTab(*sheet, PageId::SlaveMode));
  widgets::CGridView* relays =
      test::PageWindow<CRelayPage>(*sheet, PageId::SlaveMode).Form().relayTable;
  ASSERT_TRUE(relays->Source()->Editable()) << "seed 2 no longer gives a Serial Slave";
  test::ClickCell(relays, 0, 50);
  test::TypeOnGrid(relays, "42");
  QTest::keyClick(relays->Editor(), Qt::Key_Tab);
  test::TypeOnGrid(relays, "127.0.0.42");
  QTest::keyClick(relays->Editor(), Qt::Key_Return);

  sheet->ApplyButton()->click();
  EXPECT_TRUE(env_.messages.empty()) << env_.messages.front();
  sheet->reject();
  ASSERT_EQ(doc->Core().OpenNode(0), OpenResult::Opened);
  const std::vector<std::string> after = ReportLines(*doc);

  // The module's clock runs on between the two reads.
  const auto running = [](std::vector<std::string> lines) {
    std::erase_if(lines, [](const std::string& l) { return l.find("|Module Clock|") != l.npos; });
    return lines;
  };
  const std::vector<std::string> added = Missing(running(after), running(before));
  ASSERT_EQ(added.size(), 2u) << sim.Log();
  EXPECT_EQ(added[0], "Mail|Recipient E-mail Address|10|No|No|Yes|new.hire@plant.example");
  EXPECT_TRUE(added[1].starts_with("Slave Mode|Serial Slave Mode|")) << added[1];
  EXPECT_TRUE(added[1].ends_with("|42|127.0.0.42")) << added[1];
  EXPECT_TRUE(Missing(running(before), running(after)).empty());
  EXPECT_EQ(sim.CountLogLines("<- write block 10"), 0u) << sim.Log();
}

TEST_F(SimSessionTest, AWrongLoginLeavesTheSheetLockedAndTheRightOneOpensIt) {
  SimProcess sim({"--address", "127.0.82.1", "--locked", "1", "--password", "1234"});
  frame::CGwCfgDoc* doc = Session(sim, QStringLiteral("127.0.82.1"));
  ASSERT_NE(doc, nullptr);
  const auto sheet = test::OpenSheet(*doc, 0);
  ASSERT_TRUE(sheet);
  ASSERT_EQ(sheet->GetActiveIndex(), PageIndex(PageId::Security));
  const Ui::SecurityPageForm& form = test::SecurityForm(*sheet);

  QTest::keyClicks(form.loginPassword, "9999");
  form.loginConfirm->click();
  EXPECT_EQ(env_.messages, std::vector<std::string>{"Authentication failed"});
  EXPECT_TRUE(doc->Nodes().Locked());
  EXPECT_FALSE(test::ClickTab(*sheet, PageId::Basic));

  QTest::keyClicks(form.loginPassword, "1234");
  form.loginConfirm->click();
  EXPECT_EQ(env_.messages.size(), 1u);
  EXPECT_FALSE(doc->Nodes().Locked());
  ASSERT_TRUE(test::ClickTab(*sheet, PageId::Basic));

  // The module, still reporting its lock, takes the write with the login key.
  QLineEdit* name = test::BasicForm(*sheet).moduleName;
  name->selectAll();
  QTest::keyClicks(name, "Unlocked");
  sheet->ApplyButton()->click();
  EXPECT_EQ(env_.messages.size(), 1u) << env_.messages.back();
  sheet->reject();
  EXPECT_EQ(
      LoadText(ConstBytes(ReadNetworkBlock(*doc)).subspan(net::ModuleName, net::kModuleNameSize)),
      "Unlocked");
}

TEST_F(SimSessionTest, AnExportedFileImportedAndAppliedPutsItsValuesBack) {
  SimProcess sim({"--address", "127.0.83.1", "--names", "Kiln", "--ip-base", "127.1.83.9"});
  frame::CGwCfgDoc* doc = Session(sim, QStringLiteral("127.0.83.1"));
  ASSERT_NE(doc, nullptr);
  const QString file = env_.Path(QStringLiteral("kiln.mod"));
  const std::vector<std::uint8_t> exported = Copy(doc->Nodes().Node(0).Block(kNetworkBlock));
  {
    const auto sheet = test::OpenSheet(*doc, 0);
    ASSERT_TRUE(sheet);
    env_.files.push_back(file);
    test::SecurityForm(*sheet).exportButton->click();
    ASSERT_TRUE(QFile::exists(file));
    ASSERT_EQ(env_.dialogs.size(), 1u);
    EXPECT_FALSE(env_.dialogs[0].open);

    // The module changes afterwards.
    ASSERT_TRUE(test::ClickTab(*sheet, PageId::Basic));
    QLineEdit* name = test::BasicForm(*sheet).moduleName;
    name->selectAll();
    QTest::keyClicks(name, "Dryer");
    TypeField(test::BasicForm(*sheet).ipAddress, 2, "84");
    sheet->ApplyButton()->click();
    sheet->reject();
  }
  ASSERT_NE(ReadNetworkBlock(*doc), exported);

  {
    // The sheet goes before the fresh inquiry, with the monitor its Apply started.
    const auto sheet = test::OpenSheet(*doc, 0);
    ASSERT_TRUE(sheet);
    env_.files.push_back(file);
    test::SecurityForm(*sheet).importButton->click();
    EXPECT_TRUE(env_.messages.empty());
    EXPECT_EQ(test::BasicForm(*sheet).moduleName->text(), "Kiln");
    EXPECT_TRUE(sheet->ApplyButton()->isEnabled());
    sheet->ApplyButton()->click();
    EXPECT_TRUE(env_.messages.empty()) << env_.messages.front();
    sheet->reject();
  }
  EXPECT_EQ(ReadNetworkBlock(*doc), exported) << sim.Log();
}

TEST_F(SimSessionTest, AFileOfAnotherFirmwareIsRefusedAndTheRecordStays) {
  SimProcess sim({"--address", "127.0.84.1", "--firmware", "1.55"});
  frame::CGwCfgDoc* doc = Session(sim, QStringLiteral("127.0.84.1"));
  ASSERT_NE(doc, nullptr);
  const QString file = env_.Path(QStringLiteral("other.mod"));
  const auto sheet = test::OpenSheet(*doc, 0);
  ASSERT_TRUE(sheet);
  env_.files.push_back(file);
  test::SecurityForm(*sheet).exportButton->click();
  QFile mod(file);
  ASSERT_TRUE(mod.open(QIODevice::ReadWrite));
  ASSERT_TRUE(mod.seek(2));
  ASSERT_EQ(mod.write("\x01\x54", 2), 2);  // firmware 1.54
  mod.close();

  const NodeRecord before = doc->Nodes().Node(0);
  env_.files.push_back(file);
  test::SecurityForm(*sheet).importButton->click();
  EXPECT_EQ(env_.messages, std::vector<std::string>{"Firmware version dose not match"});
  const NodeRecord& after = doc->Nodes().Node(0);
  EXPECT_TRUE(std::ranges::equal(before.All(), after.All()));
}

// What `nxgcfg show` prints for the module as a fresh inquiry reads it: its
// items as "section: name = value", its table rows as "section: table #
// first cell = the row".
std::vector<std::string> ShownLines(frame::CGwCfgDoc& doc) {
  EXPECT_EQ(doc.Core().OpenNode(0), OpenResult::Opened);
  std::vector<std::string> lines;
  for (const ReportSection& section :
       DescribeNode(doc.Nodes().Node(0), doc.Nodes().FirmwareNumberOf(0))) {
    for (const ReportItem& item : section.items) {
      lines.push_back(section.title + ": " + item.name + " = " + item.value);
    }
    for (const ReportTable& table : section.tables) {
      for (const auto& row : table.rows) {
        std::string text = section.title + ": " + table.title + " " + row.front() + " =";
        for (std::size_t i = 1; i < row.size(); ++i) text += " " + row[i];
        lines.push_back(text);
      }
    }
  }
  return lines;
}

// The lines of `after` that `before` does not have.
std::vector<std::string> Changed(const std::vector<std::string>& before,
                                 const std::vector<std::string>& after) {
  std::vector<std::string> changed;
  for (const std::string& line : after) {
    if (std::find(before.begin(), before.end(), line) == before.end()) changed.push_back(line);
  }
  return changed;
}

TEST_F(SimSessionTest, FilterClockAndListenPortAppliedAreAllThatTheReportShowsChanged) {
  SimProcess sim({"--address", "127.0.85.1", "--ip-base", "127.1.85.7"});
  frame::CGwCfgDoc* doc = Session(sim, QStringLiteral("127.0.85.1"));
  ASSERT_NE(doc, nullptr);
  {
    // COM1 runs User Define as serial master, so its listen port can be edited.
    const auto sheet = test::OpenSheet(*doc, 0);
    ASSERT_TRUE(sheet);
    ASSERT_TRUE(test::ClickTab(*sheet, PageId::Basic));
    test::BasicForm(*sheet).master->setCurrentIndex(0);
    test::BasicForm(*sheet).comProtocol->setCurrentIndex(2);
    sheet->ApplyButton()->click();
    sheet->reject();
  }
  env_.messages.clear();
  const std::vector<std::string> before = ShownLines(*doc);

  const auto sheet = test::OpenSheet(*doc, 0);
  ASSERT_TRUE(sheet);
  ASSERT_TRUE(test::ClickTab(*sheet, PageId::IpFilter));
  const Ui::IpFilterPageForm& filter = test::IpFilterForm(*sheet);
  if (!filter.enable->isChecked()) filter.enable->click();
  TypeField(filter.address3, 0, "127");
  TypeField(filter.address3, 1, "0");
  TypeField(filter.address3, 2, "85");
  TypeField(filter.netmask3, 0, "255");
  TypeField(filter.netmask3, 1, "255");
  TypeField(filter.netmask3, 2, "255");
  TypeField(filter.address4, 0, "127");
  TypeField(filter.address4, 1, "0");
  TypeField(filter.address4, 2, "86");
  TypeField(filter.netmask4, 0, "255");
  TypeField(filter.netmask4, 1, "255");
  TypeField(filter.netmask4, 2, "255");

  ASSERT_TRUE(test::ClickTab(*sheet, PageId::Ntp));
  const Ui::RtcPageForm& clock = test::RtcForm(*sheet);
  clock.custom->click();
  clock.customDate->setDate(QDate(2030, 5, 17));
  clock.customTime->setTime(QTime(10, 20, 30));

  ASSERT_TRUE(test::ClickTab(*sheet, PageId::UserDefine));
  QLineEdit* listen = test::UserDefineForm(*sheet).listenPort1;
  ASSERT_TRUE(listen->isEnabled());
  listen->selectAll();
  QTest::keyClicks(listen, "4100");
  sheet->ApplyButton()->click();
  EXPECT_TRUE(env_.messages.empty()) << env_.messages.front();
  sheet->reject();

  const std::vector<std::string> after = ShownLines(*doc);
  EXPECT_NE(std::find(after.begin(), after.end(), "IP Filter: Enable IP Filter = Yes"),
            after.end());
  std::vector<std::string> changed = Changed(before, after);
  // The module's clock runs on from the value set.
  const auto clockLine = std::find_if(changed.begin(), changed.end(), [](const std::string& line) {
    return line.starts_with("NTP: Module Clock = ");
  });
  ASSERT_NE(clockLine, changed.end());
  EXPECT_TRUE(clockLine->starts_with("NTP: Module Clock = 2030-05-17 10:2")) << *clockLine;
  changed.erase(clockLine);
  std::erase(changed, "IP Filter: Enable IP Filter = Yes");  // unless it was on already
  EXPECT_EQ(changed,
            (std::vector<std::string>{"IP Filter: IP Filter Setup 3 = 127.0.85.0 255.255.255.0",
                                      "IP Filter: IP Filter Setup 4 = 127.0.86.0 255.255.255.0",
                                      "User Define: Ports Listen Port = 4100 4002"}))
      << sim.Log();
}

}  // namespace
}  // namespace gw::pages
