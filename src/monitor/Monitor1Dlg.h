#pragma once
// The "Monitor" page: the tab control with the "Bit Device" and "Word Device"
// panes. It is modified while either table is, and its Apply is the two
// panes' Apply in turn, each writing block 44 with its own table.

#include "monitor/DeviceMonitorPane.h"
#include "monitor/TabSheet.h"
#include "pages/PropertyPage.h"

namespace gw::monitor {

class CMonitor1Dlg : public pages::PropertyPage {
 public:
  CMonitor1Dlg();

  CBitDeviceDlg& BitPane() { return bits_; }
  CWordDeviceDlg& WordPane() { return words_; }
  CDeviceMonitorPane& Pane(Table table);
  const CDeviceMonitorPane& Pane(Table table) const {
    return table == Table::Bits ? static_cast<const CDeviceMonitorPane&>(bits_) : words_;
  }
  CTabSheet& Tabs() { return tabs_; }
  const CTabSheet& Tabs() const { return tabs_; }

  void OnInitDialog() override;
  bool OnSetActive() override { return !DocumentLocked(); }
  // Both panes stop monitoring.
  void OnKillActive() override;
  bool OnApply() override;
  void OnSiblingQuery() override;

 private:
  CBitDeviceDlg bits_;
  CWordDeviceDlg words_;
  CTabSheet tabs_;
};

}  // namespace gw::monitor
