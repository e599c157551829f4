#pragma once
// The "Slave Mode" page: the relay table of a Modbus serial slave, which
// says for each station address on the serial line the Modbus TCP device
// that serves it. It writes the RelayBlock (block 9) as a whole.

#include <cstdint>
#include <optional>
#include <string>

#include "pages/GridModel.h"
#include "pages/PropertyPage.h"

namespace gw::pages {

class CRelayDlg;

// The relay IP rule: 7 to 15 characters, exactly three dots, taken by the
// dotted-address parser, and not its "no address" value (so 255.255.255.255
// is refused too). The address most significant octet first.
std::optional<std::uint32_t> ParseRelayIp(const std::string& text);

// Station address (column 0) and relay IP address (column 1), 100 rows.
class RelayGrid : public GridModel {
 public:
  static constexpr int kStationColumn = 0;
  static constexpr int kIpColumn = 1;
  explicit RelayGrid(CRelayDlg& page);

  std::vector<GridCommand> ContextMenu() const override;

 protected:
  bool EditsOnDoubleClick(CellRef) const override { return true; }
  bool EditsOnTyping(CellRef) const override { return true; }
  bool ValidateEdit(CellRef cell, const std::string& text) override;
  void EditAccepted(CellRef cell, const std::string& text) override;
  // Delete cuts the selection.
  void DeletePressed() override { Cut(); }
  bool TakesClipboardKeys() const override { return true; }
  void KeyHandled() override;

 private:
  CRelayDlg& page_;
};

class CRelayDlg : public PropertyPage {
 public:
  CRelayDlg();

  RelayGrid& Grid() { return grid_; }
  const RelayGrid& Grid() const { return grid_; }
  // The ChangeMask of block 9 the next Apply sends.
  std::uint32_t RelayMask() const { return relayMask_; }

  void OnInitDialog() override { Load(); }
  bool OnSetActive() override { return !DocumentLocked(); }
  // Stores the grid, writes block 9 when its mask is set, reloads.
  bool OnApply() override;
  void OnSiblingQuery() override;

  // The grid's table-changed notification (column, row).
  void OnTableChanged(int column, int row);

 private:
  friend class RelayGrid;

  void Load();
  // Editable by firmware and the serial configuration; nothing when the
  // rule leaves the state as it was.
  std::optional<bool> EditableRule() const;
  void Stage();

  RelayGrid grid_;
  std::uint32_t relayMask_ = 0;
};

}  // namespace gw::pages
