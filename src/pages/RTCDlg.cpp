#include "RTCDlg.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "model/ChangeMasks.h"
#include "model/Texts.h"
#include "model/TimeZones.h"

namespace gw::pages {

namespace {

constexpr int kNoon = 12;

bool Before(const DateTime& a, const DateTime& b) {
  return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

}  // namespace

std::string ClockDateText(const DateTime& t) {
  char text[64];
  std::snprintf(text, sizeof text, " %4d/%2d/%2d", t.year, t.month, t.day);
  return text;
}

std::string ClockTimeText(const DateTime& t) {
  const bool pm = t.hour > kNoon;
  char text[64];
  std::snprintf(text, sizeof text, "%s %02d:%02d:%02d", pm ? "PM" : "AM",
                pm ? t.hour - kNoon : t.hour, t.minute, t.second);
  return text;
}

std::string WeekDayText(const DateTime& t) {
  return std::string(kWeekDayNames[static_cast<std::size_t>(WeekDayOf(t.year, t.month, t.day))]);
}

CRTCDlg::CRTCDlg() : PropertyPage("NTP") { c_.timeZone.items = Items(kTimeZones); }

void CRTCDlg::OnInitDialog() {
  c_.pc.checked = true;
  c_.custom.checked = false;
  if (Document() != nullptr) {
    const DateTime now = Document()->TheClock().LocalNow();
    c_.customDate.value = now;
    c_.customTime.value = now;
  }
  Load();
  OnTimer();
}

bool CRTCDlg::OnSetActive() {
  if (DocumentLocked()) return false;
  if (!shown_) {
    // The page's window comes up now: a zero clock is told once it shows.
    shown_ = true;
    if (moduleClockLost_) Ui().Message(text::kTimeError);
  }
  return true;
}

void CRTCDlg::ShowClock(TextControl& date, TextControl& time, TextControl& week,
                        const DateTime& t) {
  date.text = ClockDateText(t);
  time.text = ClockTimeText(t);
  week.text = WeekDayText(t);
}

void CRTCDlg::Load() {
  const NodeRecord* node = CurrentRecord();
  if (node == nullptr) return;
  const ConstBytes block = node->Block(kClockBlock);
  c_.timeServer.checked = block[clock::TimeServerEnable] != 0;
  c_.daylightSaving.checked = block[clock::DaylightSaving] != 0;
  c_.serverAddress.SetValue(LoadBE32(block, clock::TimeServerIp));
  // An index the list does not hold shows no selection.
  c_.timeZone.Select(LoadBE16(block, clock::TimeZone));

  const std::uint32_t clockValue = LoadBE32(block, clock::ClockTime);
  moduleClockLost_ = clockValue == 0;
  if (moduleClockLost_) {
    if (shown_) Ui().Message(text::kTimeError);
    for (TextControl* t : {&c_.moduleDate, &c_.moduleTime, &c_.moduleWeek})
      t->text = text::kTimeError;
  } else {
    ShowClock(c_.moduleDate, c_.moduleTime, c_.moduleWeek, BreakDown(clockValue));
  }

  for (Control* control : std::initializer_list<Control*>{&c_.timeServer, &c_.daylightSaving,
                                                          &c_.serverAddress, &c_.timeZone}) {
    control->enabled = true;
  }
  ApplyEnableRules();
  c_.customWeek.text = WeekDayText(c_.customDate.value);
  SetModified(false);
  mask_ = 0;
  NotifyChanged();
}

void CRTCDlg::ApplyEnableRules() {
  const bool server = c_.timeServer.checked;
  c_.serverAddress.enabled = server;
  c_.daylightSaving.enabled = server;
  c_.timeZone.enabled = server;
  c_.pc.enabled = !server;
  c_.custom.enabled = !server;
  const bool pcRow = !server && c_.pc.checked;
  const bool customRow = !server && c_.custom.checked;
  for (TextControl* t : {&c_.pcDate, &c_.pcTime, &c_.pcWeek}) t->enabled = pcRow;
  c_.customDate.enabled = customRow;
  c_.customTime.enabled = customRow;
  c_.customWeek.enabled = customRow;
}

void CRTCDlg::Changed(std::uint32_t bits) {
  mask_ |= bits;
  SetModified(true);
  NotifyChanged();
}

void CRTCDlg::OnTimeServerClicked(bool checked) {
  if (!c_.timeServer.enabled) return;
  c_.timeServer.checked = checked;
  ApplyEnableRules();
  Changed(clockbits::TimeServerEnable);
}

void CRTCDlg::OnDaylightSavingClicked(bool checked) {
  if (!c_.daylightSaving.enabled) return;
  c_.daylightSaving.checked = checked;
  Changed(clockbits::DaylightSaving);
}

void CRTCDlg::OnTimeZoneChanged(int index) {
  if (!c_.timeZone.enabled || !c_.timeZone.Holds(index)) return;
  c_.timeZone.selection = index;
  Changed(clockbits::TimeZone);
}

void CRTCDlg::OnServerFieldChanged(int field, int value) {
  if (c_.serverAddress.TakeField(field, value)) Changed(clockbits::TimeServerIp);
}

void CRTCDlg::OnPcClicked() {
  if (!c_.pc.enabled) return;
  c_.pc.checked = true;
  c_.custom.checked = false;
  ApplyEnableRules();
  Changed(0);
}

void CRTCDlg::OnCustomClicked() {
  if (!c_.custom.enabled) return;
  c_.custom.checked = true;
  c_.pc.checked = false;
  ApplyEnableRules();
  Changed(0);
}

void CRTCDlg::OnDateChanged(int year, int month, int day) {
  if (!c_.customDate.enabled) return;
  DateTime picked{year, month, day, 0, 0, 0};
  // Dates outside the clock value's range cannot be picked.
  if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return;
  if (Before(picked, c_.customDate.minimum)) picked = c_.customDate.minimum;
  if (Before(c_.customDate.maximum, picked)) picked = c_.customDate.maximum;
  c_.customDate.value.year = picked.year;
  c_.customDate.value.month = picked.month;
  c_.customDate.value.day = picked.day;
  c_.customWeek.text = WeekDayText(c_.customDate.value);
  Changed(0);
}

void CRTCDlg::OnTimeChanged(int hour, int minute, int second) {
  if (!c_.customTime.enabled) return;
  c_.customTime.value.hour = std::clamp(hour, 0, 23);
  c_.customTime.value.minute = std::clamp(minute, 0, 59);
  c_.customTime.value.second = std::clamp(second, 0, 59);
  Changed(0);
}

void CRTCDlg::OnTimer() {
  if (Document() == nullptr) return;
  ShowClock(c_.pcDate, c_.pcTime, c_.pcWeek, Document()->TheClock().LocalNow());
  NotifyChanged();
}

DateTime CRTCDlg::ClockToSend() const {
  if (c_.pc.checked) return Document()->TheClock().LocalNow();
  DateTime t = c_.customDate.value;
  t.hour = c_.customTime.value.hour;
  t.minute = c_.customTime.value.minute;
  t.second = c_.customTime.value.second;
  return t;
}

void CRTCDlg::Stage() {
  const ConstBytes record = CurrentRecord()->Block(kClockBlock);
  const Bytes out = Nodes().Outgoing().Block(kClockBlock);
  std::fill(out.begin(), out.end(), std::uint8_t{0});
  out[clock::TimeServerEnable] = c_.timeServer.checked ? 1 : 0;
  out[clock::DaylightSaving] = c_.daylightSaving.checked ? 1 : 0;
  StoreBE32(out, clock::TimeServerIp, c_.serverAddress.Value());
  if (!c_.timeServer.checked) {
    StoreBE32(out, clock::ClockTime, ClockValueOf(ClockToSend()));
    mask_ |= clockbits::ClockTime;
  }
  // Without a selection the module's own zone goes back unchanged.
  if (const auto offset = TimeZoneOffset(c_.timeZone.selection)) {
    StoreBE16(out, clock::TimeZone, static_cast<std::uint16_t>(c_.timeZone.selection));
    StoreBE32(out, clock::TimeZoneOffset, static_cast<std::uint32_t>(*offset));
  } else {
    StoreBE16(out, clock::TimeZone, LoadBE16(record, clock::TimeZone));
    StoreBE32(out, clock::TimeZoneOffset, LoadBE32(record, clock::TimeZoneOffset));
  }
  StoreBE32(out, kChangeMask, mask_);
}

bool CRTCDlg::OnApply() {
  if (CurrentRecord() == nullptr) return true;
  Stage();
  if (Nodes().Current() != NodeTable::kSpareSlot && mask_ != 0) {
    WriteStagedBlock(kClockBlock, UnopenedLink::Silent);
  }
  Load();
  return true;
}

}  // namespace gw::pages
