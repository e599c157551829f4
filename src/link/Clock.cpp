#include "Clock.h"

#include <ctime>
#include <thread>

namespace gw {

void SystemClock::Sleep(std::chrono::milliseconds duration) {
  std::this_thread::sleep_for(duration);
}

std::chrono::steady_clock::time_point SystemClock::Now() const {
  return std::chrono::steady_clock::now();
}

std::chrono::system_clock::time_point SystemClock::WallNow() const {
  return std::chrono::system_clock::now();
}

DateTime SystemClock::LocalNow() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace gw
