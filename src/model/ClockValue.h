#pragma once
// The module's clock value: a local date and time counted in seconds since
// 1970-01-01 00:00:00 as if it were UTC (no zone shift), modulo 2^32, with
// Gregorian leap years. Computed here, never through the C library's zones.

#include <array>
#include <cstdint>
#include <string_view>

namespace gw {

struct DateTime {
  int year = 1970;
  int month = 1;  // 1 to 12
  int day = 1;    // 1 to 31
  int hour = 0;
  int minute = 0;
  int second = 0;

  friend bool operator==(const DateTime&, const DateTime&) = default;
};

inline constexpr bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

inline constexpr int DaysInMonth(int year, int month) {
  constexpr std::array<int, 12> kLength = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return kLength[static_cast<std::size_t>(month - 1)] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

// Days from 1970-01-01 to the date (negative before it).
constexpr long long DaysSince1970(int year, int month, int day) {
  long long days = 0;
  for (int y = 1970; y < year; ++y) days += IsLeapYear(y) ? 366 : 365;
  for (int y = year; y < 1970; ++y) days -= IsLeapYear(y) ? 366 : 365;
  for (int m = 1; m < month && m <= 12; ++m) days += DaysInMonth(year, m);
  return days + day - 1;
}

// The clock value of a local date and time.
constexpr std::uint32_t ClockValueOf(const DateTime& t) {
  const long long seconds = DaysSince1970(t.year, t.month, t.day) * 86400LL + t.hour * 3600LL +
                            t.minute * 60LL + t.second;
  return static_cast<std::uint32_t>(static_cast<unsigned long long>(seconds) & 0xFFFFFFFFull);
}

// The date and time of a clock value.
constexpr DateTime BreakDown(std::uint32_t value) {
  DateTime t;
  long long days = value / 86400u;
  const std::uint32_t rest = value % 86400u;
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>(rest / 60 % 60);
  t.second = static_cast<int>(rest % 60);
  while (days >= (IsLeapYear(t.year) ? 366 : 365)) days -= IsLeapYear(t.year++) ? 366 : 365;
  for (t.month = 1; days >= DaysInMonth(t.year, t.month); ++t.month) {
    days -= DaysInMonth(t.year, t.month);
  }
  t.day = static_cast<int>(days) + 1;
  return t;
}

// 0 Sunday ... 6 Saturday (1970-01-01 was a Thursday).
constexpr int WeekDayOf(int year, int month, int day) {
  const long long days = DaysSince1970(year, month, day);
  return static_cast<int>(((days + 4) % 7 + 7) % 7);
}

// The clock page's week day names, Sunday first, spelled as the page has
// always spelled them.
inline constexpr std::array<std::string_view, 7> kWeekDayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thrisday", "Friday", "Saturday"};

// The dates a clock value can hold, as the date picker offers them.
inline constexpr DateTime kFirstClockDate{1970, 1, 1, 0, 0, 0};
inline constexpr DateTime kLastClockDate{2106, 2, 7, 0, 0, 0};

}  // namespace gw
