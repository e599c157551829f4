#pragma once
// The window of one monitor pane: the address grid and the status grid side
// by side, and under them "Start Monitor", "Trend", "Log to CSV…" and the
// line that says how many points the status grid cannot show.
//
// While the pane monitors, a timer at the pane's interval starts each tick;
// the tick's Modbus exchange runs on a worker thread, so the window keeps
// repainting while a module is slow to answer, and its replies come back to
// the pane on this thread. A tick is not started while the last one is out.

#include <QFutureWatcher>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

#include "monitor/DeviceMonitorPane.h"

class QLabel;
class QPushButton;

namespace gw::widgets {
class CGridView;
}
namespace gw::pages {
class CGridAdapter;
}

namespace gw::monitor {

class CTrendWindow;

class CMonitorPaneWindow : public QWidget {
  Q_OBJECT

 public:
  explicit CMonitorPaneWindow(CDeviceMonitorPane& pane, QWidget* parent = nullptr);
  ~CMonitorPaneWindow() override;

  widgets::CGridView* AddressView() const { return addressView_; }
  widgets::CGridView* StatusView() const { return statusView_; }
  QPushButton* StartButton() const { return start_; }
  QPushButton* TrendButton() const { return trend_; }
  QPushButton* LogButton() const { return log_; }
  QLabel* StatusLine() const { return statusLine_; }
  const QTimer& Timer() const { return timer_; }
  // The trend windows opened from this pane and still open.
  std::vector<CTrendWindow*> Trends() const;

  // Shows the pane's state: the button, the timer, the status line.
  void Mirror();

 private:
  void Tick();
  void PollDone();
  void OpenTrend();
  void FeedTrends(const MonitorTick& tick);

  CDeviceMonitorPane& pane_;
  widgets::CGridView* addressView_;
  widgets::CGridView* statusView_;
  QPushButton* start_;
  QPushButton* trend_;
  QPushButton* log_;
  QLabel* statusLine_;
  std::unique_ptr<pages::CGridAdapter> addressAdapter_;
  std::unique_ptr<pages::CGridAdapter> statusAdapter_;
  QTimer timer_;
  QFutureWatcher<PollReplies> poll_;
  std::vector<std::unique_ptr<CTrendWindow>> trends_;
};

}  // namespace gw::monitor
