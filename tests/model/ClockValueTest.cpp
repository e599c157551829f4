// The module's clock value and the time zone list, by known answers.
#include <gtest/gtest.h>

#include "model/ClockValue.h"
#include "model/TimeZones.h"

namespace gw {
namespace {

TEST(ClockValue, KnownDatesBothWays) {
  const struct {
    DateTime at;
    std::uint32_t value;
    int weekDay;
  } cases[] = {
      {{1970, 1, 1, 0, 0, 0}, 0, 4},
      {{2015, 6, 15, 12, 30, 45}, 1434371445, 1},
      {{2024, 2, 29, 23, 59, 59}, 1709251199, 4},
      {{2000, 3, 1, 0, 0, 0}, 951868800, 3},      // 2000 is a leap year
      {{2100, 3, 1, 0, 0, 0}, 4107542400u, 1},    // 2100 is not
      {{2106, 2, 7, 6, 28, 15}, 0xFFFFFFFFu, 0},  // the last second the value holds
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(ClockValueOf(c.at), c.value);
    EXPECT_EQ(BreakDown(c.value), c.at);
    EXPECT_EQ(WeekDayOf(c.at.year, c.at.month, c.at.day), c.weekDay);
  }
  // Later that day the value wraps round.
  EXPECT_EQ(ClockValueOf({2106, 2, 7, 6, 28, 16}), 0u);
}

TEST(TimeZones, OffsetsAsTheListWritesThemButCasablanca) {
  ASSERT_EQ(kTimeZones.size(), 74u);
  const struct {
    int index;
    std::optional<std::int32_t> offset;
  } cases[] = {{0, -43200}, {17, -12600},       {23, -3600},       {24, -3600},
               {25, 0},     {26, 3600},         {48, 20700},       {52, 23400},
               {73, 46800}, {-1, std::nullopt}, {74, std::nullopt}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(TimeZoneOffset(c.index), c.offset);
  }
  EXPECT_EQ(kTimeZones[48], "(GMT+05:45) Kathmandu");
  EXPECT_EQ(kTimeZones[24], "(GMT) Casablanca, Monrovia");
}

}  // namespace
}  // namespace gw
