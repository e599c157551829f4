#pragma once
// The window of the "Monitor" page: a tab control with the windows of the
// "Bit Device" and "Word Device" panes. Moving to another tab is the page's
// business: the pane that is left stops monitoring.

#include <QTabWidget>

#include "monitor/Monitor1Dlg.h"
#include "pages/qt/PageWindow.h"

namespace gw::monitor {

class CMonitorPaneWindow;

class CMonitorPage : public pages::CPageWindow {
 public:
  CMonitorPage(pages::SheetRules& sheet, int index);
  ~CMonitorPage() override;

  QTabWidget* Tabs() const { return tabs_; }
  CMonitorPaneWindow* PaneWindow(Table table) const;

 protected:
  void Mirror() override;

 private:
  CMonitor1Dlg& Dialog() const { return static_cast<CMonitor1Dlg&>(Page()); }

  QTabWidget* tabs_;
  CMonitorPaneWindow* panes_[2];
};

}  // namespace gw::monitor
