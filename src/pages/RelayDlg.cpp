#include "RelayDlg.h"

#include <algorithm>

#include "link/CommSettings.h"
#include "model/ChangeMasks.h"
#include "model/SerialConfig.h"
#include "model/Texts.h"
#include "pages/PageInput.h"

namespace gw::pages {

namespace {

constexpr std::uint32_t kStationHigh = 255;
constexpr std::size_t kShortestIp = 7;  // "1.1.1.1"
constexpr std::size_t kLongestIp = 15;  // "255.255.255.255"
constexpr std::uint32_t kNoAddress = 0xFFFFFFFF;

}  // namespace

std::optional<std::uint32_t> ParseRelayIp(const std::string& text) {
  if (text.size() < kShortestIp || text.size() > kLongestIp) return std::nullopt;
  if (std::count(text.begin(), text.end(), '.') != 3) return std::nullopt;
  const std::uint32_t address = ParseDottedAddress(text);
  if (address == kNoAddress) return std::nullopt;
  return address;
}

// --- Relay grid --------------------------------------------------------------

RelayGrid::RelayGrid(CRelayDlg& page)
    : GridModel({{text::kStationAddress, CellKind::Text, "999", 115, {}},
                 {text::kRelayIpAddress, CellKind::Text, "", 115, {}}},
                static_cast<int>(relay::kEntries)),
      page_(page) {
  font = {"Times New Roman", 15, 400};
  currentRowHeading = kCurrentRowHeading;
}

std::vector<GridCommand> RelayGrid::ContextMenu() const {
  if (!Editable()) return {};
  return {GridCommand::Cut, GridCommand::Copy, GridCommand::Paste};
}

bool RelayGrid::ValidateEdit(CellRef cell, const std::string& text) {
  if (text.empty()) return true;
  if (cell.column == kStationColumn) {
    const auto station = ParseDecimal(text);
    if (station && *station >= 1 && *station <= kStationHigh) return true;
    page_.Ui().Message(text::kRelayStationRange);
    return false;
  }
  if (ParseRelayIp(text)) return true;
  page_.Ui().Message(text::kRelayIpFormat, Buttons::OkCancel);
  return false;
}

void RelayGrid::EditAccepted(CellRef cell, const std::string& text) {
  if (!text.empty()) page_.OnTableChanged(cell.column, cell.row);
}

void RelayGrid::KeyHandled() {
  if (Editable()) page_.OnTableChanged(Current().column, Current().row);
}

// --- The page ----------------------------------------------------------------

CRelayDlg::CRelayDlg() : PropertyPage("Slave Mode"), grid_(*this) {}

std::optional<bool> CRelayDlg::EditableRule() const {
  const std::uint16_t comConfig = LoadBE16(CurrentRecord()->Block(kSerialBlock), serial::ComConfig);
  const bool userDefine = comConfig & (comconfig::kUserDefineCom1 | comconfig::kUserDefineCom2);
  const bool slave = comConfig & comconfig::kSerialSlave;
  if (!HasIpv6AndDeviceServer(FirmwareNumber())) return !userDefine && slave;
  if (userDefine) return false;
  const bool deviceServer = comConfig & comconfig::kSerialDeviceServer;
  if (slave && deviceServer) return std::nullopt;
  return slave;
}

void CRelayDlg::Load() {
  const NodeRecord* node = CurrentRecord();
  if (node == nullptr) return;
  if (const auto editable = EditableRule()) grid_.SetEditable(*editable);
  const ConstBytes block = node->Block(kRelayBlock);
  for (int k = 0; k < grid_.Rows(); ++k) {
    const auto i = static_cast<std::size_t>(k);
    const unsigned station = block[relay::RelayStation + i];
    const ConstBytes ip = block.subspan(relay::RelayIp + relay::kIpSize * i, relay::kIpSize);
    // Octets reversed: the last byte is the first octet.
    const std::uint32_t address = (std::uint32_t{ip[3]} << 24) | (std::uint32_t{ip[2]} << 16) |
                                  (std::uint32_t{ip[1]} << 8) | std::uint32_t{ip[0]};
    grid_.SetText({RelayGrid::kStationColumn, k}, station == 0 ? "" : std::to_string(station));
    grid_.SetText({RelayGrid::kIpColumn, k}, station == 0 ? "" : Ipv4Text(address));
  }
  grid_.SetEditableShown(grid_.Editable());
  SetModified(false);
  relayMask_ = 0;
  grid_.Changed();
}

void CRelayDlg::Stage() {
  const Bytes out = Nodes().Outgoing().Block(kRelayBlock);
  std::fill(out.begin(), out.end(), std::uint8_t{0});
  std::size_t entry = 0;
  for (int k = 0; k < grid_.Rows() && entry < relay::kEntries; ++k) {
    // Station 0 marks an empty entry, so it counts as no station.
    const auto station = ParseDecimal(grid_.Text(RelayGrid::kStationColumn, k));
    if (!station || *station == 0) continue;
    out[relay::RelayStation + entry] = static_cast<std::uint8_t>(*station);
    const std::uint32_t address = ParseRelayIp(grid_.Text(RelayGrid::kIpColumn, k)).value_or(0);
    for (std::size_t b = 0; b < relay::kIpSize; ++b) {
      out[relay::RelayIp + relay::kIpSize * entry + b] =
          static_cast<std::uint8_t>(address >> (8 * b));
    }
    ++entry;
  }
  StoreBE32(out, kChangeMask, relayMask_);
}

bool CRelayDlg::OnApply() {
  if (CurrentRecord() == nullptr) return true;
  Stage();
  if (relayMask_ != 0) WriteStagedBlock(kRelayBlock);
  Load();
  NotifyChanged();
  return true;
}

void CRelayDlg::OnSiblingQuery() {
  Load();
  SetModified();
  relayMask_ = relaybits::Table;
  NotifyChanged();
}

void CRelayDlg::OnTableChanged(int, int) {
  relayMask_ |= relaybits::Table;
  SetModified();
  NotifyChanged();
}

}  // namespace gw::pages
