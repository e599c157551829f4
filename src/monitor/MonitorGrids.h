#pragma once
// The two grids of a monitor pane: the address table the user edits (station,
// the Modbus address in hexadecimal and as a six-digit number, the amount of
// points) and the status table that shows one row per point while the pane
// monitors.

#include <cstdint>
#include <string>
#include <vector>

#include "monitor/MonitorTable.h"
#include "pages/GridModel.h"

namespace gw::monitor {

class CDeviceMonitorPane;

// The clipboard entry of rows: a 32-bit little-endian count, then a 6-byte
// record per row: amount, station, zero-based address (little endian), type
// digit, a zero byte. Station 0 stands for an empty row.
std::string EncodeClipboardRows(const std::vector<MonitorEntry>& rows);
// The records of a clipboard entry, as many as it holds whole (a count
// larger than the data is cut to it).
std::vector<MonitorEntry> DecodeClipboardRows(const std::string& data);

class MonitorAddressGrid : public pages::GridModel {
 public:
  static constexpr int kStation = 0;
  static constexpr int kHex = 1;
  static constexpr int kDecimal = 2;
  static constexpr int kAmount = 3;

  MonitorAddressGrid(CDeviceMonitorPane& pane, const TableTraits& traits);

  // Shows the table's entries, one per row (an empty entry an empty row).
  void Load(ConstBytes block);
  // Packs the rows with a station, an address and an amount into the
  // table's entries from the first on.
  void Store(Bytes block) const;
  // The amounts of rows 0 to row - 1.
  unsigned AmountsAbove(int row) const;
  bool FirstRowHasStation() const { return !Text(kStation, 0).empty(); }

  std::vector<pages::GridCommand> ContextMenu() const override;
  // Copies, then clears the rows whose first cell is selected.
  void Cut() override;

 protected:
  bool EditsOnDoubleClick(pages::CellRef) const override { return Editable(); }
  bool EditsOnTyping(pages::CellRef) const override { return Editable(); }
  bool ValidateEdit(pages::CellRef cell, const std::string& text) override;
  void EditAccepted(pages::CellRef cell, const std::string& text) override;
  void EditKeystroke(pages::CellRef cell) override;
  void DoubleClicked(pages::CellRef cell) override;
  void DeletePressed() override;
  bool TakesClipboardKeys() const override { return true; }
  std::string ClipboardFormat() const override { return traits_.clipboardFormat; }
  std::string CopyData() const override;
  void PasteData(const std::string& data) override;

 private:
  // The rows whose first cell is selected.
  std::vector<int> RowsSelectedFromStart() const;
  void ClearRow(int row);
  void ShowRow(int row, const MonitorEntry& entry);

  CDeviceMonitorPane& pane_;
  const TableTraits& traits_;
};

class MonitorStatusGrid : public pages::GridModel {
 public:
  static constexpr int kStation = 0;
  static constexpr int kHex = 1;
  static constexpr int kDecimal = 2;
  static constexpr int kValue = 3;
  static constexpr int kFormat = 4;  // the word grid's drop list

  explicit MonitorStatusGrid(const TableTraits& traits);

  // Grey text while not active.
  bool Active() const { return active_; }
  void SetActive(bool active) { active_ = active; }
  // The entry whose rows are drawn highlighted, if any.
  void SetHighlightedEntry(int entry) { highlighted_ = entry; }
  // The row's value format ("Hex" for the bit grid).
  ValueFormat FormatOf(int row) const;
  // Shows the rows; the rows after them are emptied.
  void Show(const StatusRows& rows);
  // Every row empty on white; the formats stay.
  void Clear();

 protected:
  bool EditsOnClick(pages::CellRef cell) const override;

 private:
  void ClearRow(int row, pages::Rgb text);

  const TableTraits& traits_;
  bool active_ = true;
  int highlighted_ = -1;
};

}  // namespace gw::monitor
