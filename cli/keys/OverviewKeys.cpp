// The Overview page's keys: shown only.
#include "keys/KeyTable.h"
#include "pages/OverViewDlg.h"

namespace gw::cli::keys {

std::vector<Field> OverviewFields() {
  using pages::COverViewDlg;
  constexpr auto kPage = pages::PageId::Overview;
  return {
      ShownField<COverViewDlg>("overview.module", kPage, "Module",
                               [](const COverViewDlg& p) { return p.Texts().module; }),
      ShownField<COverViewDlg>("overview.ip-address", kPage, "IP Address",
                               [](const COverViewDlg& p) { return p.Texts().ipAddress; }),
      ShownField<COverViewDlg>("overview.mac-address", kPage, "MAC Address",
                               [](const COverViewDlg& p) { return p.Texts().macAddress; }),
      ShownField<COverViewDlg>("overview.firmware-version", kPage, "Firmware Version",
                               [](const COverViewDlg& p) { return p.Texts().firmwareVersion; }),
      ShownField<COverViewDlg>("overview.di-do-points", kPage, "DI / DO Point",
                               [](const COverViewDlg& p) { return p.Texts().diDoPoints; }),
  };
}

}  // namespace gw::cli::keys
