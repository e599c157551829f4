// The pacer of the simulated serial line: 1920 bytes a second in bursts of
// 16, kept busy when the simulator wakes up a little late, paused only for a
// real gap.
#include <gtest/gtest.h>

#include "LinePacer.h"

namespace gw::sim::test {
namespace {

using Micros = LinePacer::Micros;

TEST(LinePacer, NineteenTwentyBytesTakeOneSecondHoweverLateTheWriterWakes) {
  for (const Micros late : {Micros(0), Micros(900), Micros(5000)}) {
    SCOPED_TRACE("late by " + std::to_string(late.count()) + " us");
    LinePacer pacer(1920, 16);
    Micros now{0};
    std::size_t sent = 0;
    int waits = 0;
    while (sent < 1920) {
      if (const auto n = pacer.Allowance(now); n > 0) {
        pacer.Sent(now, n);
        sent += n;
      } else {
        now += pacer.WaitTime(now) + late;
        ++waits;
      }
    }
    EXPECT_EQ(waits, 119);
    // The last burst leaves the line one second after the first began
    // (lateness used to add up: 120 bursts x 0.9 ms).
    EXPECT_NEAR(static_cast<double>((now + pacer.WaitTime(now)).count()), 1e6, 200);
  }
}

TEST(LinePacer, AnIdleLineSavesNoBurstAndAGapIsAPause) {
  LinePacer pacer(1920, 16);
  pacer.Sent(Micros(0), 16);  // busy until 8333 us
  const Micros idle(8333 + 5000000);
  ASSERT_EQ(pacer.Allowance(idle), 16u);
  pacer.Sent(idle, 16);
  EXPECT_EQ(pacer.Allowance(idle), 0u);
  // The new burst starts when it was written, not when the line ran dry.
  EXPECT_EQ(pacer.WaitTime(idle), Micros(8333));
}

TEST(LinePacer, AReplyGoesOutHoweverLateTheWriterAsksWhatToWaitFor) {
  // A writer that asked the pacer whether to wait for the line at one
  // instant and for how long at a later one waited for nothing once the
  // line had run dry in between: the rest of the reply never went.
  for (const Micros late : {Micros(0), Micros(8333), Micros(9000), Micros(50000)}) {
    SCOPED_TRACE("late by " + std::to_string(late.count()) + " us");
    LinePacer pacer(1920, 16);
    Micros now{0};
    std::size_t left = 125;
    for (int turn = 0; left > 0 && turn < 100; ++turn) {
      const std::size_t n = std::min(left, pacer.Allowance(now));
      pacer.Sent(now, n);
      left -= n;
      now += late;
      const LinePacer::Wait wait = pacer.Next(now);
      ASSERT_TRUE(wait.writable || wait.after > Micros(0))
          << "waits for nothing at " << now.count();
      EXPECT_EQ(wait.writable, pacer.Allowance(now) > 0);
      now += wait.after;
    }
    EXPECT_EQ(left, 0u);
  }
}

}  // namespace
}  // namespace gw::sim::test
