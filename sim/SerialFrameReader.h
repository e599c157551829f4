#pragma once
// Cuts the byte stream of a serial line into configuration frames: each frame
// runs from one 0xC0 to the next, is un-stuffed and its checksum checked.
// Bytes before the first 0xC0 are line noise and skipped.

#include <cstdint>
#include <string>
#include <vector>

#include "model/ByteOrder.h"

namespace gw::sim {

class SerialFrameReader {
 public:
  struct Frame {
    std::vector<std::uint8_t> body;  // without the checksum byte
    std::string error;               // empty for a good frame
  };

  // Takes the next received bytes; returns the frames they complete.
  std::vector<Frame> Feed(ConstBytes bytes);

 private:
  Frame Finish();

  bool open_ = false;
  std::vector<std::uint8_t> raw_;  // stuffed bytes of the frame being received
};

}  // namespace gw::sim
