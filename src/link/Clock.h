#pragma once
// Pauses of the link go through a clock so that tests can replace it and see
// the exact sequence of pauses without waiting.

#include <chrono>

namespace gw {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual void Sleep(std::chrono::milliseconds duration) = 0;
  virtual std::chrono::steady_clock::time_point Now() const = 0;
};

class SystemClock : public Clock {
 public:
  void Sleep(std::chrono::milliseconds duration) override;
  std::chrono::steady_clock::time_point Now() const override;
};

}  // namespace gw
