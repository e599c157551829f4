#include "TrendWindow.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

#include "model/Texts.h"
#include "pages/qt/ControlMirror.h"

namespace gw::monitor {

namespace {

qreal Msecs(TrendTime time) {
  return static_cast<qreal>(
      std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch()).count());
}

QDateTime DateTimeOf(TrendTime time) {
  return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(Msecs(time)));
}

// The value axis around the values kept: a little more than their range
// (at least one unit, so that a bit's 0 and 1 stay clear of the frame), with
// limits and ticks on round numbers (1, 2 or 5 times a power of ten).
struct ValueScale {
  double low, high;
  int ticks;
};

ValueScale ScaleFor(std::optional<ValueRange> values) {
  ValueRange range = values.value_or(ValueRange{0, 1});
  if (range.high - range.low < 1) {
    const double middle = (range.low + range.high) / 2;
    range = {middle - 0.5, middle + 0.5};
  }
  const double margin = (range.high - range.low) * 0.05;
  range = {range.low - margin, range.high + margin};
  const double rough = (range.high - range.low) / 6;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  double step = 10 * power;
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= rough) {
      step = factor * power;
      break;
    }
  }
  const double low = std::floor(range.low / step) * step;
  const double high = std::ceil(range.high / step) * step;
  return {low, high, static_cast<int>(std::lround((high - low) / step)) + 1};
}

}  // namespace

CTrendWindow::CTrendWindow(std::vector<PointId> points, std::chrono::milliseconds span,
                           QWidget* parent)
    : QWidget(parent, Qt::Window),
      model_(std::move(points), span),
      chart_(new QChart),
      view_(new QChartView(chart_, this)),
      timeAxis_(new QDateTimeAxis),
      valueAxis_(new QValueAxis),
      pauseButton_(new QPushButton(pages::Translated(text::kPause), this)),
      series_(model_.Points().size()) {
  setWindowTitle(pages::Translated(text::kTrend));
  timeAxis_->setFormat(QStringLiteral("hh:mm:ss"));
  valueAxis_->setLabelFormat(QStringLiteral("%g"));
  chart_->addAxis(timeAxis_, Qt::AlignBottom);
  chart_->addAxis(valueAxis_, Qt::AlignLeft);
  chart_->legend()->setAlignment(Qt::AlignBottom);
  for (std::size_t i = 0; i < series_.size(); ++i) AddSeries(i);
  view_->setRenderHint(QPainter::Antialiasing);

  connect(pauseButton_, &QPushButton::clicked, this, [this] { SetPaused(!Paused()); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(pauseButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_);
  layout->addLayout(buttons);
  resize(720, 420);
  Redraw();
}

CTrendWindow::~CTrendWindow() = default;

QLineSeries* CTrendWindow::AddSeries(std::size_t point) {
  auto* series = new QLineSeries;
  series->setName(QString::fromStdString(model_.Name(point)));
  chart_->addSeries(series);
  series->attachAxis(timeAxis_);
  series->attachAxis(valueAxis_);
  std::vector<QLineSeries*>& all = series_[point];
  if (!all.empty()) {
    // A further stretch of the same point: its colour, no legend entry.
    series->setColor(all.front()->color());
    for (QLegendMarker* marker : chart_->legend()->markers(series)) marker->setVisible(false);
  }
  all.push_back(series);
  return series;
}

void CTrendWindow::AddTick(const MonitorTick& tick) {
  model_.Add(tick);
  Redraw();
}

void CTrendWindow::SetPaused(bool paused) {
  if (paused) {
    model_.Pause();
  } else {
    model_.Resume();
  }
  pauseButton_->setText(pages::Translated(paused ? text::kResume : text::kPause));
  Redraw();
}

void CTrendWindow::Redraw() {
  if (model_.Paused()) return;
  for (std::size_t i = 0; i < series_.size(); ++i) {
    const std::vector<TrendLine> lines = model_.Lines(i);
    std::vector<QLineSeries*>& all = series_[i];
    while (all.size() < lines.size()) AddSeries(i);
    while (all.size() > std::max<std::size_t>(1, lines.size())) {
      chart_->removeSeries(all.back());
      delete all.back();
      all.pop_back();
    }
    for (std::size_t k = 0; k < all.size(); ++k) {
      QList<QPointF> corners;
      if (k < lines.size()) {
        corners.reserve(static_cast<qsizetype>(lines[k].size()));
        for (const TrendCorner& corner : lines[k])
          corners.append({Msecs(corner.time), corner.value});
      }
      all[k]->replace(corners);
    }
  }
  if (const std::optional<TrendRange> shown = model_.View()) {
    timeAxis_->setRange(DateTimeOf(shown->from), DateTimeOf(shown->to));
  }
  const ValueScale scale = ScaleFor(model_.Values());
  valueAxis_->setRange(scale.low, scale.high);
  valueAxis_->setTickCount(scale.ticks);
}

}  // namespace gw::monitor
