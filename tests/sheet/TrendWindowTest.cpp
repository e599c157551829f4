// The trend window offscreen: what the polls put into its series and axes,
// and the Pause button holding them still.
#include <QChart>
#include <QDateTimeAxis>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QTest>
#include <QValueAxis>

#include "frame/GuiTestSupport.h"
#include "monitor/qt/TrendWindow.h"

namespace gw::monitor {
namespace {

using namespace std::chrono_literals;

const PointId kWord{2, 4, 256};
const PointId kBit{1, 0, 7};
const qint64 kStart = 1'796'544'000'000;  // ms since the epoch of the first poll

// A poll at `ms` after the first: the word's value (nullopt: not valid) or
// the bit's, each in its own table.
MonitorTick Words(qint64 ms, std::optional<int> value) {
  return {TrendTime{} + std::chrono::milliseconds(kStart + ms),
          Table::Words,
          {{kWord.station, kWord.address, kWord.typeDigit, value.has_value(), value.value_or(0),
            value ? "K" + std::to_string(*value) : "X"}}};
}
MonitorTick Bits(qint64 ms, int value) {
  return {TrendTime{} + std::chrono::milliseconds(kStart + ms),
          Table::Bits,
          {{kBit.station, kBit.address, kBit.typeDigit, true, value, std::to_string(value)}}};
}

// Each series of a point as (ms after the first poll, value) pairs.
using Drawn = std::vector<std::vector<std::pair<qint64, double>>>;
Drawn DrawnOf(const CTrendWindow& window, std::size_t point) {
  Drawn drawn;
  for (const QLineSeries* series : window.SeriesOf(point)) {
    drawn.emplace_back();
    for (const QPointF& p : series->points()) {
      drawn.back().push_back({static_cast<qint64>(p.x()) - kStart, p.y()});
    }
  }
  return drawn;
}

qint64 AxisEnd(const CTrendWindow& window) {
  return window.TimeAxis()->max().toMSecsSinceEpoch() - kStart;
}

TEST(TrendWindow, SeriesFollowThePolls) {
  CTrendWindow window({kWord, kBit}, 1s);
  window.show();
  EXPECT_EQ(window.SeriesOf(0).front()->name(), "2:400257");
  EXPECT_EQ(window.SeriesOf(1).front()->name(), "1:000008");
  EXPECT_EQ(DrawnOf(window, 0), (Drawn{{}}));

  window.AddTick(Words(0, 5));
  window.AddTick(Bits(100, 0));
  window.AddTick(Words(300, -3));
  window.AddTick(Bits(400, 1));
  window.AddTick(Words(600, std::nullopt));
  window.AddTick(Words(900, 8));
  EXPECT_EQ(DrawnOf(window, 0), (Drawn{{{0, 5}, {300, -3}}, {{900, 8}}}));
  EXPECT_EQ(DrawnOf(window, 1), (Drawn{{{100, 0}, {400, 0}, {400, 1}}}));
  // One legend entry per point, and a point's stretches share its colour.
  QCoreApplication::processEvents();  // the legend lays its markers out
  int shown = 0;
  for (const QLegendMarker* marker : window.Chart()->legend()->markers())
    shown += marker->isVisible();
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(window.SeriesOf(0)[1]->color(), window.SeriesOf(0)[0]->color());
  EXPECT_EQ(AxisEnd(window), 900);
  EXPECT_EQ(window.TimeAxis()->min().toMSecsSinceEpoch() - kStart, -100);
  EXPECT_LE(window.ValueAxis()->min(), -3);
  EXPECT_GE(window.ValueAxis()->max(), 8);

  // A second on, the first stretch has gone with the model's samples.
  window.AddTick(Words(1500, 9));
  EXPECT_EQ(DrawnOf(window, 0), (Drawn{{{900, 8}, {1500, 9}}}));
  EXPECT_EQ(DrawnOf(window, 1), (Drawn{{}}));
  EXPECT_EQ(window.Chart()->series().size(), 2);
}

TEST(TrendWindow, PauseHoldsThePlotStill) {
  CTrendWindow window({kWord}, 1s);
  window.show();
  window.AddTick(Words(0, 1));
  window.AddTick(Words(300, 2));
  QTest::mouseClick(window.PauseButton(), Qt::LeftButton);
  EXPECT_TRUE(window.Paused());
  EXPECT_EQ(window.PauseButton()->text(), "Resume");
  for (qint64 ms = 600; ms <= 3000; ms += 300) {
    window.AddTick(Words(ms, static_cast<int>(ms / 300) + 1));
  }
  EXPECT_EQ(AxisEnd(window), 300);
  EXPECT_EQ(DrawnOf(window, 0), (Drawn{{{0, 1}, {300, 2}}}));

  QTest::mouseClick(window.PauseButton(), Qt::LeftButton);
  EXPECT_FALSE(window.Paused());
  EXPECT_EQ(window.PauseButton()->text(), "Pause");
  EXPECT_EQ(AxisEnd(window), 3000);
  EXPECT_EQ(DrawnOf(window, 0), (Drawn{{{2100, 8}, {2400, 9}, {2700, 10}, {3000, 11}}}));
}

}  // namespace
}  // namespace gw::monitor
