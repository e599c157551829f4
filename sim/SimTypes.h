#pragma once
// Small types shared by every part of the module simulator.

#include <chrono>
#include <cstdint>
#include <vector>

namespace gw::sim {

// Time since the simulator started. Everything that depends on time (the
// module clock, login sessions) takes it as an argument, so tests pass their
// own.
using SimTime = std::chrono::milliseconds;

// The line a request came in on; replies go back the same way.
enum class Channel { Udp, Serial };

// One frame body ready to go out, with what the faults made of it.
struct Outgoing {
  std::vector<std::uint8_t> body;
  std::chrono::milliseconds delay{0};
  bool badChecksum = false;  // serial only: send it with a wrong checksum byte
};

}  // namespace gw::sim
