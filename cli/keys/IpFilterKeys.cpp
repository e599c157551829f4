// The IP Filter page's keys: the switch, then "ipfilter.N.address" and
// "ipfilter.N.netmask" for rows "1." to "8.".
#include "keys/KeyTable.h"
#include "pages/IPFilterDlg.h"

namespace gw::cli::keys {

std::vector<Field> IpFilterFields() {
  using pages::CIPFilterDlg;
  constexpr auto kPage = pages::PageId::IpFilter;
  std::vector<Field> rows{SwitchField(
      "ipfilter.enable", kPage, "Enable IP Filter",
      [](const CIPFilterDlg& p) -> auto& { return p.Controls().enable; },
      &CIPFilterDlg::OnEnableClicked)};
  for (int entry = 0; entry < static_cast<int>(pages::kFilterEntries); ++entry) {
    const auto k = static_cast<std::size_t>(entry);
    const std::string row = std::to_string(entry + 1);
    rows.push_back(AddressField<CIPFilterDlg>(
        "ipfilter." + row + ".address", kPage, row + ". IP Address",
        [k](const CIPFilterDlg& p) -> auto& { return p.Controls().address[k]; },
        [entry](CIPFilterDlg& p, int field, int value) {
          p.OnAddressFieldChanged(entry, field, value);
        }));
    rows.push_back(AddressField<CIPFilterDlg>(
        "ipfilter." + row + ".netmask", kPage,
        row + ". Netmask", [k](const CIPFilterDlg& p) -> auto& { return p.Controls().netmask[k]; },
        [entry](CIPFilterDlg& p, int field, int value) {
          p.OnNetmaskFieldChanged(entry, field, value);
        }));
  }
  return rows;
}

}  // namespace gw::cli::keys
