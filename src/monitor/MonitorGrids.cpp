#include "MonitorGrids.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "model/RecordLayout.h"
#include "model/Texts.h"
#include "monitor/DeviceMonitorPane.h"
#include "pages/PageInput.h"

namespace gw::monitor {

using pages::CellKind;
using pages::CellRef;
using pages::FromColorRef;
using pages::GridCommand;
using pages::ParseDecimal;

namespace {

constexpr std::size_t kCountBytes = 4;
constexpr std::size_t kRecordBytes = 6;
constexpr unsigned kStationHigh = 255;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kValueBack = 0x00FFFF;  // yellow
constexpr std::uint32_t kValueText = 0x0000FF;  // red
constexpr std::uint32_t kHighlightBack = 0x4080FF;

std::optional<std::uint16_t> ParseHexAddress(std::string_view text) {
  std::uint16_t value = 0;
  const char* end = text.data() + text.size();
  if (text.empty() || text.size() > 4 || std::from_chars(text.data(), end, value, 16).ptr != end) {
    return std::nullopt;
  }
  return value;
}

std::string Number(int value) { return std::to_string(value); }

}  // namespace

// --- clipboard records -------------------------------------------------------

std::string EncodeClipboardRows(const std::vector<MonitorEntry>& rows) {
  std::string data;
  const auto count = static_cast<std::uint32_t>(rows.size());
  for (std::size_t i = 0; i < kCountBytes; ++i) data += static_cast<char>(count >> (8 * i));
  for (const MonitorEntry& row : rows) {
    data += static_cast<char>(row.amount);
    data += static_cast<char>(row.station);
    data += static_cast<char>(row.address & 0xFF);
    data += static_cast<char>(row.address >> 8);
    data += static_cast<char>(row.typeDigit);
    data += '\0';
  }
  return data;
}

std::vector<MonitorEntry> DecodeClipboardRows(const std::string& data) {
  std::vector<MonitorEntry> rows;
  if (data.size() < kCountBytes) return rows;
  const auto byte = [&data](std::size_t at) { return static_cast<unsigned char>(data[at]); };
  std::uint32_t count = 0;
  for (std::size_t i = 0; i < kCountBytes; ++i) count |= std::uint32_t{byte(i)} << (8 * i);
  const std::size_t whole = (data.size() - kCountBytes) / kRecordBytes;
  count = static_cast<std::uint32_t>(std::min<std::size_t>(count, whole));
  for (std::size_t r = 0; r < count; ++r) {
    const std::size_t at = kCountBytes + kRecordBytes * r;
    // Amount first, then the station.
    rows.push_back({byte(at + 1), byte(at),
                    static_cast<std::uint16_t>(byte(at + 2) | (byte(at + 3) << 8)), byte(at + 4)});
  }
  return rows;
}

// --- address grid ------------------------------------------------------------

MonitorAddressGrid::MonitorAddressGrid(CDeviceMonitorPane& pane, const TableTraits& traits)
    : GridModel({{text::kStationAddress, CellKind::Text, "999", 70, {}},
                 {text::kModbusHex, CellKind::Text, "aaaa", 70, {}},
                 {text::kModbusDec, CellKind::Text, "999999", 70, {}},
                 {text::kAmount, CellKind::Text, "999", 65, {}}},
                kTableRows),
      pane_(pane),
      traits_(traits) {
  currentRowHeading = pages::kCurrentRowHeading;
}

void MonitorAddressGrid::Load(ConstBytes block) {
  for (int row = 0; row < Rows(); ++row) {
    const MonitorEntry entry = ReadEntry(block, traits_, static_cast<std::size_t>(row));
    if (entry.station == 0) {
      ClearRow(row);
    } else {
      ShowRow(row, entry);
    }
  }
}

void MonitorAddressGrid::Store(Bytes block) const {
  WriteEntry(block, traits_, 0, {});
  std::size_t next = 0;
  for (int row = 0; row < Rows() && next < devmon::kEntries; ++row) {
    const std::string& hex = Text(kHex, row);
    const std::string& decimal = Text(kDecimal, row);
    const auto station = ParseDecimal(Text(kStation, row));
    const auto amount = ParseDecimal(Text(kAmount, row));
    if (!station || !amount || (hex.empty() && decimal.empty())) continue;
    MonitorEntry entry;
    entry.station = *station & 0xFF;
    entry.amount = *amount & 0xFF;
    entry.typeDigit = TypeOfNumber(decimal);
    entry.address = hex.empty() ? AddressOfNumber(decimal) : ParseHexAddress(hex).value_or(0);
    WriteEntry(block, traits_, next++, entry);
  }
}

unsigned MonitorAddressGrid::AmountsAbove(int row) const {
  unsigned sum = 0;
  for (int r = 0; r < row && r < Rows(); ++r) sum += ParseDecimal(Text(kAmount, r)).value_or(0);
  return sum;
}

std::vector<GridCommand> MonitorAddressGrid::ContextMenu() const {
  if (!Editable()) return {};
  if (pages::SharedGridClipboard().Get(traits_.clipboardFormat)) {
    return {GridCommand::Cut, GridCommand::Copy, GridCommand::Paste};
  }
  return {GridCommand::Cut, GridCommand::Copy};
}

bool MonitorAddressGrid::ValidateEdit(CellRef cell, const std::string& text) {
  if (text.empty()) return true;
  const auto number = ParseDecimal(text);
  switch (cell.column) {
    case kStation:
      if (number && *number >= 1 && *number <= kStationHigh) return true;
      pane_.Ui().Message(text::kRelayStationRange);
      return false;
    case kHex:
      if (ParseHexAddress(text)) return true;
      pane_.Ui().Message(text::kMonitorAddressRange);
      return false;
    case kDecimal:
      if (number && NumberInRange(traits_, static_cast<long>(*number))) return true;
      pane_.Ui().Message(traits_.numberRange);
      return false;
    default: {
      unsigned others = 0;
      for (int r = 0; r < Rows(); ++r) {
        if (r != cell.row) others += ParseDecimal(Text(kAmount, r)).value_or(0);
      }
      if (number && *number >= 1 && *number <= kAmountLimit && others + *number <= kAmountLimit) {
        return true;
      }
      pane_.Ui().Message(text::kAmountRange);
      return false;
    }
  }
}

void MonitorAddressGrid::EditAccepted(CellRef cell, const std::string& text) {
  if (text.empty()) return;
  if (cell.column == kHex) {
    const std::uint16_t address = ParseHexAddress(text).value_or(0);
    SetText({kDecimal, cell.row}, PointNumber(traits_.hexType, address));
  } else if (cell.column == kDecimal) {
    SetText({kHex, cell.row}, HexAddress(AddressOfNumber(text)));
  }
}

void MonitorAddressGrid::EditKeystroke(CellRef cell) { pane_.OnTableEdited(cell.column, cell.row); }

void MonitorAddressGrid::DoubleClicked(CellRef cell) {
  if (Editable()) pane_.OnRowDoubleClicked(cell.row, AmountsAbove(cell.row));
}

void MonitorAddressGrid::DeletePressed() {
  for (int row : RowsSelectedFromStart()) ClearRow(row);
  Changed();
  pane_.OnTableEdited(Current().column, Current().row);
}

void MonitorAddressGrid::Cut() {
  Copy();
  for (int row : RowsSelectedFromStart()) ClearRow(row);
  Changed();
}

std::vector<int> MonitorAddressGrid::RowsSelectedFromStart() const {
  std::vector<int> rows;
  for (int row : SelectedRows()) {
    if (Selected({kStation, row})) rows.push_back(row);
  }
  return rows;
}

std::string MonitorAddressGrid::CopyData() const {
  std::vector<MonitorEntry> records;
  for (int row : RowsSelectedFromStart()) {
    const std::string& hex = Text(kHex, row);
    const std::string& decimal = Text(kDecimal, row);
    MonitorEntry record;
    record.station = ParseDecimal(Text(kStation, row)).value_or(0) & 0xFF;
    record.amount = ParseDecimal(Text(kAmount, row)).value_or(0) & 0xFF;
    record.typeDigit = TypeOfNumber(decimal);
    record.address = hex.empty() ? (decimal.empty() ? 0 : AddressOfNumber(decimal))
                                 : ParseHexAddress(hex).value_or(0);
    records.push_back(record);
  }
  return EncodeClipboardRows(records);
}

void MonitorAddressGrid::PasteData(const std::string& data) {
  const std::vector<int> selected = SelectedRows();
  if (selected.empty()) return;
  int row = selected.front();
  for (const MonitorEntry& record : DecodeClipboardRows(data)) {
    if (row >= Rows()) break;
    if (record.station == 0) {
      ClearRow(row++);
    } else {
      ShowRow(row++, record);
    }
  }
  Changed();
  pane_.OnTableEdited(0, 0);
}

void MonitorAddressGrid::ClearRow(int row) {
  for (int column = 0; column < Columns(); ++column) SetText({column, row}, "");
}

void MonitorAddressGrid::ShowRow(int row, const MonitorEntry& entry) {
  SetText({kStation, row}, Number(static_cast<int>(entry.station)));
  SetText({kHex, row}, HexAddress(entry.address));
  SetText({kDecimal, row}, PointNumber(entry.typeDigit, entry.address));
  SetText({kAmount, row}, Number(static_cast<int>(entry.amount)));
}

// --- status grid -------------------------------------------------------------

namespace {

std::vector<pages::GridColumn> StatusColumns(const TableTraits& traits) {
  std::vector<pages::GridColumn> columns = {
      {text::kStationAddress, CellKind::Text, "", 70, {}},
      {text::kModbusHex, CellKind::Text, "", 70, {}},
      {text::kModbusDec, CellKind::Text, "", 70, {}},
      {traits.valueHeading, CellKind::Text, "", traits.valueWidth, {}}};
  if (traits.table == Table::Words) {
    columns.push_back({text::kFormat, CellKind::DropList, "", 60,
                       std::vector<std::string>(kFormatNames.begin(), kFormatNames.end())});
  }
  return columns;
}

}  // namespace

MonitorStatusGrid::MonitorStatusGrid(const TableTraits& traits)
    : GridModel(StatusColumns(traits), kTableRows), traits_(traits) {
  if (traits.table == Table::Words) {
    for (int row = 0; row < Rows(); ++row) SetText({kFormat, row}, kFormatNames[0]);
  }
  Clear();
}

bool MonitorStatusGrid::EditsOnClick(CellRef cell) const {
  return traits_.table == Table::Words && cell.column == kFormat;
}

ValueFormat MonitorStatusGrid::FormatOf(int row) const {
  if (traits_.table == Table::Bits || row < 0 || row >= Rows()) return ValueFormat::Hex;
  return FormatNamed(Text(kFormat, row));
}

void MonitorStatusGrid::Show(const StatusRows& rows) {
  const auto text = active_ ? FromColorRef(kBlack) : pages::kGreyText;
  for (int row = 0; row < Rows(); ++row) {
    const auto r = static_cast<std::size_t>(row);
    if (r >= rows.points.size()) {
      ClearRow(row, text);
      continue;
    }
    const PointReading& point = rows.points[r];
    const bool highlighted = rows.entryOf[r] == highlighted_;
    const auto back = FromColorRef(highlighted ? kHighlightBack : kWhite);
    SetText({kStation, row}, Number(point.station));
    SetText({kHex, row}, HexAddress(point.address) + (point.valid ? "H" : ""));
    SetText({kDecimal, row}, PointNumber(point.typeDigit, point.address));
    SetText({kValue, row}, point.text);
    for (int column = kStation; column < kValue; ++column) {
      SetCellColours({column, row}, text, back);
    }
    SetCellColours({kValue, row}, active_ ? FromColorRef(kValueText) : text,
                   FromColorRef(kValueBack));
  }
  ChangedIfAltered();
}

void MonitorStatusGrid::Clear() {
  for (int row = 0; row < Rows(); ++row) ClearRow(row, FromColorRef(kBlack));
  Changed();
}

// Empty cells on white; the value column keeps its yellow.
void MonitorStatusGrid::ClearRow(int row, pages::Rgb text) {
  for (int column = kStation; column <= kValue; ++column) {
    SetText({column, row}, "");
    SetCellColours({column, row}, text, FromColorRef(column == kValue ? kValueBack : kWhite));
  }
}

}  // namespace gw::monitor
