#pragma once
// The data of the trend: the values of a chosen set of points over the last
// minutes, taken from the monitor's polls. Every point keeps the samples of
// its span and drops older ones as new polls come, so that a long run holds
// no more than one span. A poll in which a point is not valid, or which does
// not hold it, leaves a gap. While paused the view stays where it was; the
// samples are still taken, so that resuming shows what came meanwhile.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "monitor/MonitorTick.h"

namespace gw::monitor {

using TrendTime = std::chrono::system_clock::time_point;

struct TrendSample {
  TrendTime time;
  double value = 0;
  bool afterGap = false;  // polls without a value came between this and the one before
  bool operator==(const TrendSample&) const = default;
};

// A corner of a drawn line.
struct TrendCorner {
  TrendTime time;
  double value = 0;
  bool operator==(const TrendCorner&) const = default;
};
using TrendLine = std::vector<TrendCorner>;

struct TrendRange {
  TrendTime from, to;
  bool operator==(const TrendRange&) const = default;
};

struct ValueRange {
  double low = 0, high = 0;
  bool operator==(const ValueRange&) const = default;
};

class TrendModel {
 public:
  static constexpr std::chrono::milliseconds kDefaultSpan = std::chrono::minutes(10);

  explicit TrendModel(std::vector<PointId> points, std::chrono::milliseconds span = kDefaultSpan);

  const std::vector<PointId>& Points() const { return points_; }
  // The point's name, as the CSV log's column: "2:400257".
  std::string Name(std::size_t point) const;
  // Bits (type digits 0 and 1) are drawn as steps.
  bool IsBit(std::size_t point) const;
  std::chrono::milliseconds Span() const { return span_; }

  // Takes a poll: one sample for every followed point that the poll holds
  // as valid. A poll of the other table says nothing about a point. A poll
  // older than the newest one (the computer's clock was set back) starts the
  // trend afresh.
  void Add(const MonitorTick& tick);

  // The samples of a point, oldest first, none older than the span before
  // the newest poll.
  const std::deque<TrendSample>& Samples(std::size_t point) const { return samples_.at(point); }
  // The lines that draw a point: one per run of samples between gaps; a bit
  // holds its value up to the next sample (a corner where it changes).
  std::vector<TrendLine> Lines(std::size_t point) const;
  // The lowest and highest value of every sample kept; none without samples.
  std::optional<ValueRange> Values() const;

  // The times the plot shows: the span up to the newest poll, or, while
  // paused, up to the newest poll when the pause began. None before the
  // first poll.
  std::optional<TrendRange> View() const;
  void Pause();
  void Resume();
  bool Paused() const { return paused_; }

 private:
  void Clear();

  std::vector<PointId> points_;
  std::chrono::milliseconds span_;
  std::vector<std::deque<TrendSample>> samples_;
  std::vector<bool> gap_;  // the point had no value at the last poll of its table
  std::optional<TrendTime> newest_;
  TrendTime first_{};  // of the first poll since the trend (re)started
  std::optional<TrendTime> pausedAt_;
  bool paused_ = false;
};

}  // namespace gw::monitor
