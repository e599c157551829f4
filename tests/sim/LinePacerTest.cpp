// The pacer of the simulated serial line keeps the line busy when the
// simulator wakes up a little late, and pauses it only for a real gap.
#include <gtest/gtest.h>

#include "LinePacer.h"

namespace gw::sim::test {
namespace {

using Micros = LinePacer::Micros;

// Writes `total` bytes, the writer waking `late` after each WaitTime; the
// time the last byte leaves the line.
Micros LineTimeWithLateWakeUps(LinePacer& pacer, std::size_t total, Micros late) {
  Micros now{0};
  std::size_t sent = 0;
  while (sent < total) {
    if (const auto n = pacer.Allowance(now); n > 0) {
      pacer.Sent(now, n);
      sent += n;
    } else {
      now += pacer.WaitTime(now) + late;
    }
  }
  return now + pacer.WaitTime(now);
}

TEST(LinePacerTiming, LateWakeUpsDoNotSlowTheLine) {
  for (const Micros late : {Micros(0), Micros(900), Micros(5000)}) {
    LinePacer pacer(1920, 16);
    // 1920 bytes leave in one second however late within a burst the
    // writer comes back (lateness used to add up: 120 bursts x 0.9 ms).
    EXPECT_NEAR(static_cast<double>(LineTimeWithLateWakeUps(pacer, 1920, late).count()), 1e6,
                200)
        << "late by " << late.count() << " us";
  }
}

TEST(LinePacerTiming, AGapLongerThanABurstIsAPause) {
  LinePacer pacer(1920, 16);
  pacer.Sent(Micros(0), 16);  // busy until 8333 us
  const Micros idle(8333 + 20000);
  ASSERT_EQ(pacer.Allowance(idle), 16u);
  pacer.Sent(idle, 16);
  // The new burst starts when it was written, not when the line ran dry.
  EXPECT_EQ(pacer.WaitTime(idle), Micros(8333));
}

}  // namespace
}  // namespace gw::sim::test
