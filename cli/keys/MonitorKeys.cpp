// The Monitor page's keys: the rows of its two address tables,
// "monitor.bits.N.station|address|number|amount" and the same under
// "monitor.words.N.", fed through the table's edit cycle. The address is the
// hexadecimal column, the number the six-digit Modbus number; either one
// sets the other, as the table does.
#include "keys/KeyTable.h"
#include "model/Texts.h"
#include "monitor/Monitor1Dlg.h"

namespace gw::cli::keys {

std::vector<Field> MonitorFields() {
  using monitor::CMonitor1Dlg;
  using monitor::MonitorAddressGrid;
  using monitor::Table;
  constexpr auto kPage = pages::PageId::Monitor;
  struct TableKeys {
    Table table;
    const char* name;
    const char* caption;
    const char* numbers;
  };
  const TableKeys tables[] = {
      {Table::Bits, "bits", text::kBitDevice, "000001-065536 or 100001-165536"},
      {Table::Words, "words", text::kWordDevice, "300001-365536 or 400001-465536"},
  };
  struct Column {
    const char* name;
    int column;
    const char* caption;
    ValueType type;
    const char* allowed;  // empty: the table's numbers
  };
  const Column columns[] = {
      {"station", MonitorAddressGrid::kStation, text::kStationAddress, ValueType::Integer, "1-255"},
      {"address", MonitorAddressGrid::kHex, text::kModbusHex, ValueType::Text, "0000-FFFF (hex)"},
      {"number", MonitorAddressGrid::kDecimal, text::kModbusDec, ValueType::Text, ""},
      {"amount", MonitorAddressGrid::kAmount, text::kAmount, ValueType::Integer,
       "1-100 (all rows together at most 100)"},
  };
  std::vector<Field> rows;
  for (const TableKeys& t : tables) {
    const auto grid = [table = t.table](auto& page) -> auto& {
      return page.Pane(table).AddressGrid();
    };
    for (int row = 0; row < monitor::kTableRows; ++row) {
      const std::string n = std::to_string(row + 1);
      for (const Column& c : columns) {
        rows.push_back(GridTextField<CMonitor1Dlg>(
            "monitor." + std::string(t.name) + "." + n + "." + c.name, kPage,
            std::string(t.caption) + " " + n + ". " + c.caption, c.type, grid, {c.column, row},
            std::string(*c.allowed ? c.allowed : t.numbers) + " or empty"));
      }
    }
  }
  return rows;
}

}  // namespace gw::cli::keys
