#include "SecurityDlg.h"

#include "link/RequestCodes.h"
#include "model/ParameterTransfer.h"
#include "model/Texts.h"
#include "pages/BasicMasks.h"

namespace gw::pages {

namespace {

constexpr std::size_t kPasswordLength = 4;

void MakePasswordEdit(TextControl& edit) {
  edit.maxLength = kPasswordLength;
  edit.password = true;
}

}  // namespace

CSecurityDlg::CSecurityDlg() : PropertyPage("Security") {
  MakePasswordEdit(c_.loginPassword);
  MakePasswordEdit(c_.newPassword);
  MakePasswordEdit(c_.confirmPassword);
  c_.importExportGroup.visible = false;
  c_.importButton.visible = false;
  c_.exportButton.visible = false;
}

void CSecurityDlg::OnInitDialog() {
  StateRefresh();
  NotifyChanged();
}

void CSecurityDlg::ApplyModifyRule() {
  if (!c_.modify.checked) {
    c_.newPassword.text.clear();
    c_.confirmPassword.text.clear();
    c_.newPassword.enabled = false;
    c_.confirmPassword.enabled = false;
    return;
  }
  c_.newPassword.enabled = true;
  c_.confirmPassword.enabled = true;
  mask_ |= netbits::Password;
  SetModified(true);
}

void CSecurityDlg::StateRefresh() {
  ApplyModifyRule();
  const bool locked = DocumentLocked();
  c_.loginPassword.enabled = locked;
  c_.loginConfirm.enabled = locked;
  c_.modify.enabled = !locked;
  c_.importButton.enabled = !locked;
  c_.exportButton.enabled = !locked;
  // A locked module can be reset only from its serial port.
  c_.factorySetting.enabled = !locked || CommTypeCopy() == kCommSerial;
  SetModified(false);
  mask_ = 0;
}

void CSecurityDlg::OnLoginPasswordChanged(std::string_view text) {
  if (c_.loginPassword.enabled) c_.loginPassword.SetTyped(text);
  NotifyChanged();
}

void CSecurityDlg::OnLoginClicked() {
  NodeRecord* node = CurrentRecord();
  if (node == nullptr || !c_.loginConfirm.enabled) return;
  Nodes().SetLoginPassword(c_.loginPassword.text);
  const LinkResult login = LogIn(Nodes().LoginPassword());
  if (LinkNotOpened(login)) return;
  if (login.Ok()) {
    Nodes().SetLocked(false);
    c_.loginPassword.text.clear();
    c_.loginPassword.enabled = false;
  } else {
    Ui().Message(text::kAuthenticationFailed);
    c_.loginPassword.text.clear();
    RequestFocus(c_.loginPassword, false);
  }
  StateRefresh();
  NotifyChanged();
}

void CSecurityDlg::OnModifyClicked(bool checked) {
  if (!c_.modify.enabled) return;
  c_.modify.checked = checked;
  ApplyModifyRule();
  NotifyChanged();
}

void CSecurityDlg::OnNewPasswordChanged(std::string_view text) {
  if (!c_.newPassword.enabled) return;
  c_.newPassword.SetTyped(text);
  SetModified(true);
  NotifyChanged();
}

void CSecurityDlg::OnConfirmPasswordChanged(std::string_view text) {
  if (!c_.confirmPassword.enabled) return;
  c_.confirmPassword.SetTyped(text);
  SetModified(true);
  NotifyChanged();
}

bool CSecurityDlg::OnApply() {
  NodeRecord* node = CurrentRecord();
  if (node == nullptr) return true;
  if (Nodes().Current() == NodeTable::kSpareSlot || !c_.modify.checked) {
    StateRefresh();
    NotifyChanged();
    return true;
  }
  const std::string& password = c_.newPassword.text;
  if (password != c_.confirmPassword.text ||
      (!password.empty() && password.size() != kPasswordLength)) {
    Ui().Message(text::kPasswordInputError);
    c_.newPassword.text.clear();
    c_.confirmPassword.text.clear();
    NotifyChanged();
    return false;
  }
  // The network parameters go back unchanged; only the password is marked.
  const ConstBytes network = node->Block(kNetworkBlock);
  const Bytes out0 = Nodes().Outgoing().Block(kNetworkBlock);
  std::copy(network.begin(), network.end(), out0.begin());
  StoreText(out0.subspan(net::Password, net::kPasswordSize), password);
  StoreBE32(out0, kChangeMask, mask_);

  // Authenticated with the password in use, before it changes.
  const LinkResult written = WriteStagedPassword();
  if (LinkNotOpened(written)) {
    Ui().Message(text::kCommunicationError);
    StateRefresh();
    NotifyChanged();
    return true;
  }
  Nodes().SetLoginPassword(password);
  Ui().Message(written.Ok() ? text::kConfigurationSuccessful : text::kModifyFailed);
  c_.modify.checked = false;
  CloseSheet();
  NotifyChanged();
  return true;
}

void CSecurityDlg::OnFactorySettingClicked(bool checked) {
  if (CurrentRecord() == nullptr || !c_.factorySetting.enabled) return;
  c_.factorySetting.checked = checked;
  if (checked) {
    if (Ui().Message(text::kReturnToFactory, Buttons::YesNo, Icon::Question, Answer::No) ==
        Answer::Yes) {
      ResetToFactory();
    } else {
      c_.factorySetting.checked = false;
    }
  }
  StateRefresh();
  NotifyChanged();
}

void CSecurityDlg::ResetToFactory() {
  // A link that did not open shows up as a failed reset.
  if (ResetToFactorySetting().Ok()) {
    Ui().Message(text::kConfigurationSuccessful);
    StateRefresh();
    c_.factorySetting.checked = false;
  } else {
    Ui().Message(text::kConfigurationFailed);
  }
  CloseSheet();
}

void CSecurityDlg::OnImportClicked() {
  if (CurrentRecord() == nullptr || !c_.importButton.enabled) return;
  ImportParameters(Nodes(), Ui());
  // Whether or not a file was taken, every page reloads from the record and
  // marks its fields changed, so Apply writes what the record now holds.
  QuerySiblings();
}

void CSecurityDlg::OnExportClicked() {
  if (CurrentRecord() == nullptr || !c_.exportButton.enabled) return;
  ExportParameters(Nodes(), Ui());
}

}  // namespace gw::pages
