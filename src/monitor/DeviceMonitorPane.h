#pragma once
// One pane of the "Monitor" page, "Bit Device" or "Word Device": the address
// table of one monitor table, its Apply, and monitoring: with "Start Monitor"
// pressed the pane reads the module's result registers for its table over
// the Modbus link at every tick and shows them in the status table.
//
// A tick runs in two halves so that a window toolkit can keep the Modbus
// exchange off its own thread: BeginPoll (on the page's thread) hands out
// the exchange, which may run anywhere while the Modbus link stays open, and
// FinishPoll (on the page's thread again) takes its replies. OnTimer runs
// both at once. Stopping while an exchange is out closes the Modbus link
// only when the exchange is back.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "monitor/MonitorCsvLog.h"
#include "monitor/MonitorGrids.h"
#include "monitor/MonitorTable.h"
#include "monitor/MonitorTick.h"
#include "pages/PropertyPage.h"

namespace gw::monitor {

// What the two requests of a tick brought; a reply that did not come leaves
// its buffer zero.
struct PollReplies {
  std::array<std::uint8_t, kValidityBytes> validity{};
  std::array<std::uint8_t, kValueBytes> values{};
  bool failed = false;  // a request could not be sent
};
using PollExchange = std::function<PollReplies()>;

class CDeviceMonitorPane : public pages::PropertyPage {
 public:
  struct Controls {
    pages::CheckControl startMonitor;  // a push button: checked while monitoring
    std::string startCaption;          // "Start Monitor" or "Stop Monitor"
    // Under the status grid: how many points it cannot show.
    pages::TextControl statusLine;
    pages::CheckControl logToCsv;  // "Log to CSV…": checked while a log is written
  };
  using TickListener = std::function<void(const MonitorTick&)>;

  explicit CDeviceMonitorPane(Table table);
  ~CDeviceMonitorPane() override;

  const TableTraits& Traits() const { return traits_; }
  MonitorAddressGrid& AddressGrid() { return addressGrid_; }
  const MonitorAddressGrid& AddressGrid() const { return addressGrid_; }
  MonitorStatusGrid& StatusGrid() { return statusGrid_; }
  const MonitorStatusGrid& StatusGrid() const { return statusGrid_; }
  const Controls& Ctl() const { return ctl_; }
  std::uint32_t ChangeMask() const { return changeMask_; }
  bool Monitoring() const { return ctl_.startMonitor.checked; }
  std::chrono::milliseconds Interval() const { return traits_.interval; }

  // Whether a successful Apply on Ethernet starts monitoring (not for a
  // sheet without a window, where nothing would poll).
  void SetMonitorsAfterApply(bool monitors) { monitorsAfterApply_ = monitors; }

  // The page's table-changed notification.
  void SetTableListener(std::function<void()> listener) { tableListener_ = std::move(listener); }
  // Every tick that updated the status grid.
  void SetTickListener(TickListener listener) { tickListener_ = std::move(listener); }

  void OnInitDialog() override { Reload(); }
  // Writes block 44 with this table when its change mask is set, and then
  // monitors on Ethernet.
  bool OnApply() override;
  // After a parameter import: reload, and the next Apply writes the table.
  void OnSiblingQuery() override;
  // Leaving the tab or the page: monitoring stops.
  void OnKillActive() override { Deactivate(); }

  // "Start Monitor" pressed (true) or released.
  void OnStartMonitor(bool pressed);
  // One whole tick.
  void OnTimer();
  // The first half of a tick: the exchange to run, or nothing when no tick
  // is due (not monitoring, or the last exchange is still out).
  std::optional<PollExchange> BeginPoll();
  void FinishPoll(const PollReplies& replies);
  bool PollOut() const { return pollOut_; }
  // Stops monitoring, if it runs.
  void Deactivate();
  // The pane's window goes: the timer stops and the Modbus link closes
  // (the window waits for an exchange that is out first).
  void OnDestroy();

  // The address grid's notifications: a change of a cell (any keystroke,
  // Delete, paste) and a double click on a row.
  void OnTableEdited(int column, int row);
  void OnRowDoubleClicked(int row, unsigned amountsAbove);

  // "Log to CSV…": asks for a file and writes every tick into it from now
  // on; pressed while a log is written, ends the log.
  void OnLogToCsv();
  // The points the trend follows: those of the selected status rows, or
  // every point shown when no selected row shows one.
  std::vector<PointReading> TrendPoints() const;

 private:
  friend class MonitorAddressGrid;  // its refusals go through the page's messages

  void Reload();
  void StartMonitoring();
  void StopMonitoring();
  void ShowStatus(const PollReplies& replies);
  bool StartEnabled() const;

  const TableTraits& traits_;
  MonitorAddressGrid addressGrid_;
  MonitorStatusGrid statusGrid_;
  Controls ctl_;
  std::uint32_t changeMask_ = 0;
  bool pollOut_ = false;
  bool closePending_ = false;
  bool monitorsAfterApply_ = true;
  bool loaded_ = false;  // the address grid shows the module's table
  std::optional<MonitorTick> lastTick_;
  std::unique_ptr<MonitorCsvFile> log_;
  std::function<void()> tableListener_;
  TickListener tickListener_;
};

class CBitDeviceDlg : public CDeviceMonitorPane {
 public:
  CBitDeviceDlg() : CDeviceMonitorPane(Table::Bits) {}
};

class CWordDeviceDlg : public CDeviceMonitorPane {
 public:
  CWordDeviceDlg() : CDeviceMonitorPane(Table::Words) {}
};

}  // namespace gw::monitor
