// The Security page: the state by lock and link, login, the password change,
// the factory setting, and the parameter file import and export.
#include <gtest/gtest.h>

#include "link/RequestCodes.h"
#include "model/FileIo.h"
#include "model/ParameterFile.h"
#include "model/Texts.h"
#include "pages/BasicMasks.h"
#include "support/PageFixture.h"

namespace gw::pages::test {
namespace {

struct SecurityPage : PageFixture {
  const SecurityControls& C() { return Security().Controls(); }
  CSecurityDlg& Page() { return Security(); }
  void ChangePassword(const std::string& password, const std::string& confirmation) {
    Page().OnModifyClicked(true);
    Page().OnNewPasswordChanged(password);
    Page().OnConfirmPasswordChanged(confirmation);
  }
};

struct LockCase {
  bool locked;
  int commType;
  bool login, modify, factory, files;
};

struct SecurityState : SecurityPage, ::testing::WithParamInterface<LockCase> {};

TEST_P(SecurityState, FollowsTheLockAndTheLink) {
  const LockCase& c = GetParam();
  if (c.locked) LockModule();
  Open(c.commType);
  EXPECT_EQ(C().loginPassword.enabled, c.login);
  EXPECT_EQ(C().loginConfirm.enabled, c.login);
  EXPECT_EQ(C().modify.enabled, c.modify);
  EXPECT_EQ(C().factorySetting.enabled, c.factory);
  EXPECT_EQ(C().importButton.enabled, c.files);
  EXPECT_EQ(C().exportButton.enabled, c.files);
  EXPECT_FALSE(C().newPassword.enabled);
  EXPECT_FALSE(C().confirmPassword.enabled);
  // The import and export group is never shown.
  EXPECT_FALSE(C().importExportGroup.visible);
  EXPECT_FALSE(C().importButton.visible);
  EXPECT_FALSE(C().exportButton.visible);
}

INSTANTIATE_TEST_SUITE_P(Lock, SecurityState,
                         ::testing::Values(LockCase{false, kCommEthernet, false, true, true, true},
                                           LockCase{true, kCommEthernet, true, false, false, false},
                                           LockCase{true, kCommSerial, true, false, true, false}));

TEST_F(SecurityPage, LoginSendsTheKeyInTheNodesHeaderAndUnlocks) {
  LockModule();
  Open();
  Page().OnLoginPasswordChanged("12345");
  EXPECT_EQ(C().loginPassword.text, "1234");
  Page().OnLoginClicked();

  const auto logins = Sent(CmdLogin);
  ASSERT_EQ(logins.size(), 1u);
  EXPECT_EQ(logins[0].body.size(), 36u);
  EXPECT_EQ(Word(logins[0].body, 18), kLockStateUnlocked);
  EXPECT_EQ(Chars(logins[0].body, 20, 4), "1234");
  EXPECT_EQ(Chars(logins[0].body, 10, 6), Chars(module.header, 10, 6));
  EXPECT_FALSE(doc->Nodes().Locked());
  EXPECT_EQ(doc->Nodes().LoginPassword(), "1234");
  EXPECT_TRUE(C().loginPassword.text.empty());
  EXPECT_FALSE(C().loginPassword.enabled);
  EXPECT_TRUE(C().modify.enabled);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(log.Only({"CloseSocket"}).size(), 1u);
}

TEST_F(SecurityPage, AFailedLoginKeepsTheSheetLocked) {
  LockModule();
  module.loginCode = 0x8007;
  Open();
  port.openResult = -1;
  Page().OnLoginPasswordChanged("1234");
  Page().OnLoginClicked();
  EXPECT_EQ(ui.messages, Strings{text::kCannotOpenDevice});  // the link's, none of its own
  EXPECT_TRUE(port.requests.empty());
  EXPECT_TRUE(doc->Nodes().Locked());

  ui.messages.clear();
  port.openResult = 0;
  Page().OnLoginPasswordChanged("0000");
  Page().OnLoginClicked();
  EXPECT_EQ(ui.messages, Strings{text::kAuthenticationFailed});
  EXPECT_TRUE(doc->Nodes().Locked());
  EXPECT_TRUE(C().loginPassword.text.empty());
  EXPECT_TRUE(C().loginPassword.enabled);
  const auto focus = Page().TakeFocusRequest();
  ASSERT_TRUE(focus);
  EXPECT_EQ(focus->control, &C().loginPassword);
  EXPECT_FALSE(sheet->SetActivePage(PageIndex(PageId::Basic)));
}

TEST_F(SecurityPage, ModifyEnablesThePasswordEditsAndMarksTheChange) {
  Open();
  EXPECT_TRUE(C().loginPassword.password && C().newPassword.password &&
              C().confirmPassword.password);
  EXPECT_EQ(C().newPassword.maxLength, 4u);
  Page().OnModifyClicked(true);
  EXPECT_TRUE(C().newPassword.enabled);
  EXPECT_TRUE(C().confirmPassword.enabled);
  EXPECT_EQ(Page().ChangeMask(), netbits::Password);
  EXPECT_TRUE(Page().IsModified());
  Page().OnNewPasswordChanged("ab");
  Page().OnModifyClicked(false);
  EXPECT_TRUE(C().newPassword.text.empty());
  EXPECT_FALSE(C().newPassword.enabled);
}

TEST_F(SecurityPage, APasswordOfOneToThreeCharactersOrADifferentConfirmationIsRefused) {
  Open();
  for (const auto& [password, confirmation] : std::vector<std::pair<std::string, std::string>>{
           {"a", "a"}, {"ab", "ab"}, {"abc", "abc"}, {"abcd", "abce"}, {"", "abcd"}}) {
    SCOPED_TRACE(password + "/" + confirmation);
    ui.messages.clear();
    ChangePassword(password, confirmation);
    EXPECT_FALSE(sheet->Apply());
    EXPECT_EQ(ui.messages, Strings{text::kPasswordInputError});
    EXPECT_TRUE(C().newPassword.text.empty());
    EXPECT_TRUE(C().confirmPassword.text.empty());
    EXPECT_EQ(sheet->ActiveIndex(), PageIndex(PageId::Security));
    EXPECT_FALSE(sheet->Closed());
  }
  EXPECT_TRUE(port.requests.empty());
}

TEST_F(SecurityPage, ThePasswordWriteCarriesTheNetworkBlockAndTheNewPassword) {
  StoreText(module.record.Block(kNetworkBlock).subspan(net::Password, 4), "wxyz");
  Open();
  // An empty password is sent as four zero bytes.
  for (const std::string password : {"abcd", ""}) {
    SCOPED_TRACE(password);
    Reopen();
    ChangePassword(password, password);
    EXPECT_TRUE(sheet->Apply());
    const auto writes = Sent(CmdWriteBlock, kNetworkBlock);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_TRUE(Sent(CmdReadBlock).empty());  // no read-back
    std::vector<std::uint8_t> expected(module.record.Block(kNetworkBlock).begin(),
                                       module.record.Block(kNetworkBlock).end());
    StoreBE32(expected, 0, 0x08000000);  // ChangeMask bit 27
    StoreText(Bytes(expected).subspan(48, 4), password);
    const auto& body = writes[0].body;
    ASSERT_EQ(body.size(), 116u);
    EXPECT_EQ(std::vector<std::uint8_t>(body.begin() + 36, body.end()), expected);
    // The header is the node's own, renewed for the request.
    EXPECT_EQ(Word(body, 28), 7);       // ModuleNumber
    EXPECT_EQ(Word(body, 32), 0x0155);  // FirmwareVersion
    EXPECT_EQ(ui.messages, Strings{text::kConfigurationSuccessful});
    EXPECT_EQ(doc->Nodes().LoginPassword(), password);
    EXPECT_FALSE(C().modify.checked);
    EXPECT_TRUE(sheet->Closed());
  }
}

TEST_F(SecurityPage, AFailedPasswordWriteStillClosesTheSheet) {
  Open();
  module.writeCode = 0x8005;
  ChangePassword("abcd", "abcd");
  EXPECT_TRUE(sheet->Apply());
  EXPECT_EQ(ui.messages, Strings{text::kModifyFailed});
  EXPECT_TRUE(sheet->Closed());

  Reopen();
  port.openResult = -1;
  ChangePassword("abcd", "abcd");
  EXPECT_TRUE(sheet->Apply());
  EXPECT_EQ(ui.messages, (Strings{text::kCannotOpenDevice, text::kCommunicationError}));
  EXPECT_FALSE(sheet->Closed());
  EXPECT_TRUE(C().modify.checked);
}

TEST_F(SecurityPage, LaterWritesToALockedModuleCarryTheNewPassword) {
  LockModule();
  Open();
  Page().OnLoginPasswordChanged("old1");
  Page().OnLoginClicked();
  ChangePassword("new2", "new2");
  ASSERT_TRUE(sheet->Apply());
  const auto change = WriteBody(kNetworkBlock);
  EXPECT_EQ(Word(change, 18), kLockStateUnlocked);
  EXPECT_EQ(Chars(change, 20, 4), "old1");  // authenticated with the old one
  EXPECT_EQ(Chars(change, 36 + 48, 4), "new2");

  // The sheet closed; the next one on the same node writes with the new key.
  Reopen();
  ASSERT_EQ(Node().LockState(), kLockStateLocked);
  ASSERT_TRUE(sheet->SetActivePage(PageIndex(PageId::Basic)));
  Basic().OnModuleNameChanged("Pump room");
  Basic().OnStationAddressChanged("5");
  ASSERT_TRUE(sheet->Apply());
  for (int block : {kNetworkBlock, kSerialBlock}) {
    SCOPED_TRACE(block);
    const auto next = WriteBody(block);
    EXPECT_EQ(Word(next, 18), kLockStateUnlocked);
    EXPECT_EQ(Chars(next, 20, 4), "new2");
  }
}

TEST_F(SecurityPage, FactorySettingAsksThenResetsTheModuleAndClosesTheSheet) {
  Open();
  Page().OnFactorySettingClicked(false);  // unchecking asks nothing
  EXPECT_TRUE(ui.messages.empty());
  // No, and Enter alike: the question's default button is No.
  for (const bool enter : {false, true}) {
    SCOPED_TRACE(enter ? "Enter" : "No");
    ui.messages.clear();
    if (!enter) ui.answers.push_back(Answer::No);
    Page().OnFactorySettingClicked(true);
    EXPECT_EQ(ui.messages, Strings{text::kReturnToFactory});
    EXPECT_FALSE(C().factorySetting.checked);
    EXPECT_TRUE(log.All().empty());
    EXPECT_FALSE(sheet->Closed());
  }

  ui.messages.clear();
  ui.answers.push_back(Answer::Yes);
  Page().OnFactorySettingClicked(true);
  const auto resets = Sent(CmdFactoryReset);
  ASSERT_EQ(resets.size(), 1u);
  EXPECT_EQ(Chars(resets[0].body, 10, 6), Chars(module.header, 10, 6));
  EXPECT_EQ(ui.messages, (Strings{text::kReturnToFactory, text::kConfigurationSuccessful}));
  EXPECT_FALSE(C().factorySetting.checked);
  EXPECT_TRUE(sheet->Closed());

  Reopen();
  module.resetCode = 0x8009;
  ui.answers.push_back(Answer::Yes);
  Page().OnFactorySettingClicked(true);
  EXPECT_EQ(ui.messages, (Strings{text::kReturnToFactory, text::kConfigurationFailed}));
  EXPECT_TRUE(sheet->Closed());
}

TEST_F(SecurityPage, ExportThenImportAndApplyWritesTheImportedValues) {
  Open();
  const std::string file = (dir / "boiler.mod").string();
  ui.files.push_back(file);
  Page().OnExportClicked();
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].defaultExtension, "mod");
  EXPECT_EQ(ui.dialogs[0].filter, "NXG4120 Config File (*.mod)|*.mod||");
  EXPECT_TRUE(ui.dialogs[0].confirmOverwrite);

  // Someone changes the module; the sheet is opened on it again.
  Bytes network = module.record.Block(kNetworkBlock);
  StoreText(network.subspan(net::ModuleName, net::kModuleNameSize), "Changed");
  StoreBE32(network, net::IpAddress, 0xC0A80163);
  StoreBE16(module.record.Block(kSerialBlock), serial::StationAddress, 99);
  ASSERT_EQ(doc->OpenNode(0), OpenResult::Opened);
  Reopen();
  ASSERT_EQ(Basic().Controls().stationAddress.text, "99");

  ui.files.push_back(file);
  Page().OnImportClicked();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(Basic().Controls().moduleName.text, "Boiler house");
  EXPECT_EQ(Overview().Texts().ipAddress, "192.168.1.20");
  ASSERT_TRUE(sheet->ApplyEnabled());

  ASSERT_TRUE(sheet->Apply());
  const auto network0 = WriteBody(kNetworkBlock);
  EXPECT_EQ(Long(network0, 36 + 0), 0xF2000000u);
  EXPECT_EQ(Chars(network0, 36 + 4, 12), "Boiler house");
  EXPECT_EQ(Long(network0, 36 + 36), kIp);
  EXPECT_EQ(Long(network0, 36 + 40), kNetmask);
  EXPECT_EQ(Long(network0, 36 + 44), kGateway);
  EXPECT_EQ(Word(network0, 36 + 58), 0);
  const auto serial11 = WriteBody(kSerialBlock);
  EXPECT_EQ(Long(serial11, 36 + 0), 0x80000000u);
  EXPECT_EQ(Word(serial11, 36 + 16), kStation);
  EXPECT_EQ(Word(serial11, 36 + 12), kComConfig);
  EXPECT_EQ(Word(serial11, 36 + 14), kBaudCodes);
  EXPECT_EQ(Word(serial11, 36 + 30), kKeepAlive);
}

TEST_F(SecurityPage, AFileOfAnotherFirmwareIsRefusedAndTheRecordKept) {
  Open();
  const std::string file = (dir / "other.mod").string();
  std::vector<std::uint8_t> bytes = EncodeParameterFile(Node());
  StoreBE16(bytes, pfile::FirmwareVersion, 0x0154);
  ASSERT_TRUE(WriteFileBytes(file, bytes).ok);
  const NodeRecord before = Node();
  ui.files.push_back(file);
  Page().OnImportClicked();
  EXPECT_EQ(ui.messages, Strings{text::kFirmwareMismatch});
  EXPECT_TRUE(Node() == before);
}

TEST_F(SecurityPage, DisabledButtonsDoNothingWhileLocked) {
  LockModule();
  Open();
  ui.files.push_back((dir / "x.mod").string());
  Page().OnExportClicked();
  Page().OnImportClicked();
  Page().OnFactorySettingClicked(true);
  EXPECT_TRUE(ui.dialogs.empty());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(port.requests.empty());
  EXPECT_FALSE(Basic().IsModified());
}

}  // namespace
}  // namespace gw::pages::test
