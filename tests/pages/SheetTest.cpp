// The parameter sheet: its pages, the locked-flag rule, Apply, OK and
// Cancel, closing by a page, and the parameters-replaced query.
#include <gtest/gtest.h>

#include "link/RequestCodes.h"
#include "support/PageFixture.h"

namespace gw::pages::test {
namespace {

using Sheet = PageFixture;

Strings Captions(const SheetRules& sheet) {
  Strings out;
  for (int i = 0; i < sheet.PageCount(); ++i) out.push_back(sheet.Page(i).Caption());
  return out;
}

TEST_F(Sheet, HoldsTheNinePagesInTabOrderUnderTheModuleName) {
  Open();
  EXPECT_EQ(sheet->Caption(), "Boiler house");
  EXPECT_EQ(Captions(*sheet), (Strings{"Overview", "Basic", "Mail", "NTP", "Monitor", "Slave Mode",
                                       "IP Filter", "User Define", "Security"}));
  EXPECT_EQ(sheet->ActiveIndex(), PageIndex(PageId::Overview));
  EXPECT_FALSE(sheet->ApplyEnabled());
  EXPECT_FALSE(sheet->Closed());
  // A full name of 32 characters.
  const std::string full(32, 'N');
  StoreText(Node().Block(kNetworkBlock).subspan(net::ModuleName, net::kModuleNameSize), full);
  Reopen();
  EXPECT_EQ(sheet->Caption(), full);
}

TEST_F(Sheet, APageMarkedModifiedWithoutChangedTablesSendsNothing) {
  Open();
  PropertyPage& monitor = sheet->Page(PageIndex(PageId::Monitor));
  EXPECT_TRUE(sheet->SetActivePage(PageIndex(PageId::Monitor)));
  monitor.SetModified();
  EXPECT_TRUE(sheet->Apply());
  EXPECT_TRUE(port.requests.empty());
  EXPECT_FALSE(monitor.IsModified());
}

TEST_F(Sheet, ALockedModuleOpensOnSecurityAndOnlyOverviewAndSecurityAreReachable) {
  LockModule();
  Open();
  const int security = PageIndex(PageId::Security);
  EXPECT_EQ(sheet->ActiveIndex(), security);
  for (PageId id : {PageId::Basic, PageId::Mail, PageId::Ntp, PageId::Monitor, PageId::SlaveMode,
                    PageId::IpFilter, PageId::UserDefine}) {
    EXPECT_FALSE(sheet->SetActivePage(PageIndex(id))) << PageCaption(id);
    EXPECT_EQ(sheet->ActiveIndex(), security);
  }
  EXPECT_TRUE(sheet->SetActivePage(PageIndex(PageId::Overview)));
  EXPECT_TRUE(sheet->SetActivePage(security));

  // A login lifts the rule.
  Security().OnLoginPasswordChanged("1234");
  Security().OnLoginClicked();
  EXPECT_FALSE(doc->Nodes().Locked());
  EXPECT_TRUE(sheet->SetActivePage(PageIndex(PageId::Basic)));
  EXPECT_TRUE(sheet->SetActivePage(PageIndex(PageId::UserDefine)));
}

TEST_F(Sheet, ApplyIsEnabledWhileAPageIsModifiedOkAppliesAndClosesCancelDoesNotWrite) {
  Open();
  int sheetChanges = 0;
  sheet->SetChangeListener([&] { ++sheetChanges; });
  Basic().OnModuleNameChanged("Pump room");
  EXPECT_TRUE(sheet->ApplyEnabled());
  EXPECT_GT(sheetChanges, 0);
  EXPECT_TRUE(sheet->Apply());
  EXPECT_EQ(Sent(CmdWriteBlock).size(), 1u);
  EXPECT_FALSE(sheet->ApplyEnabled());
  EXPECT_FALSE(sheet->Closed());
  EXPECT_EQ(C().moduleName.text, "Pump room");  // as the module took it

  Basic().OnStationAddressChanged("5");
  EXPECT_TRUE(sheet->Ok());
  EXPECT_TRUE(sheet->Closed());
  EXPECT_EQ(Sent(CmdWriteBlock, kSerialBlock).size(), 1u);

  Reopen();
  Basic().OnStationAddressChanged("6");
  sheet->Cancel();
  EXPECT_TRUE(sheet->Closed());
  EXPECT_TRUE(port.requests.empty());
}

TEST_F(Sheet, ARefusedApplyKeepsTheSheetOpenOnThatPage) {
  Open();
  Basic().OnKeepAliveChanged("4");
  ASSERT_EQ(sheet->ActiveIndex(), PageIndex(PageId::Overview));

  EXPECT_FALSE(sheet->Apply());
  EXPECT_EQ(sheet->ActiveIndex(), PageIndex(PageId::Basic));
  EXPECT_TRUE(sheet->ApplyEnabled());
  // The refused value was put back; typed again, OK is refused the same way.
  Basic().OnKeepAliveChanged("4");
  EXPECT_FALSE(sheet->Ok());
  EXPECT_FALSE(sheet->Closed());
  EXPECT_TRUE(port.requests.empty());
}

TEST_F(Sheet, APageThatClosesTheSheetEndsTheApply) {
  // Basic closes the sheet after a COM1 protocol is written over the serial
  // link; the modified Security page after it is not applied.
  Open(kCommSerial);
  Basic().OnComProtocolChanged(static_cast<int>(ComProtocol::ModbusCom1));
  Security().OnModifyClicked(true);
  Security().OnNewPasswordChanged("abcd");
  Security().OnConfirmPasswordChanged("abcd");

  EXPECT_TRUE(sheet->Apply());
  EXPECT_TRUE(sheet->Closed());
  EXPECT_EQ(Sent(CmdWriteBlock, kSerialBlock).size(), 1u);
  EXPECT_EQ(Sent(CmdWriteBlock, kNetworkBlock).size(), 0u);
  EXPECT_FALSE(sheet->SetActivePage(PageIndex(PageId::Overview)));
}

// A page that counts the sheet's calls.
class CountingPage : public PropertyPage {
 public:
  CountingPage() : PropertyPage("Counting") {}
  void OnInitDialog() override { ++inits; }
  void OnSiblingQuery() override { ++queries; }
  int inits = 0;
  int queries = 0;
};

TEST_F(Sheet, TheSiblingQueryReachesEveryPage) {
  Open();
  std::vector<std::unique_ptr<PropertyPage>> pages;
  std::vector<CountingPage*> counting;
  for (int i = 0; i < 3; ++i) {
    auto page = std::make_unique<CountingPage>();
    counting.push_back(page.get());
    pages.push_back(std::move(page));
  }
  SheetRules own(*doc, std::move(pages));
  own.Open();
  own.QuerySiblings();
  for (const CountingPage* page : counting) {
    EXPECT_EQ(page->inits, 1);
    EXPECT_EQ(page->queries, 1);
  }
}

TEST_F(Sheet, SecurityImportReloadsTheOtherPagesAndTellsTheirWindows) {
  Open();
  int basicChanges = 0;
  int overviewChanges = 0;
  Basic().SetChangeListener([&] { ++basicChanges; });
  Overview().SetChangeListener([&] { ++overviewChanges; });

  Security().OnImportClicked();  // cancelled: the query goes out all the same
  EXPECT_GT(basicChanges, 0);
  EXPECT_GT(overviewChanges, 0);
  EXPECT_TRUE(Basic().IsModified());
  EXPECT_EQ(Basic().NetworkMask(), 0xF2000000u);
  EXPECT_EQ(Basic().SerialMask(), 0x80000000u);
  EXPECT_FALSE(Overview().IsModified());
  EXPECT_TRUE(sheet->ApplyEnabled());
}

TEST(PagesWithoutANode, ShowNothingAndSendNothing) {
  CBasicDlg basic;
  basic.OnInitDialog();
  basic.OnMasterChanged(2);
  basic.OnComProtocolChanged(0);
  basic.OnStationAddressFocusLost();
  basic.OnRefreshClicked();
  EXPECT_TRUE(basic.OnApply());
  EXPECT_EQ(basic.Controls().comProtocol.selection, -1);

  CSecurityDlg security;
  security.OnInitDialog();
  security.OnLoginClicked();
  security.OnFactorySettingClicked(true);
  security.OnImportClicked();
  EXPECT_TRUE(security.OnApply());

  COverViewDlg overview;
  overview.OnInitDialog();
  EXPECT_TRUE(overview.Texts().module.empty());
}

}  // namespace
}  // namespace gw::pages::test
