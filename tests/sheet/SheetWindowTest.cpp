// The parameter sheet's windows on the fake transport: what the pages' data
// looks like in the widgets, and what the user's input does to the pages.
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTranslator>

#include "frame/PluginFixture.h"
#include "frame/PluginResources.h"
#include "link/RequestCodes.h"
#include "model/SerialConfig.h"
#include "sheet/SheetWindows.h"
#include "widgets/IpAddressCtrl.h"
#include "widgets/MaskedEdit.h"
#include "widgets/SpinEdit.h"

namespace gw::pages {
namespace {

using test::FakeModule;
using test::Named;
using test::PageWindow;
using test::PluginFixture;
using test::Tabs;

int Writes(const FakeModule& module, int block) {
  int n = 0;
  for (const test::SentRequest& request : module.heard) {
    n += request.command == CmdWriteBlock && request.block == block ? 1 : 0;
  }
  return n;
}

QStringList Items(const QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items.push_back(list->itemText(i));
  return items;
}

class SheetWindowTest : public PluginFixture {
 protected:
  SheetWindowTest() {
    Named(module_, "Boiler house", 0xC0A80114);
    Bytes serialBlock = module_.record.Block(kSerialBlock);
    StoreBE16(serialBlock, serial::KeepAliveTime, 60);
    StoreBE16(serialBlock, serial::ModbusTimeout, 1000);
    StoreBE16(serialBlock, serial::StationAddress, 17);
    Serve({&module_});
  }

  std::unique_ptr<view::CParameterSheet> Open() {
    doc_ = NewDocument();
    doc_->Core().Search();
    return test::OpenSheet(*doc_, 0);
  }

  FakeModule module_{0x21, 7, 0x0155};
  frame::CGwCfgDoc* doc_ = nullptr;
};

TEST_F(SheetWindowTest, BasicPageShowsTheRecordAndFirmwareDecidesIpv6) {
  for (const std::uint16_t firmware : {0x0154, 0x0155}) {
    SCOPED_TRACE(firmware);
    module_.header = FakeModule(0x21, 7, firmware).header;
    const auto sheet = Open();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->windowTitle(), "Boiler house");
    EXPECT_EQ(Tabs(*sheet)->tabText(0), "Overview");
    EXPECT_FALSE(sheet->ApplyButton()->isEnabled());
    const Ui::BasicPageForm& form = test::BasicForm(*sheet);
    EXPECT_EQ(form.moduleName->text(), "Boiler house");
    EXPECT_EQ(form.moduleName->maxLength(), 31);
    EXPECT_EQ(form.ipAddress->Address(), 0xC0A80114u);
    EXPECT_TRUE(form.refresh->isHidden());
    EXPECT_EQ(form.stationAddress->Text(), "17");
    EXPECT_EQ(form.keepAlive->text(), "60");
    const bool ipv6 = firmware > 0x0154;
    EXPECT_EQ(form.enableIpv6->isHidden(), !ipv6);
    EXPECT_EQ(form.ipv6Address->isHidden(), !ipv6);
    EXPECT_EQ(form.master->count(), ipv6 ? 3 : 2);
    EXPECT_EQ(Items(form.parity), (QStringList{"None", "Odd", "Even"}));
    EXPECT_EQ(test::OverviewForm(*sheet).ipAddressText->text(), "192.168.1.20");
  }
}

TEST_F(SheetWindowTest, TypingEnablesApplyAndApplyWritesOnlyTheNetworkBlock) {
  const auto sheet = Open();
  ASSERT_TRUE(test::ClickTab(*sheet, PageId::Basic));
  const Ui::BasicPageForm& form = test::BasicForm(*sheet);
  form.moduleName->selectAll();
  QTest::keyClicks(form.moduleName, "Pump room");
  EXPECT_TRUE(sheet->ApplyButton()->isEnabled());
  EXPECT_EQ(sheet->Sheet().Find<CBasicDlg>()->NetworkMask(), 0x80000000u);

  sheet->ApplyButton()->click();
  EXPECT_TRUE(env_.messages.empty());
  EXPECT_EQ(Writes(module_, kNetworkBlock), 1);
  EXPECT_EQ(Writes(module_, kSerialBlock), 0);
  EXPECT_EQ(module_.record.ModuleName(), "Pump room");
  EXPECT_FALSE(sheet->ApplyButton()->isEnabled());
  EXPECT_EQ(form.moduleName->text(), "Pump room");
  EXPECT_TRUE(sheet->isVisible());
}

TEST_F(SheetWindowTest, AnAddressFieldTypedByTheUserSetsItsBit) {
  const auto sheet = Open();
  ASSERT_TRUE(test::ClickTab(*sheet, PageId::Basic));
  const Ui::BasicPageForm& form = test::BasicForm(*sheet);
  QLineEdit* last = form.gateway->FieldEdit(3);
  last->setFocus();
  last->selectAll();
  QTest::keyClicks(last, "9");
  EXPECT_EQ(sheet->Sheet().Find<CBasicDlg>()->NetworkMask(), 0x10000000u);
  EXPECT_EQ(sheet->Sheet().Find<CBasicDlg>()->Controls().gateway.fields[3], 9);
}

TEST_F(SheetWindowTest, Ipv6TypedOverTheMaskKeepsEveryDigitInItsPlace) {
  StoreBE16(module_.record.Block(kNetworkBlock), net::Ipv6Enable, 1);
  const auto sheet = Open();
  ASSERT_TRUE(test::ClickTab(*sheet, PageId::Basic));
  widgets::CMaskedEdit* edit = test::BasicForm(*sheet).ipv6Address;
  ASSERT_TRUE(edit->isEnabled());
  edit->setFocus();
  edit->setCursorPosition(0);
  QTest::keyClicks(edit, "fe80");
  edit->setCursorPosition(35);
  QTest::keyClicks(edit, "1");
  edit->setSelection(5, 4);
  QTest::keyClick(edit, Qt::Key_Delete);  // unfilled, not gone
  const std::string typed = "FE80:    :0000:0000:0000:0000:0000:1000";
  EXPECT_EQ(sheet->Sheet().Find<CBasicDlg>()->Controls().ipv6Address.text, typed);
  EXPECT_EQ(sheet->Sheet().Find<CBasicDlg>()->NetworkMask(), 0x00400000u);
  sheet->ApplyButton()->click();
  const ConstBytes written = module_.record.Block(kNetworkBlock).subspan(net::Ipv6Address, 16);
  EXPECT_EQ(std::vector<std::uint8_t>(written.begin(), written.end()),
            (std::vector<std::uint8_t>{0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x10, 0}));
  EXPECT_EQ(edit->MaskedText(), "FE80:0000:0000:0000:0000:0000:0000:1000");  // as read back
}

TEST_F(SheetWindowTest, OutOfRangeTimerRefusesApplyAndSelectsTheRestoredText) {
  const auto sheet = Open();
  ASSERT_TRUE(test::ClickTab(*sheet, PageId::Basic));
  const Ui::BasicPageForm& form = test::BasicForm(*sheet);
  form.keepAlive->selectAll();
  QTest::keyClicks(form.keepAlive, "4");
  sheet->ApplyButton()->setFocus();
  sheet->ApplyButton()->click();
  EXPECT_EQ(env_.messages, std::vector<std::string>{"Out of range"});
  EXPECT_EQ(form.keepAlive->text(), "60");
  EXPECT_TRUE(form.keepAlive->hasFocus());
  EXPECT_EQ(form.keepAlive->selectedText(), "60");
  EXPECT_EQ(sheet->GetActiveIndex(), PageIndex(PageId::Basic));
  EXPECT_EQ(Writes(module_, kNetworkBlock) + Writes(module_, kSerialBlock), 0);
  EXPECT_TRUE(sheet->ApplyButton()->isEnabled());
}

TEST_F(SheetWindowTest, DualModeRefusalPutsTheProtocolListBack) {
  const auto sheet = Open();
  ASSERT_TRUE(test::ClickTab(*sheet, PageId::Basic));
  const Ui::BasicPageForm& form = test::BasicForm(*sheet);
  form.master->setCurrentIndex(2);  // "Serial Device Server"
  EXPECT_EQ(form.comProtocol->currentText(), "User Define COM1 (RS-232)");
  ASSERT_EQ(env_.messages.size(), 1u);
  EXPECT_TRUE(env_.messages[0].starts_with("RS-232 is specified by COM Protocol"));
  form.comProtocol->setCurrentIndex(0);
  EXPECT_EQ(form.comProtocol->currentIndex(), 2);
  EXPECT_EQ(env_.messages.back(),
            "Master Configuration : [Dual Mode] does not support MODBUS protocol");
  EXPECT_FALSE(form.mode->isEnabled());
}

TEST_F(SheetWindowTest, StationOutsideItsRangeIsPutBackWhenTheEditIsLeft) {
  const auto sheet = Open();
  ASSERT_TRUE(test::ClickTab(*sheet, PageId::Basic));
  const Ui::BasicPageForm& form = test::BasicForm(*sheet);
  QLineEdit* station = form.stationAddress->Edit();
  station->setFocus();
  station->selectAll();
  QTest::keyClicks(station, "300");
  form.keepAlive->setFocus();
  EXPECT_EQ(env_.messages, std::vector<std::string>{"Station range in [1-247]"});
  EXPECT_EQ(station->text(), "17");
  EXPECT_EQ(form.stationAddress->Position(), 17);
}

TEST_F(SheetWindowTest, EnterWithAStationOutsideItsRangeKeepsTheSheetAndSendsNothing) {
  const auto sheet = Open();
  ASSERT_TRUE(test::ClickTab(*sheet, PageId::Basic));
  const Ui::BasicPageForm& form = test::BasicForm(*sheet);
  QLineEdit* station = form.stationAddress->Edit();
  station->setFocus();
  station->selectAll();
  QTest::keyClicks(station, "0");
  QTest::keyClick(station, Qt::Key_Return);  // the sheet's OK
  EXPECT_EQ(env_.messages, std::vector<std::string>{"Station range in [1-247]"});
  EXPECT_TRUE(sheet->isVisible());
  EXPECT_EQ(station->text(), "17");
  EXPECT_TRUE(station->hasFocus());
  EXPECT_EQ(Writes(module_, kNetworkBlock) + Writes(module_, kSerialBlock), 0);
}

TEST_F(SheetWindowTest, LockedSheetKeepsOtherPagesShutUntilTheLogin) {
  StoreBE16(module_.header, hdr::LockState, kLockStateLocked);
  module_.loginCode = 0x8007;
  const auto sheet = Open();
  EXPECT_EQ(sheet->GetActiveIndex(), PageIndex(PageId::Security));
  EXPECT_FALSE(test::ClickTab(*sheet, PageId::Basic));
  EXPECT_EQ(Tabs(*sheet)->currentIndex(), PageIndex(PageId::Security));
  EXPECT_TRUE(test::ClickTab(*sheet, PageId::Overview));
  ASSERT_TRUE(test::ClickTab(*sheet, PageId::Security));

  const Ui::SecurityPageForm& form = test::SecurityForm(*sheet);
  EXPECT_EQ(form.loginPassword->echoMode(), QLineEdit::Password);
  EXPECT_FALSE(form.modify->isEnabled());
  EXPECT_TRUE(form.importExportGroup->isHidden());
  QTest::keyClicks(form.loginPassword, "9999");
  form.loginConfirm->click();
  EXPECT_EQ(env_.messages, std::vector<std::string>{"Authentication failed"});
  EXPECT_TRUE(form.loginPassword->text().isEmpty());
  EXPECT_TRUE(form.loginPassword->hasFocus());
  EXPECT_FALSE(test::ClickTab(*sheet, PageId::Basic));

  module_.loginCode = 0x0007;
  QTest::keyClicks(form.loginPassword, "1234");
  form.loginConfirm->click();
  EXPECT_FALSE(form.loginPassword->isEnabled());
  EXPECT_TRUE(form.modify->isEnabled());
  EXPECT_TRUE(test::ClickTab(*sheet, PageId::Basic));
}

TEST_F(SheetWindowTest, APasswordChangeEndsTheSheet) {
  const auto sheet = Open();
  ASSERT_TRUE(test::ClickTab(*sheet, PageId::Security));
  const Ui::SecurityPageForm& form = test::SecurityForm(*sheet);
  EXPECT_FALSE(form.newPassword->isEnabled());
  form.modify->click();
  EXPECT_TRUE(form.newPassword->isEnabled());
  QTest::keyClicks(form.newPassword, "abcd");
  QTest::keyClicks(form.confirmPassword, "abcd");
  sheet->OkButton()->click();
  EXPECT_EQ(env_.messages, std::vector<std::string>{"Configuration is successful"});
  EXPECT_FALSE(sheet->isVisible());
  EXPECT_EQ(sheet->result(), QDialog::Accepted);
}

TEST_F(SheetWindowTest, FactorySettingAnsweredNoUnchecksTheBoxAndSendsNothing) {
  const auto sheet = Open();
  ASSERT_TRUE(test::ClickTab(*sheet, PageId::Security));
  const Ui::SecurityPageForm& form = test::SecurityForm(*sheet);
  const std::size_t heard = module_.heard.size();
  env_.answers.push_back(af::IDNO);
  form.factorySetting->click();
  EXPECT_EQ(env_.messages, std::vector<std::string>{"Return to factory setting"});
  EXPECT_FALSE(form.factorySetting->isChecked());
  EXPECT_EQ(module_.heard.size(), heard);
  EXPECT_TRUE(sheet->isVisible());
}

TEST_F(SheetWindowTest, AFilterThatLeavesThisComputerOutIsAskedAboutFirst) {
  const auto sheet = Open();
  doc_->Core().SetAddressFinder(
      [](std::uint32_t) { return std::optional<std::uint32_t>(0xC0A80105); });
  ASSERT_TRUE(test::ClickTab(*sheet, PageId::IpFilter));
  const Ui::IpFilterPageForm& form = test::IpFilterForm(*sheet);
  EXPECT_FALSE(form.netmask3->isEnabled());
  form.enable->click();
  ASSERT_TRUE(form.netmask3->isEnabled());
  QLineEdit* field = form.netmask3->FieldEdit(0);
  field->setFocus();
  QTest::keyClicks(field, "255");
  EXPECT_EQ(sheet->Sheet().Find<CIPFilterDlg>()->ChangeMask(), 0x90000000u);

  env_.answers.push_back(af::IDNO);
  sheet->ApplyButton()->click();
  EXPECT_EQ(env_.messages,
            std::vector<std::string>{
                "The filter does not include this computer (192.168.1.5). Apply anyway?"});
  EXPECT_EQ(Writes(module_, kIpFilterBlock), 0);
  EXPECT_EQ(sheet->GetActiveIndex(), PageIndex(PageId::IpFilter));
  env_.answers.push_back(af::IDYES);
  sheet->ApplyButton()->click();
  EXPECT_EQ(Writes(module_, kIpFilterBlock), 1);
  EXPECT_EQ(LoadBE16(module_.record.Block(kIpFilterBlock), ipfilter::FilterEnable), 1);
}

TEST_F(SheetWindowTest, APickedDateAndTimeSetTheModuleClock) {
  StoreBE32(module_.record.Block(kClockBlock), clock::ClockTime, 1434371445);
  const auto sheet = Open();
  ASSERT_TRUE(test::ClickTab(*sheet, PageId::Ntp));
  const Ui::RtcPageForm& form = test::RtcForm(*sheet);
  EXPECT_EQ(form.moduleTimeText->text(), "AM 12:30:45");
  EXPECT_EQ(form.timeZone->count(), 74);
  EXPECT_FALSE(form.customDate->isEnabled());
  form.custom->click();
  EXPECT_TRUE(form.customDate->isEnabled());
  EXPECT_FALSE(form.pc->isChecked());
  EXPECT_EQ(form.customDate->minimumDate(), QDate(1970, 1, 1));
  EXPECT_EQ(form.customDate->maximumDate(), QDate(2106, 2, 7));
  form.customDate->setDate(QDate(2024, 2, 29));
  form.customTime->setTime(QTime(23, 59, 59));
  EXPECT_EQ(form.customWeekText->text(), "Thrisday");
  sheet->ApplyButton()->click();
  EXPECT_TRUE(env_.messages.empty());
  EXPECT_EQ(LoadBE32(module_.record.Block(kClockBlock), clock::ClockTime), 1709251199u);
  EXPECT_EQ(form.moduleDateText->text(), " 2024/ 2/29");
}

TEST_F(SheetWindowTest, CharacterEditsTakeHexDigitsAndARefusedPortIsSelected) {
  StoreBE16(module_.record.Block(kSerialBlock), serial::ComConfig, comconfig::kUserDefineCom1);
  Bytes userBlock = module_.record.Block(kUserDefineBlock);
  for (const std::size_t entry : {userdef::Com1, userdef::Com2}) {
    StoreBE16(userBlock, entry + userdef::ListenPort, static_cast<std::uint16_t>(4001 + entry));
    StoreBE16(userBlock, entry + userdef::DestinationPort, 5020);
    StoreBE16(userBlock, entry + userdef::FixLength, 8);
    StoreBE32(userBlock, entry + userdef::DestinationIp, static_cast<std::uint32_t>(entry));
    userBlock[entry + userdef::StartCount] = 1;
    userBlock[entry + userdef::FramingSwitches] = userdef::kStartItemOn;
  }
  const auto sheet = Open();
  ASSERT_TRUE(test::ClickTab(*sheet, PageId::UserDefine));
  const Ui::UserDefinePageForm& form = test::UserDefineForm(*sheet);
  EXPECT_FALSE(form.listenPort2->isEnabled());
  form.startChar1_0->selectAll();
  QTest::keyClicks(form.startChar1_0, "g1");
  EXPECT_EQ(form.startChar1_0->text(), "1");
  form.startChar1_1->selectAll();
  QTest::keyClicks(form.startChar1_1, "7e");
  EXPECT_EQ(form.startChar1_1->text(), "7E");

  form.listenPort1->selectAll();
  QTest::keyClicks(form.listenPort1, "80");
  sheet->ApplyButton()->click();
  EXPECT_EQ(env_.messages, std::vector<std::string>{"Listen Port range in [1024-65535]"});
  EXPECT_EQ(form.listenPort1->text(), "4005");
  EXPECT_TRUE(form.listenPort1->hasFocus());
  EXPECT_EQ(form.listenPort1->selectedText(), "4005");
  EXPECT_EQ(Writes(module_, kUserDefineBlock), 0);
  sheet->ApplyButton()->click();
  EXPECT_EQ(Writes(module_, kUserDefineBlock), 1);
  EXPECT_EQ(module_.record.Block(kUserDefineBlock)[userdef::Com1 + userdef::StartChars + 1], 0x7E);
}

// Every caption, button and list entry of the pages has both translations.
TEST_F(SheetWindowTest, EveryTextOfThePagesIsTranslated) {
  const auto sheet = Open();
  QStringList texts;
  for (int i = 0; i < sheet->GetPageCount(); ++i) {
    QWidget* page = sheet->GetPage(i);
    texts.push_back(Tabs(*sheet)->tabText(i));
    for (const QLabel* label : page->findChildren<QLabel*>()) {
      // Not the values, nor the dots of an address.
      if (!label->objectName().endsWith("Text") && label->text() != ".")
        texts.push_back(label->text());
    }
    for (const QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
      texts.push_back(button->text());
    }
    for (const QGroupBox* group : page->findChildren<QGroupBox*>()) texts.push_back(group->title());
    for (const QComboBox* list : page->findChildren<QComboBox*>()) texts.append(Items(list));
    for (const auto* address : page->findChildren<widgets::CIpAddressCtrl*>()) {
      texts.push_back(address->RangeNoticeFormat());
    }
  }
  for (const QPushButton* button :
       {sheet->OkButton(), sheet->CancelButton(), sheet->ApplyButton()}) {
    texts.push_back(button->text());
  }
  texts.removeAll(QString());
  texts.removeDuplicates();
  ASSERT_GT(texts.size(), 60);
  for (const char* name : {"NXG4120-TCHT.qm", "NXG4120-TCHS.qm"}) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Language/") + name)));
    for (const QString& text : texts) {
      bool number = false;
      text.toInt(&number);
      if (number) continue;  // baud rates, data lengths, stop bits
      EXPECT_FALSE(translator.translate("NXG4120-T", text.toUtf8().constData()).isEmpty())
          << name << ": " << text.toStdString();
    }
  }
}

}  // namespace
}  // namespace gw::pages
