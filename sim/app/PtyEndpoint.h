#pragma once
// The simulator's serial line: a pseudo-terminal in raw mode whose other end
// the tool opens like a serial port. The simulator keeps the far end open
// too, so the line stays usable while no tool has it open.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "LinePacer.h"

namespace gw::sim {

class PtyEndpoint {
 public:
  PtyEndpoint() = default;
  ~PtyEndpoint();
  PtyEndpoint(const PtyEndpoint&) = delete;
  PtyEndpoint& operator=(const PtyEndpoint&) = delete;

  // `link`: also make this path a symlink to the terminal (may be empty).
  // `pace`: write at the speed of a 19200 baud line.
  bool Open(const std::string& link, bool pace, std::string& error);
  int Fd() const { return master_; }
  const std::string& Path() const { return path_; }

  // Bytes waiting from the tool; empty when none.
  std::vector<std::uint8_t> Receive();
  // Queues bytes for the tool.
  void Queue(const std::vector<std::uint8_t>& bytes);
  bool HasOutput() const { return !out_.empty(); }
  // Writes what the pacing allows at `now`.
  void Flush(LinePacer::Micros now);
  // What the poll loop waits for on the line's behalf at `now`, the instant
  // of the Flush before it: nothing when no bytes wait; the terminal taking
  // bytes when they may go (it was full); else the pacer's time.
  std::optional<LinePacer::Wait> NextWait(LinePacer::Micros now) const;

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string path_;
  std::string link_;
  std::optional<LinePacer> pacer_;
  std::deque<std::uint8_t> out_;
};

}  // namespace gw::sim
