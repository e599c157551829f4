#include "DeviceMonitorPane.h"

#include <algorithm>

#include "model/BlockTable.h"
#include "model/ChangeMasks.h"
#include "model/RecordLayout.h"
#include "model/SerialConfig.h"
#include "model/Texts.h"

namespace gw::monitor {

namespace {

std::array<std::uint8_t, 4> RequestOf(RegisterRange range) {
  return {static_cast<std::uint8_t>(range.start >> 8), static_cast<std::uint8_t>(range.start),
          static_cast<std::uint8_t>(range.count >> 8), static_cast<std::uint8_t>(range.count)};
}

// A request that did not go out fails the tick; a reply that did not come
// leaves its buffer zero.
bool SentAndFetched(LinkStatus status) {
  return status != LinkStatus::SendFailed && status != LinkStatus::NotOpen;
}

}  // namespace

CDeviceMonitorPane::CDeviceMonitorPane(Table table)
    : PropertyPage(TraitsOf(table).caption),
      traits_(TraitsOf(table)),
      addressGrid_(*this, traits_),
      statusGrid_(traits_) {
  ctl_.startCaption = text::kStartMonitor;
  ctl_.startMonitor.enabled = false;
}

CDeviceMonitorPane::~CDeviceMonitorPane() = default;

bool CDeviceMonitorPane::StartEnabled() const {
  return addressGrid_.FirstRowHasStation() && CommTypeCopy() != kCommSerial;
}

void CDeviceMonitorPane::Reload() {
  const NodeRecord* node = CurrentRecord();
  if (node == nullptr) return;
  const std::uint16_t comConfig = LoadBE16(node->Block(kSerialBlock), serial::ComConfig);
  const bool slave = comConfig & comconfig::kSerialSlave;
  const bool deviceServer = comConfig & comconfig::kSerialDeviceServer;
  std::optional<bool> editable;
  bool statusActive = true;
  if (!HasIpv6AndDeviceServer(FirmwareNumber())) {
    editable = !slave;
    statusActive = !slave;
  } else if (!(slave && deviceServer)) {
    editable = !slave && !deviceServer;
  } else if (!loaded_) {
    // Both bits leave the pane as it was; a pane that was never loaded shows
    // the module's table read-only rather than an empty table an Apply would
    // write over it.
    editable = false;
  }
  if (editable) {
    addressGrid_.SetEditableShown(*editable);
    statusGrid_.SetActive(statusActive);
    addressGrid_.Load(node->Block(kDeviceMonitorBlock));
    ctl_.startMonitor.enabled = *editable && StartEnabled();
    addressGrid_.ChangedIfAltered();
    loaded_ = true;
  }
  SetModified(false);
  changeMask_ = 0;
  NotifyChanged();
}

bool CDeviceMonitorPane::OnApply() {
  if (CurrentRecord() == nullptr) return true;
  const Bytes out = Nodes().Outgoing().Block(kDeviceMonitorBlock);
  std::fill(out.begin(), out.end(), std::uint8_t{0});
  StoreBE16(out, devmon::BitCount, devmon::kTableHeader);
  StoreBE16(out, devmon::WordCount, devmon::kTableHeader);
  addressGrid_.Store(out);
  StoreBE32(out, kChangeMask, changeMask_);
  if (changeMask_ != 0 && WriteStagedBlock(kDeviceMonitorBlock)) {
    Reload();
    if (monitorsAfterApply_ && addressGrid_.FirstRowHasStation() && CommTypeCopy() != kCommSerial) {
      OnStartMonitor(true);
    }
  }
  Reload();
  return true;
}

void CDeviceMonitorPane::OnSiblingQuery() {
  Reload();
  changeMask_ = traits_.changeBit;
}

void CDeviceMonitorPane::OnStartMonitor(bool pressed) {
  if (pressed == Monitoring()) return;
  if (pressed) {
    StartMonitoring();
  } else {
    StopMonitoring();
  }
  NotifyChanged();
}

void CDeviceMonitorPane::StartMonitoring() {
  if (closePending_) {
    // The last exchange is still out on the link that was to close: keep it.
    closePending_ = false;
  } else if (!OpenModbusLink()) {
    return;
  }
  statusGrid_.ScrollTo(0);
  ctl_.startMonitor.checked = true;
  ctl_.startCaption = text::kStopMonitor;
}

void CDeviceMonitorPane::StopMonitoring() {
  if (!Monitoring()) return;
  ctl_.startMonitor.checked = false;
  ctl_.startCaption = text::kStartMonitor;
  ctl_.statusLine.text.clear();
  statusGrid_.Clear();
  if (pollOut_) {
    closePending_ = true;
  } else {
    CloseModbusLink();
  }
}

void CDeviceMonitorPane::Deactivate() {
  if (!Monitoring()) return;
  StopMonitoring();
  NotifyChanged();
}

void CDeviceMonitorPane::OnDestroy() { StopMonitoring(); }

std::optional<PollExchange> CDeviceMonitorPane::BeginPoll() {
  const NodeRecord* node = CurrentRecord();
  if (!Monitoring() || pollOut_ || node == nullptr) return std::nullopt;
  pollOut_ = true;
  const int station = LoadBE16(node->Block(kSerialBlock), serial::StationAddress);
  return PollExchange([this, station] {
    PollReplies replies;
    const auto validity = RequestOf(traits_.validity);
    const auto values = RequestOf(traits_.values);
    const std::size_t valueBytes = 2u * traits_.values.count;
    replies.failed =
        !SentAndFetched(
            ModbusRequest(station, kReadHoldingRegisters, validity, replies.validity).status) ||
        !SentAndFetched(ModbusRequest(station, kReadHoldingRegisters, values,
                                      Bytes(replies.values).first(valueBytes))
                            .status);
    return replies;
  });
}

void CDeviceMonitorPane::FinishPoll(const PollReplies& replies) {
  pollOut_ = false;
  if (!Monitoring()) {
    if (closePending_) CloseModbusLink();
    closePending_ = false;
    return;
  }
  if (replies.failed || CurrentRecord() == nullptr) {
    StopMonitoring();
    NotifyChanged();
    Ui().Message(text::kCommunicationError);
    return;
  }
  ShowStatus(replies);
  if (CommTypeCopy() == kCommEthernet && pages::LinkNotOpened(ReadBlock(kDeviceMonitorBlock))) {
    Ui().Message(text::kCommunicationError);
  }
  Reload();
}

void CDeviceMonitorPane::OnTimer() {
  if (auto exchange = BeginPoll()) FinishPoll((*exchange)());
}

void CDeviceMonitorPane::ShowStatus(const PollReplies& replies) {
  const StatusRows rows =
      ExpandStatus(CurrentRecord()->Block(kDeviceMonitorBlock), traits_, replies.validity,
                   replies.values, [this](int row) { return statusGrid_.FormatOf(row); });
  statusGrid_.Show(rows);
  ctl_.statusLine.text =
      rows.notShown > 0 ? text::Filled(text::kPointsNotShown, std::to_string(rows.notShown)) : "";
  lastTick_ = MonitorTick{Document()->TheClock().WallNow(), traits_.table, rows.points};
  if (log_ && !log_->Write(*lastTick_)) {
    Ui().Message(log_->Error());
    log_.reset();
    ctl_.logToCsv.checked = false;
  }
  if (tickListener_) tickListener_(*lastTick_);
}

void CDeviceMonitorPane::OnLogToCsv() {
  if (log_) {
    log_.reset();
  } else if (const auto path = Ui().ChooseFileToSave({"csv", text::kCsvFileFilter, true})) {
    auto file = std::make_unique<MonitorCsvFile>(*path);
    if (file->IsOpen()) {
      log_ = std::move(file);
    } else {
      Ui().Message(file->Error());
    }
  }
  ctl_.logToCsv.checked = log_ != nullptr;
  NotifyChanged();
}

std::vector<PointReading> CDeviceMonitorPane::TrendPoints() const {
  if (!lastTick_) return {};
  const std::vector<PointReading>& shown = lastTick_->points;
  std::vector<PointReading> chosen;
  for (int row : statusGrid_.SelectedRows()) {
    if (row >= 0 && static_cast<std::size_t>(row) < shown.size()) {
      chosen.push_back(shown[static_cast<std::size_t>(row)]);
    }
  }
  return chosen.empty() ? shown : chosen;
}

void CDeviceMonitorPane::OnTableEdited(int, int) {
  changeMask_ |= traits_.changeBit;
  SetModified();
  if (tableListener_) tableListener_();
  Deactivate();
  NotifyChanged();
}

void CDeviceMonitorPane::OnRowDoubleClicked(int row, unsigned amountsAbove) {
  if (!Monitoring()) return;
  statusGrid_.SetHighlightedEntry(row);
  statusGrid_.ScrollTo(static_cast<int>(amountsAbove));
  statusGrid_.Changed();
}

}  // namespace gw::monitor
