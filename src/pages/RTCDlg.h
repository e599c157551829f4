#pragma once
// The "NTP" page: the module's time server client (switch, server, time
// zone, daylight saving) and, while the time server is off, its real-time
// clock, set from this computer's clock or from a picked date and time. It
// shows the module's clock as last read and this computer's clock ticking
// once a second. It writes the ClockBlock (block 4).

#include <chrono>
#include <cstdint>

#include "pages/PropertyPage.h"

namespace gw::pages {

struct NtpControls {
  // "Time Server Setup"
  CheckControl timeServer;      // "Enable Time Server "
  CheckControl daylightSaving;  // "Start Daylight Saving Time"
  AddressControl serverAddress;
  ListControl timeZone;  // the 74 entries of kTimeZones
  // "Clock Setup": the module's row, then the "PC" and "Custom" rows.
  TextControl moduleDate, moduleTime, moduleWeek;
  CheckControl pc;  // radio button
  TextControl pcDate, pcTime, pcWeek;
  CheckControl custom;         // radio button
  DateTimeControl customDate;  // date picker
  DateTimeControl customTime;  // time picker
  TextControl customWeek;
};

// How the page shows a date, a time and a week day: " %4d/%2d/%2d",
// "AM hh:mm:ss" for hours 0 to 12 and "PM hh:mm:ss" (hour less 12) for 13 to
// 23, the week day's name.
std::string ClockDateText(const DateTime& t);
std::string ClockTimeText(const DateTime& t);
std::string WeekDayText(const DateTime& t);

class CRTCDlg : public PropertyPage {
 public:
  // The PC row's tick.
  static constexpr std::chrono::milliseconds kTickInterval{1000};

  CRTCDlg();

  const NtpControls& Controls() const { return c_; }
  std::uint32_t ChangeMask() const { return mask_; }

  // Checks "PC", sets the pickers to now, loads.
  void OnInitDialog() override;
  // Refused while the document's locked flag is set. The first time, a zero
  // module clock shows "Time error".
  bool OnSetActive() override;
  // With the time server off, sets the module's clock: the clock value and
  // bit 27 always go out, even when nothing was touched.
  bool OnApply() override;
  // Once the page has been shown, OK and Apply set the clock.
  bool AppliesUnmodified() const override { return shown_; }

  // --- Handlers, one per user event.
  void OnTimeServerClicked(bool checked);
  void OnDaylightSavingClicked(bool checked);
  void OnTimeZoneChanged(int index);
  // A field (0 to 3) of the server address; -1 for a field left blank.
  void OnServerFieldChanged(int field, int value);
  void OnPcClicked();
  void OnCustomClicked();
  void OnDateChanged(int year, int month, int day);
  void OnTimeChanged(int hour, int minute, int second);
  // The timer: the PC row shows this computer's clock.
  void OnTimer();

 private:
  void Load();
  void ApplyEnableRules();
  void ShowClock(TextControl& date, TextControl& time, TextControl& week, const DateTime& t);
  void Changed(std::uint32_t bits);
  void Stage();
  // The date and time the module's clock is set to.
  DateTime ClockToSend() const;

  NtpControls c_;
  std::uint32_t mask_ = 0;
  // The page has been active: its window is built (a zero module clock is
  // told from then on), and OK sets the clock.
  bool shown_ = false;
  bool moduleClockLost_ = false;
};

}  // namespace gw::pages
