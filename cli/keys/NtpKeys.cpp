// The NTP page's keys: the time server client, and "ntp.clock", the row of
// "Clock Setup" the module's clock is set from while the time server is off:
// "pc" (this computer's clock) or a date and time to pick,
// YYYY-MM-DDTHH:MM:SS.
#include <cstdio>

#include "keys/KeyTable.h"
#include "pages/RTCDlg.h"

namespace gw::cli::keys {

namespace {

using pages::CRTCDlg;

Field ClockField() {
  Field f{"ntp.clock", pages::PageId::Ntp, "Clock Setup", ValueType::Text, {}, {}, {}};
  f.get = [](const pages::PropertyPage& p) {
    const pages::NtpControls& c = As<CRTCDlg>(p).Controls();
    if (!c.custom.checked) return std::string("pc");
    const DateTime d = c.customDate.value;
    const DateTime t = c.customTime.value;
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", d.year, d.month, d.day,
                  t.hour, t.minute, t.second);
    return std::string(text);
  };
  f.allowed = [](const pages::PropertyPage&) { return std::string("pc|YYYY-MM-DDTHH:MM:SS"); };
  f.set = [](pages::PropertyPage& p, const std::string& value) -> std::optional<std::string> {
    auto& page = As<CRTCDlg>(p);
    const pages::NtpControls& c = page.Controls();
    if (value == "pc") {
      if (!c.pc.enabled) return NotSettableNow(c.pc);
      page.OnPcClicked();
      return std::nullopt;
    }
    DateTime t;
    int used = 0;
    if (std::sscanf(value.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%n", &t.year, &t.month, &t.day, &t.hour,
                    &t.minute, &t.second, &used) != 6 ||
        used != static_cast<int>(value.size())) {
      return "'" + value + "' is neither pc nor YYYY-MM-DDTHH:MM:SS";
    }
    if (!c.custom.enabled) return NotSettableNow(c.custom);
    page.OnCustomClicked();
    page.OnDateChanged(t.year, t.month, t.day);
    page.OnTimeChanged(t.hour, t.minute, t.second);
    return std::nullopt;
  };
  return f;
}

}  // namespace

std::vector<Field> NtpFields() {
  constexpr auto kPage = pages::PageId::Ntp;
  const auto c = [](const CRTCDlg& page) -> const pages::NtpControls& { return page.Controls(); };
  return {
      SwitchField(
          "ntp.time-server", kPage,
          "Enable Time Server", [c](const CRTCDlg& p) -> auto& { return c(p).timeServer; },
          &CRTCDlg::OnTimeServerClicked),
      AddressField(
          "ntp.server-address", kPage,
          "Time Server", [c](const CRTCDlg& p) -> auto& { return c(p).serverAddress; },
          &CRTCDlg::OnServerFieldChanged),
      ListField(
          "ntp.time-zone", kPage,
          "Time Zone", [c](const CRTCDlg& p) -> auto& { return c(p).timeZone; },
          &CRTCDlg::OnTimeZoneChanged),
      SwitchField(
          "ntp.daylight-saving", kPage, "Start Daylight Saving Time",
          [c](const CRTCDlg& p) -> auto& { return c(p).daylightSaving; },
          &CRTCDlg::OnDaylightSavingClicked),
      ClockField(),
  };
}

}  // namespace gw::cli::keys
