#include "Clock.h"

#include <thread>

namespace gw {

void SystemClock::Sleep(std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); }

std::chrono::steady_clock::time_point SystemClock::Now() const {
  return std::chrono::steady_clock::now();
}

}  // namespace gw
