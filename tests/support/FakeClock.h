#pragma once
// A clock that never sleeps: every pause is logged ("pause <ms>") and moves
// Now() forward by that much. Its local time starts at `localStart` and runs
// with Now().

#include <chrono>
#include <string>

#include "link/Clock.h"
#include "support/EventLog.h"

namespace gw::test {

class FakeClock : public Clock {
 public:
  explicit FakeClock(EventLog& log) : log_(log) {}

  void Sleep(std::chrono::milliseconds duration) override {
    log_.Add("pause " + std::to_string(duration.count()));
    now_ += duration;
  }
  std::chrono::steady_clock::time_point Now() const override { return now_; }
  DateTime LocalNow() const override {
    const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(now_.time_since_epoch());
    return BreakDown(ClockValueOf(localStart) + static_cast<std::uint32_t>(elapsed.count()));
  }
  // Runs with Now() from `wallStart`.
  std::chrono::system_clock::time_point WallNow() const override {
    return wallStart +
           std::chrono::duration_cast<std::chrono::system_clock::duration>(now_.time_since_epoch());
  }
  DateTime localStart{2015, 6, 15, 12, 30, 45};
  std::chrono::system_clock::time_point wallStart{std::chrono::seconds{1'800'000'000}};

 private:
  EventLog& log_;
  std::chrono::steady_clock::time_point now_{};
};

}  // namespace gw::test
