#pragma once
// Pauses of the link go through a clock so that tests can replace it and see
// the exact sequence of pauses without waiting; the clock page reads the
// computer's local date and time from it.

#include <chrono>

#include "model/ClockValue.h"

namespace gw {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual void Sleep(std::chrono::milliseconds duration) = 0;
  virtual std::chrono::steady_clock::time_point Now() const = 0;
  // The computer's local date and time, to the second.
  virtual DateTime LocalNow() const = 0;
  // The time of day as the system tells it, for time stamps.
  virtual std::chrono::system_clock::time_point WallNow() const = 0;
};

class SystemClock : public Clock {
 public:
  void Sleep(std::chrono::milliseconds duration) override;
  std::chrono::steady_clock::time_point Now() const override;
  DateTime LocalNow() const override;
  std::chrono::system_clock::time_point WallNow() const override;
};

}  // namespace gw
