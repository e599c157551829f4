#pragma once
// A clock that never sleeps: every pause is logged ("pause <ms>") and moves
// Now() forward by that much.

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
 private:
  EventLog& log_;
  std::chrono::steady_clock::time_point now_{};
};

}  // namespace gw::test
