// The Slave Mode page's keys: "relay.N.station" and "relay.N.ip" for the
// relay table's rows, fed through the grid's edit cycle.
#include "keys/KeyTable.h"
#include "model/RecordLayout.h"
#include "pages/RelayDlg.h"

namespace gw::cli::keys {

std::vector<Field> SlaveModeFields() {
  using pages::CRelayDlg;
  using pages::RelayGrid;
  constexpr auto kPage = pages::PageId::SlaveMode;
  const auto grid = [](auto& page) -> auto& { return page.Grid(); };
  std::vector<Field> rows;
  for (int row = 0; row < static_cast<int>(relay::kEntries); ++row) {
    const std::string n = std::to_string(row + 1);
    rows.push_back(GridTextField<CRelayDlg>("relay." + n + ".station", kPage,
                                            n + ". Station Address", ValueType::Integer, grid,
                                            {RelayGrid::kStationColumn, row}, "1-255 or empty"));
    rows.push_back(GridTextField<CRelayDlg>("relay." + n + ".ip", kPage, n + ". Relay IP Address",
                                            ValueType::Ipv4, grid, {RelayGrid::kIpColumn, row},
                                            "a.b.c.d or empty"));
  }
  return rows;
}

}  // namespace gw::cli::keys
