#include "FakeClock.h"

#include <string>

namespace gw::test {

void FakeClock::Sleep(std::chrono::milliseconds duration) {
  log_.Add("pause " + std::to_string(duration.count()));
  pauses.push_back(duration);
  now_ += duration;
}

}  // namespace gw::test
