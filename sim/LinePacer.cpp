#include "LinePacer.h"

#include <algorithm>

namespace gw::sim {

LinePacer::LinePacer(unsigned bytesPerSecond, std::size_t burst)
    : rate_(std::max(1u, bytesPerSecond)), burst_(std::max<std::size_t>(1, burst)) {}

std::size_t LinePacer::Allowance(Micros now) const { return now >= lineFree_ ? burst_ : 0; }

void LinePacer::Sent(Micros now, std::size_t count) {
  // A write that comes less than one burst after the line ran dry continues
  // it: the simulator woke up that late, the line did not pause. Starting
  // from `now` instead would add every wake-up's lateness to the line time
  // (about 10% at 19200 baud with millisecond poll time-outs).
  const Micros slack(static_cast<long long>(burst_) * 1000000 / rate_);
  const Micros start = now > lineFree_ + slack ? now : lineFree_;
  lineFree_ = start + Micros(static_cast<long long>(count) * 1000000 / rate_);
}

LinePacer::Micros LinePacer::WaitTime(Micros now) const {
  return now >= lineFree_ ? Micros(0) : lineFree_ - now;
}

LinePacer::Wait LinePacer::Next(Micros now) const {
  if (Allowance(now) > 0) return {true, Micros(0)};
  return {false, WaitTime(now)};
}

}  // namespace gw::sim
