#pragma once
// The trend: a window that plots the values of chosen points of a monitor
// table over the last minutes, one line per point named as the CSV log names
// its column, bits as steps. The time axis follows the newest poll; "Pause"
// holds the plot still while the polls go on being recorded, "Resume" shows
// them. The data is the toolkit-free TrendModel; the plot never holds more
// than the model keeps.
//
// The window is top-level and does not delete itself when closed: its owner
// (the Monitor page) opens it with the points, feeds it every poll through
// AddTick and decides when it goes.

#include <QWidget>
#include <chrono>
#include <vector>

#include "monitor/MonitorTick.h"
#include "monitor/TrendModel.h"

class QChart;
class QChartView;
class QDateTimeAxis;
class QLineSeries;
class QPushButton;
class QValueAxis;

namespace gw::monitor {

class CTrendWindow : public QWidget {
  Q_OBJECT

 public:
  explicit CTrendWindow(std::vector<PointId> points,
                        std::chrono::milliseconds span = TrendModel::kDefaultSpan,
                        QWidget* parent = nullptr);
  ~CTrendWindow() override;

  // Takes one poll of the monitor.
  void AddTick(const MonitorTick& tick);

  void SetPaused(bool paused);
  bool Paused() const { return model_.Paused(); }

  const TrendModel& Model() const { return model_; }
  QChart* Chart() const { return chart_; }
  QDateTimeAxis* TimeAxis() const { return timeAxis_; }
  QValueAxis* ValueAxis() const { return valueAxis_; }
  QPushButton* PauseButton() const { return pauseButton_; }
  // The series that draw a point, one per stretch between gaps, oldest
  // first; never empty. The first one stands for the point in the legend.
  const std::vector<QLineSeries*>& SeriesOf(std::size_t point) const { return series_.at(point); }

 private:
  // Shows the model's lines and view, unless paused.
  void Redraw();
  QLineSeries* AddSeries(std::size_t point);

  TrendModel model_;
  QChart* chart_;
  QChartView* view_;
  QDateTimeAxis* timeAxis_;
  QValueAxis* valueAxis_;
  QPushButton* pauseButton_;
  std::vector<std::vector<QLineSeries*>> series_;
};

}  // namespace gw::monitor
