#pragma once
// The "Security" page: the login that unlocks a password-locked module for
// the rest of the sheet, the password change, the return to the factory
// setting, and the parameter file import and export.

#include <cstdint>
#include <string_view>

#include "pages/PropertyPage.h"

namespace gw::pages {

struct SecurityControls {
  // "Login"
  TextControl loginPassword;  // hidden characters, at most 4
  Control loginConfirm;       // the "Confirm" button
  // "Password Setup"
  CheckControl modify;
  TextControl newPassword;      // hidden characters, at most 4
  TextControl confirmPassword;  // hidden characters, at most 4
  // "Load Factory Default"
  CheckControl factorySetting;
  // "Parameters Import  / Export": created hidden, never shown.
  Control importExportGroup;
  Control importButton;
  Control exportButton;
};

class CSecurityDlg : public PropertyPage {
 public:
  CSecurityDlg();

  const SecurityControls& Controls() const { return c_; }
  // The ChangeMask of the password write.
  std::uint32_t ChangeMask() const { return mask_; }

  // The state refresh. Activation is the default: the page stays reachable
  // while the node is locked.
  void OnInitDialog() override;
  // Writes the new password when "Modify" is checked (false, nothing sent,
  // for a password of 1 to 3 characters or a confirmation that differs).
  bool OnApply() override;

  // --- Handlers, one per user event.
  void OnLoginPasswordChanged(std::string_view text);
  void OnLoginClicked();
  void OnModifyClicked(bool checked);
  void OnNewPasswordChanged(std::string_view text);
  void OnConfirmPasswordChanged(std::string_view text);
  void OnFactorySettingClicked(bool checked);
  void OnImportClicked();
  void OnExportClicked();

 private:
  // Enables the controls by the locked flag, marks the page unmodified and
  // clears the mask.
  void StateRefresh();
  void ApplyModifyRule();
  void ResetToFactory();

  SecurityControls c_;
  std::uint32_t mask_ = 0;
};

}  // namespace gw::pages
