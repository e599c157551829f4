// The trend's data: the span kept, gaps, steps for bits, pause and resume,
// on a made-up sequence of poll times.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "monitor/TrendModel.h"

namespace gw::monitor {
namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

TrendTime At(long long ms) { return TrendTime{} + hours(500'000) + milliseconds(ms); }

const PointId kWord{2, 4, 256};
const PointId kBit{1, 0, 7};

// One poll of `point`'s table at `ms`: "X" not valid, "-" the poll does not
// hold the point, "other" a poll of the other table, else the valid value.
MonitorTick Poll(const PointId& point, long long ms, const std::string& reading) {
  const bool bit = point.typeDigit < 3;
  MonitorTick tick{At(ms), bit ? Table::Bits : Table::Words, {}};
  if (reading == "other") {
    tick.table = bit ? Table::Words : Table::Bits;
    tick.points.push_back({point.station, point.address, bit ? 4 : 0, true, 1, "1"});
    return tick;
  }
  // A neighbour in the same poll, which the trend does not follow.
  tick.points.push_back({point.station, static_cast<std::uint16_t>(point.address + 1),
                         point.typeDigit, true, 99, "99"});
  if (reading == "-") return tick;
  const bool valid = reading != "X";
  tick.points.push_back({point.station, point.address, point.typeDigit, valid,
                         valid ? std::stoi(reading) : 0, reading});
  return tick;
}

using Lines = std::vector<std::vector<std::pair<long long, double>>>;

Lines LinesOf(const TrendModel& model, std::size_t point) {
  Lines lines;
  for (const TrendLine& line : model.Lines(point)) {
    lines.emplace_back();
    for (const TrendCorner& corner : line) {
      lines.back().push_back(
          {duration_cast<milliseconds>(corner.time - At(0)).count(), corner.value});
    }
  }
  return lines;
}

TEST(TrendModel, NamesPointsAsTheLogDoes) {
  const TrendModel model({kWord, kBit, {255, 3, 65535}});
  EXPECT_EQ(model.Name(0), "2:400257");
  EXPECT_EQ(model.Name(1), "1:000008");
  EXPECT_EQ(model.Name(2), "255:365536");
  EXPECT_FALSE(model.IsBit(0));
  EXPECT_TRUE(model.IsBit(1));
  EXPECT_EQ(model.Span(), minutes(10));
}

// Polls every 300 ms; each case's readings, then the lines that draw them.
TEST(TrendModel, LinesBreakAtGapsAndBitsStep) {
  struct Case {
    const char* what;
    PointId point;
    std::vector<std::string> readings;
    Lines lines;
  };
  const Case cases[] = {
      {"words join their samples", kWord, {"5", "6", "-7"}, {{{0, 5}, {300, 6}, {600, -7}}}},
      {"not valid and not polled are gaps",
       kWord,
       {"5", "6", "X", "-", "7", "8"},
       {{{0, 5}, {300, 6}}, {{1200, 7}, {1500, 8}}}},
      {"a poll of the other table is no gap", kWord, {"5", "other", "6"}, {{{0, 5}, {600, 6}}}},
      {"leading gaps", kWord, {"X", "-", "3"}, {{{600, 3}}}},
      {"no value at all", kWord, {"X", "-", "X"}, {}},
      {"bits step where they change",
       kBit,
       {"0", "0", "1", "1", "0"},
       {{{0, 0}, {300, 0}, {600, 0}, {600, 1}, {900, 1}, {1200, 1}, {1200, 0}}}},
      {"no step across a gap",
       kBit,
       {"1", "X", "0", "1"},
       {{{0, 1}}, {{600, 0}, {900, 0}, {900, 1}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TrendModel model({c.point});
    long long ms = 0;
    for (const std::string& reading : c.readings) {
      model.Add(Poll(c.point, ms, reading));
      ms += 300;
    }
    EXPECT_EQ(LinesOf(model, 0), c.lines);
  }
}

TEST(TrendModel, KeepsOnlyTheSpanBeforeTheNewestPoll) {
  struct Case {
    milliseconds span;
    int polls;         // every 300 ms from 0
    long long oldest;  // the oldest sample kept at the end
    std::size_t most;  // the most samples ever kept
  };
  const Case cases[] = {
      {1s, 11, 2100, 4},
      {1200ms, 11, 1800, 5},  // a sample exactly one span old stays
      {TrendModel::kDefaultSpan, 10'000, 2'999'700 - 600'000, 2001},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.span.count());
    TrendModel model({kWord, kBit}, c.span);
    std::size_t most = 0;
    for (int i = 0; i < c.polls; ++i) {
      model.Add(Poll(kWord, i * 300LL, std::to_string(i)));
      most = std::max(most, model.Samples(0).size());
    }
    EXPECT_EQ(most, c.most);
    ASSERT_FALSE(model.Samples(0).empty());
    EXPECT_EQ(model.Samples(0).front().time, At(c.oldest));
    EXPECT_EQ(model.Samples(0).back().time, At((c.polls - 1) * 300LL));
    EXPECT_TRUE(model.Samples(1).empty());  // the bit saw only word polls
  }
}

TEST(TrendModel, AClockSetBackStartsAfresh) {
  TrendModel model({kWord});
  for (long long ms : {0, 300, 600}) model.Add(Poll(kWord, ms, "1"));
  model.Add(Poll(kWord, 100, "2"));
  EXPECT_EQ(LinesOf(model, 0), (Lines{{{100, 2}}}));
  EXPECT_EQ(model.View(), (TrendRange{At(100) - 10s, At(100)}));  // a young trend's view
}

TEST(TrendModel, PauseHoldsTheViewWhileSamplesGoOn) {
  TrendModel model({kWord}, 1s);
  EXPECT_EQ(model.View(), std::nullopt);
  model.Pause();  // before any poll: nothing to show until resumed
  model.Add(Poll(kWord, 0, "1"));
  EXPECT_EQ(model.View(), std::nullopt);
  model.Resume();
  EXPECT_EQ(model.View(), (TrendRange{At(-1000), At(0)}));

  model.Add(Poll(kWord, 300, "2"));
  model.Pause();
  model.Add(Poll(kWord, 600, "3"));
  model.Pause();  // a second pause keeps the first one's view
  model.Add(Poll(kWord, 1500, "4"));
  EXPECT_TRUE(model.Paused());
  EXPECT_EQ(model.View(), (TrendRange{At(-700), At(300)}));
  EXPECT_EQ(LinesOf(model, 0), (Lines{{{600, 3}, {1500, 4}}}));

  model.Resume();
  EXPECT_FALSE(model.Paused());
  EXPECT_EQ(model.View(), (TrendRange{At(500), At(1500)}));
}

TEST(TrendModel, ValuesSpanEveryPointKept) {
  TrendModel model({kWord, kBit}, 1s);
  EXPECT_EQ(model.Values(), std::nullopt);
  model.Add(Poll(kBit, 0, "1"));
  EXPECT_EQ(model.Values(), (ValueRange{1, 1}));
  model.Add(Poll(kWord, 300, "-40"));
  model.Add(Poll(kWord, 600, "700"));
  EXPECT_EQ(model.Values(), (ValueRange{-40, 700}));
  model.Add(Poll(kWord, 1350, "X"));  // the bit and -40 are more than 1 s old
  EXPECT_EQ(model.Values(), (ValueRange{700, 700}));
}

}  // namespace
}  // namespace gw::monitor
