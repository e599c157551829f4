// The monitor's CSV log: known lines for a few ticks, the time stamps in
// local time, quoting, and files that cannot be written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <sstream>

#include "monitor/MonitorCsvLog.h"
#include "support/TestHome.h"

namespace gw::monitor {
namespace {

using namespace std::chrono;

// The process's local time zone set to `zone` (POSIX TZ) for one test.
class LocalZone {
 public:
  explicit LocalZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~LocalZone() {
    if (old_) {
      setenv("TZ", old_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  std::optional<std::string> old_;
};

// 2026-12-06 08:15:02 UTC plus `ms`.
system_clock::time_point At(long long ms) {
  return sys_days{2026y / December / 6} + 8h + 15min + 2s + milliseconds(ms);
}

PointReading Word(int station, std::uint16_t address, const char* text, int typeDigit = 4) {
  return {station, address, typeDigit, text != std::string("X"), 0, text};
}

TEST(MonitorCsvLog, TimeIsLocalWithOffsetAndMilliseconds) {
  struct Case {
    const char* zone;
    long long ms;
    const char* shown;
  };
  const Case cases[] = {
      {"<+01>-1", 300, "2026-12-06T09:15:02.300+01:00"},
      {"UTC0", 0, "2026-12-06T08:15:02.000+00:00"},
      {"<-0330>3:30", 999, "2026-12-06T04:45:02.999-03:30"},
      {"<+0545>-5:45", -2'000'001, "2026-12-06T13:26:41.999+05:45"},
  };
  for (const Case& c : cases) {
    const LocalZone zone(c.zone);
    EXPECT_EQ(IsoLocalTime(At(c.ms)), c.shown) << c.zone;
  }
}

TEST(MonitorCsvLog, FieldsAreQuotedOnlyWhereNeeded) {
  const std::pair<const char*, const char*> cases[] = {
      {"H04D2", "H04D2"},
      {"B0000 0000 0000 0101", "B0000 0000 0000 0101"},
      {"", ""},
      {"a,b", "\"a,b\""},
      {"say \"1\"", "\"say \"\"1\"\"\""},
      {"two\nlines", "\"two\nlines\""},
      {"cr\r", "\"cr\r\""},
  };
  for (const auto& [text, field] : cases) EXPECT_EQ(CsvField(text), field) << text;
}

// A word table in the three formats with an invalid point, a second tick of
// the same points, then the bit table: a new header before its first line.
TEST(MonitorCsvLog, WritesHeaderAndOneLinePerTick) {
  const LocalZone zone("<+01>-1");
  const MonitorTick ticks[] = {
      {At(300),
       Table::Words,
       {Word(2, 256, "H04D2"), Word(2, 257, "K-1"), Word(3, 0, "X", 3),
        Word(3, 9, "B0000 0000 0000 0101")}},
      {At(600),
       Table::Words,
       {Word(2, 256, "X"), Word(2, 257, "K12"), Word(3, 0, "H0001", 3),
        Word(3, 9, "B1111 1111 1111 1111")}},
      {At(1100), Table::Bits, {Word(1, 0, "1", 0), Word(1, 65535, "0", 1), Word(1, 1, "X", 0)}},
      {At(1600), Table::Bits, {Word(1, 0, "0", 0), Word(1, 65535, "X", 1), Word(1, 1, "1", 0)}},
      // The same stations and addresses, other type digits: other points.
      {At(2100), Table::Bits, {Word(1, 0, "1", 1), Word(1, 65535, "1", 1), Word(1, 1, "1", 0)}},
      {At(2600), Table::Bits, {}},
  };
  const char* expected =
      "time,2:400257,2:400258,3:300001,3:400010\n"
      "2026-12-06T09:15:02.300+01:00,H04D2,K-1,,B0000 0000 0000 0101\n"
      "2026-12-06T09:15:02.600+01:00,,K12,H0001,B1111 1111 1111 1111\n"
      "time,1:000001,1:165536,1:000002\n"
      "2026-12-06T09:15:03.100+01:00,1,0,\n"
      "2026-12-06T09:15:03.600+01:00,0,,1\n"
      "time,1:100001,1:165536,1:000002\n"
      "2026-12-06T09:15:04.100+01:00,1,1,1\n"
      "time\n"
      "2026-12-06T09:15:04.600+01:00\n";
  std::ostringstream out;
  MonitorCsvLog log(out, "standard output");
  for (const MonitorTick& tick : ticks) EXPECT_TRUE(log.Write(tick));
  EXPECT_EQ(out.str(), expected);
  EXPECT_FALSE(log.Failed());
}

TEST(MonitorCsvLog, FileHoldsEveryTickAsSoonAsItIsWritten) {
  const LocalZone zone("UTC0");
  const test::TempHome home;
  const std::filesystem::path path = home.Root() / "log.csv";
  std::filesystem::create_directories(home.Root());
  MonitorCsvFile log(path.string());
  ASSERT_TRUE(log.IsOpen()) << log.Error();
  ASSERT_TRUE(log.Write({At(0), Table::Words, {Word(7, 0, "H0001")}}));
  // Read while the log is still open: the line is on disk, not in a buffer.
  EXPECT_EQ(test::ReadFile(path), "time,7:400001\n2026-12-06T08:15:02.000+00:00,H0001\n");
}

TEST(MonitorCsvLog, FailuresAreReportedNotThrown) {
  const test::TempHome home;
  std::filesystem::create_directories(home.Root());
  struct Case {
    std::string path;
    bool opens;
    const char* error;  // the start of Error()
  };
  const Case cases[] = {
      {(home.Root() / "missing" / "log.csv").string(), false, "Cannot open the log file "},
      {home.Root().string(), false, "Cannot open the log file "},
      {"/dev/full", true, "Cannot write the log file /dev/full (No space left on device)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    MonitorCsvFile log(c.path);
    EXPECT_EQ(log.IsOpen(), c.opens);
    const MonitorTick tick{At(0), Table::Words, {Word(7, 0, "H0001")}};
    EXPECT_FALSE(log.Write(tick));
    EXPECT_FALSE(log.Write(tick));
    EXPECT_TRUE(log.Error().starts_with(c.error)) << log.Error();
    EXPECT_NE(log.Error().find(c.path), std::string::npos) << log.Error();
  }
}

}  // namespace
}  // namespace gw::monitor
