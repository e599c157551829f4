// The Security page's keys: the password change ("Modify", the new password
// and its confirmation typed the same). The value "-" keeps the new password
// off the command line: it is typed at a prompt or taken from
// NXGCFG_NEW_PASSWORD.
#include "CliUi.h"
#include "keys/KeyTable.h"
#include "pages/SecurityDlg.h"

namespace gw::cli::keys {

std::vector<Field> SecurityFields() {
  using pages::CSecurityDlg;
  Field password{"security.password",
                 pages::PageId::Security,
                 "Password Setup",
                 ValueType::Password,
                 {},
                 {},
                 {},
                 true};
  password.get = [](const pages::PropertyPage&) { return std::string(); };
  password.allowed = [](const pages::PropertyPage& p) {
    return "empty (no password) or " +
           std::to_string(As<CSecurityDlg>(p).Controls().newPassword.maxLength) +
           " characters; - to type it or take NXGCFG_NEW_PASSWORD";
  };
  password.set = [](pages::PropertyPage& p,
                    const std::string& value) -> std::optional<std::string> {
    auto& page = As<CSecurityDlg>(p);
    if (!page.Controls().modify.enabled) return NotSettableNow(page.Controls().modify);
    const auto password =
        value == "-" ? ReadPassword("New password: ", "NXGCFG_NEW_PASSWORD") : value;
    if (!password) return std::string("no new password: type it or set NXGCFG_NEW_PASSWORD");
    page.OnModifyClicked(true);
    if (auto refused = TypedText(page.Controls().newPassword, *password)) return refused;
    page.OnNewPasswordChanged(*password);
    page.OnConfirmPasswordChanged(*password);
    return std::nullopt;
  };
  return {password};
}

}  // namespace gw::cli::keys
