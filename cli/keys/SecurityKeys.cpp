// The Security page's keys: the password change ("Modify", the new password
// and its confirmation typed the same).
#include "keys/KeyTable.h"
#include "pages/SecurityDlg.h"

namespace gw::cli::keys {

std::vector<Field> SecurityFields() {
  using pages::CSecurityDlg;
  Field password{"security.password", pages::PageId::Security, "Password Setup",
                 ValueType::Password, {}, {}, {}, true};
  password.get = [](const pages::PropertyPage&) { return std::string(); };
  password.allowed = [](const pages::PropertyPage& p) {
    return "empty (no password) or " +
           std::to_string(As<CSecurityDlg>(p).Controls().newPassword.maxLength) + " characters";
  };
  password.set = [](pages::PropertyPage& p, const std::string& value)
      -> std::optional<std::string> {
    auto& page = As<CSecurityDlg>(p);
    if (!page.Controls().modify.enabled) return NotSettableNow(page.Controls().modify);
    page.OnModifyClicked(true);
    if (auto refused = TypedText(page.Controls().newPassword, value)) return refused;
    page.OnNewPasswordChanged(value);
    page.OnConfirmPasswordChanged(value);
    return std::nullopt;
  };
  return {password};
}

}  // namespace gw::cli::keys
