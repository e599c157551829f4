// The NTP page: its clock texts, enable rules and change bits, the clock
// value it sends (this computer's or a picked one), the time zone offset, and
// the PC row's tick on the injected clock.
#include <gtest/gtest.h>

#include "link/RequestCodes.h"
#include "model/Texts.h"
#include "support/PageFixture.h"

namespace gw::pages::test {
namespace {

constexpr std::size_t kHeader = 36;
// The fake clock's local time when the test starts: 2015-06-15 12:30:45.
constexpr std::uint32_t kPcClock = 1434371445;

struct NtpPage : PageFixture {
  void SetUp() override {
    PageFixture::SetUp();
    const Bytes b = module.record.Block(kClockBlock);
    StoreBE16(b, clock::TimeZone, 25);
    StoreBE32(b, clock::TimeServerIp, 0x0A000001);
    StoreBE32(b, clock::ClockTime, 1709251199);  // 2024-02-29 23:59:59
  }
  void SetTimeServer(bool on) { module.record.Block(kClockBlock)[clock::TimeServerEnable] = on; }
  CRTCDlg& Page() { return Ntp(); }
  const NtpControls& C() { return Page().Controls(); }
  // The block 4 payload written.
  std::vector<std::uint8_t> Written() {
    const auto body = WriteBody(kClockBlock);
    return body.size() > kHeader ? std::vector<std::uint8_t>(body.begin() + kHeader, body.end())
                                 : std::vector<std::uint8_t>{};
  }
};

TEST(ClockTexts, DateTimeAndWeekDayAsThePageShowsThem) {
  const struct {
    DateTime at;
    const char *date, *time, *week;
  } cases[] = {
      {{2015, 6, 15, 12, 30, 45}, " 2015/ 6/15", "AM 12:30:45", "Monday"},
      {{2024, 2, 29, 13, 5, 9}, " 2024/ 2/29", "PM 01:05:09", "Thrisday"},
      {{1999, 12, 31, 0, 0, 0}, " 1999/12/31", "AM 00:00:00", "Friday"},
      {{2031, 1, 5, 23, 59, 59}, " 2031/ 1/ 5", "PM 11:59:59", "Sunday"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClockDateText(c.at), c.date);
    EXPECT_EQ(ClockTimeText(c.at), c.time);
    EXPECT_EQ(WeekDayText(c.at), c.week);
  }
}

TEST_F(NtpPage, LoadsTheBlockAndTicksOnTheInjectedClock) {
  Open();
  EXPECT_EQ(C().timeZone.items.size(), 74u);
  EXPECT_EQ(C().timeZone.selection, 25);
  EXPECT_EQ(C().serverAddress.Value(), 0x0A000001u);
  EXPECT_EQ(C().moduleDate.text, " 2024/ 2/29");
  EXPECT_EQ(C().moduleTime.text, "PM 11:59:59");
  EXPECT_EQ(C().moduleWeek.text, "Thrisday");
  EXPECT_TRUE(C().pc.checked);
  EXPECT_EQ(C().pcTime.text, "AM 12:30:45");
  clock.Sleep(std::chrono::milliseconds(1000));
  EXPECT_EQ(C().pcTime.text, "AM 12:30:45");  // until the tick
  Page().OnTimer();
  EXPECT_EQ(C().pcTime.text, "AM 12:30:46");
  EXPECT_EQ(C().customWeek.text, "Monday");  // the pickers start at now
  EXPECT_FALSE(Page().IsModified());
}

TEST_F(NtpPage, AZeroClockIsATimeErrorAndAZoneOutsideTheListNoSelection) {
  StoreBE32(module.record.Block(kClockBlock), clock::ClockTime, 0);
  StoreBE16(module.record.Block(kClockBlock), clock::TimeZone, 80);
  StoreBE32(module.record.Block(kClockBlock), clock::TimeZoneOffset, 0xFFFFFF88);
  Open();
  EXPECT_TRUE(ui.messages.empty());  // until the page shows
  ASSERT_TRUE(sheet->SetActivePage(PageIndex(PageId::Ntp)));
  EXPECT_EQ(ui.messages, Strings{text::kTimeError});
  for (const TextControl* t : {&C().moduleDate, &C().moduleTime, &C().moduleWeek}) {
    EXPECT_EQ(t->text, text::kTimeError);
  }
  EXPECT_EQ(C().timeZone.selection, -1);
  // Without a selection the module's own zone goes back as it is.
  Page().OnDaylightSavingClicked(true);
  ASSERT_TRUE(Page().OnApply());
  const auto out = Written();
  EXPECT_EQ(Word(out, clock::TimeZone), 80);
  EXPECT_EQ(Long(out, clock::TimeZoneOffset), 0xFFFFFF88u);
}

TEST_F(NtpPage, TheTimeServerSwitchDecidesWhichControlsWork) {
  SetTimeServer(true);
  Open();
  EXPECT_TRUE(C().serverAddress.enabled && C().daylightSaving.enabled && C().timeZone.enabled);
  EXPECT_FALSE(C().pc.enabled || C().custom.enabled || C().pcTime.enabled ||
               C().customDate.enabled);
  Page().OnTimeServerClicked(false);
  EXPECT_FALSE(C().serverAddress.enabled || C().daylightSaving.enabled || C().timeZone.enabled);
  EXPECT_TRUE(C().pc.enabled && C().custom.enabled && C().pcTime.enabled);
  EXPECT_FALSE(C().customDate.enabled || C().customTime.enabled || C().customWeek.enabled);
  Page().OnCustomClicked();
  EXPECT_FALSE(C().pcTime.enabled);
  EXPECT_TRUE(C().customDate.enabled && C().customTime.enabled && C().customWeek.enabled);
  EXPECT_EQ(Page().ChangeMask(), 0x80000000u);
}

TEST_F(NtpPage, EachControlSetsItsBitAndATimeServerKeepsTheClock) {
  SetTimeServer(true);
  Open();
  Page().OnDaylightSavingClicked(true);
  EXPECT_EQ(Page().ChangeMask(), 0x40000000u);
  Page().OnTimeZoneChanged(24);  // "(GMT) Casablanca, Monrovia"
  EXPECT_EQ(Page().ChangeMask(), 0x60000000u);
  Page().OnServerFieldChanged(3, 9);
  EXPECT_EQ(Page().ChangeMask(), 0x70000000u);
  ASSERT_TRUE(Page().OnApply());
  std::vector<std::uint8_t> expected(20, 0);
  expected[0] = 0x70;                // no clock: bit 27 clear
  expected[4] = 1, expected[5] = 1;  // time server, daylight saving
  expected[7] = 24;                  // the zone and its offset, -3600
  expected[8] = 10, expected[11] = 9;
  expected[16] = 0xFF, expected[17] = 0xFF, expected[18] = 0xF1, expected[19] = 0xF0;
  EXPECT_EQ(Written(), expected);
}

TEST_F(NtpPage, OkAfterTheOpenedPageSetsTheClockToThisComputersTime) {
  Open();
  ASSERT_TRUE(sheet->Apply());  // not opened yet: nothing to apply
  EXPECT_TRUE(port.requests.empty());

  ASSERT_TRUE(sheet->SetActivePage(PageIndex(PageId::Ntp)));
  clock.Sleep(std::chrono::milliseconds(3000));
  ASSERT_TRUE(sheet->Ok());
  const auto out = Written();
  EXPECT_EQ(Long(out, kChangeMask), 0x08000000u);
  EXPECT_EQ(Long(out, clock::ClockTime), kPcClock + 3);
  EXPECT_EQ(Word(out, clock::TimeZone), 25);  // the selection as it stands
  EXPECT_EQ(Long(out, clock::TimeZoneOffset), 0u);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(NtpPage, CustomSendsThePickedDateAndTime) {
  Open();
  Page().OnCustomClicked();
  Page().OnDateChanged(2024, 2, 29);
  EXPECT_EQ(C().customWeek.text, "Thrisday");
  Page().OnTimeChanged(23, 59, 59);
  Page().OnDateChanged(1969, 12, 31);  // before the clock's range: its first day
  EXPECT_EQ(C().customDate.value.year, 1970);
  Page().OnDateChanged(2024, 2, 30);  // no such day: nothing changes
  Page().OnDateChanged(2024, 2, 29);
  ASSERT_TRUE(Page().OnApply());
  EXPECT_EQ(Long(Written(), clock::ClockTime), 1709251199u);
  EXPECT_EQ(C().moduleDate.text, " 2024/ 2/29");  // as read back
}

TEST_F(NtpPage, TheSpareSlotIsNeverWritten) {
  Open();
  doc->Nodes().SetCurrent(NodeTable::kSpareSlot);
  Page().OnDaylightSavingClicked(false);
  EXPECT_TRUE(Page().OnApply());
  EXPECT_TRUE(port.requests.empty());
}

}  // namespace
}  // namespace gw::pages::test
