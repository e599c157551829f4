#pragma once
// What the host's tools (gwshot, gwmonbench) share: the session gwsuite runs
// (the plug-ins, the main frame, the stored node list and the first search),
// with messages printed instead of waiting for a person, and the first
// node's parameter sheet opened by a double click and caught inside its
// modal loop.

#include <QEvent>
#include <QPoint>
#include <functional>
#include <memory>

#include "MainFrame.h"
#include "PluginSet.h"

class QWidget;
namespace af {
class CPropertySheet;
}

namespace gw::host {

class HostTool {
 public:
  HostTool();
  ~HostTool();
  HostTool(const HostTool&) = delete;
  HostTool& operator=(const HostTool&) = delete;

  // Loads the plug-ins and starts the main frame; false (the reason on
  // standard error, after `name`) when it cannot.
  bool Start(const char* name);
  CMainFrame& Main() { return *main_; }

 private:
  PluginSet plugins_;
  std::unique_ptr<CMainFrame> main_;
};

// A mouse event at `at` of `target`.
void Click(QWidget* target, QPoint at, QEvent::Type type);
// Lets the program run for `ms`, its timers and threads included.
void Run(int ms);
// The first node's icon in the active view: a click selects it.
bool SelectFirstNode(CMainFrame& main);
// Double-clicks the first node and runs `onSheet` with its sheet, which is
// then closed; false when no sheet came or `onSheet` said so.
bool WithFirstSheet(CMainFrame& main, const std::function<bool(af::CPropertySheet&)>& onSheet);

}  // namespace gw::host
