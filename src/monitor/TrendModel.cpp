#include "TrendModel.h"

#include <algorithm>

#include "monitor/MonitorCsvLog.h"

namespace gw::monitor {

namespace {

bool IsBitType(int typeDigit) { return typeDigit == 0 || typeDigit == 1; }

Table TableOf(const PointId& point) {
  return IsBitType(point.typeDigit) ? Table::Bits : Table::Words;
}

const PointReading* Find(const MonitorTick& tick, const PointId& point) {
  const auto it = std::find_if(tick.points.begin(), tick.points.end(),
                               [&](const PointReading& p) { return PointId::Of(p) == point; });
  return it == tick.points.end() ? nullptr : &*it;
}

}  // namespace

TrendModel::TrendModel(std::vector<PointId> points, std::chrono::milliseconds span)
    : points_(std::move(points)),
      span_(span),
      samples_(points_.size()),
      gap_(points_.size(), false) {}

std::string TrendModel::Name(std::size_t point) const { return PointColumn(points_.at(point)); }

bool TrendModel::IsBit(std::size_t point) const { return IsBitType(points_.at(point).typeDigit); }

void TrendModel::Clear() {
  for (auto& samples : samples_) samples.clear();
  gap_.assign(points_.size(), false);
}

void TrendModel::Add(const MonitorTick& tick) {
  if (!newest_ || tick.time < *newest_) {
    Clear();
    first_ = tick.time;
  }
  newest_ = tick.time;
  const TrendTime oldest = tick.time - span_;
  for (std::size_t i = 0; i < points_.size(); ++i) {
    std::deque<TrendSample>& samples = samples_[i];
    if (TableOf(points_[i]) == tick.table) {
      const PointReading* reading = Find(tick, points_[i]);
      if (reading && reading->valid) {
        samples.push_back({tick.time, static_cast<double>(reading->value), gap_[i]});
        gap_[i] = false;
      } else {
        gap_[i] = true;
      }
    }
    while (!samples.empty() && samples.front().time < oldest) samples.pop_front();
  }
}

std::vector<TrendLine> TrendModel::Lines(std::size_t point) const {
  const bool steps = IsBit(point);
  std::vector<TrendLine> lines;
  const std::deque<TrendSample>& samples = samples_.at(point);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const TrendSample& sample = samples[i];
    if (i == 0 || sample.afterGap) {
      lines.emplace_back();
    } else if (steps && sample.value != lines.back().back().value) {
      lines.back().push_back({sample.time, lines.back().back().value});
    }
    lines.back().push_back({sample.time, sample.value});
  }
  return lines;
}

std::optional<ValueRange> TrendModel::Values() const {
  std::optional<ValueRange> range;
  for (const auto& samples : samples_) {
    for (const TrendSample& sample : samples) {
      if (!range) range = ValueRange{sample.value, sample.value};
      range->low = std::min(range->low, sample.value);
      range->high = std::max(range->high, sample.value);
    }
  }
  return range;
}

std::optional<TrendRange> TrendModel::View() const {
  const std::optional<TrendTime>& end = paused_ ? pausedAt_ : newest_;
  if (!end) return std::nullopt;
  // A young trend fills the plot: it shows from its first poll on, at least
  // the last ten seconds, at most the span.
  const auto shortest = std::min<std::chrono::milliseconds>(span_, std::chrono::seconds(10));
  return TrendRange{std::max(*end - span_, std::min(first_, *end - shortest)), *end};
}

void TrendModel::Pause() {
  if (paused_) return;
  paused_ = true;
  pausedAt_ = newest_;
}

void TrendModel::Resume() {
  paused_ = false;
  pausedAt_.reset();
}

}  // namespace gw::monitor
