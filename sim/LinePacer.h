#pragma once
// Paces the bytes written to a serial line to the speed of a real one
// (19200 baud, 10 bits a byte: 1920 bytes/s), in small bursts.

#include <chrono>
#include <cstddef>

namespace gw::sim {

class LinePacer {
 public:
  using Micros = std::chrono::microseconds;

  explicit LinePacer(unsigned bytesPerSecond = 1920, std::size_t burst = 16);

  // How many bytes may be written at `now` (0: wait for WaitTime).
  std::size_t Allowance(Micros now) const;
  // Records `count` bytes written at `now`. Bytes written within one burst's
  // time after the line ran dry follow on without a gap.
  void Sent(Micros now, std::size_t count);
  // How long until the next byte may go (0 when it may go now).
  Micros WaitTime(Micros now) const;

  // What a writer with bytes queued waits for at `now`: the line taking
  // bytes (`writable`, the pacer lets them go now) or the pacer's time
  // (`after`, never 0). Both are read at one instant: a writer that took
  // them at two could find the pacer closed at the first and open at the
  // second, and then wait for nothing at all.
  struct Wait {
    bool writable = false;
    Micros after{0};
  };
  Wait Next(Micros now) const;

 private:
  unsigned rate_;
  std::size_t burst_;
  Micros lineFree_{0};  // when the bytes written so far have left the line
};

}  // namespace gw::sim
