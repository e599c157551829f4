#include "SerialFrameReader.h"

#include "link/FrameCodec.h"

namespace gw::sim {

std::vector<SerialFrameReader::Frame> SerialFrameReader::Feed(ConstBytes bytes) {
  std::vector<Frame> frames;
  for (std::uint8_t b : bytes) {
    if (b == kFrameEnd) {
      // A closing delimiter may serve as the opening one of the next frame.
      if (open_ && !raw_.empty()) frames.push_back(Finish());
      open_ = true;
      continue;
    }
    if (!open_) continue;
    if (raw_.size() >= kMaxStuffedFrame) {
      frames.push_back({{}, "frame longer than " + std::to_string(kMaxStuffedFrame) + " bytes"});
      raw_.clear();
      open_ = false;
      continue;
    }
    raw_.push_back(b);
  }
  return frames;
}

SerialFrameReader::Frame SerialFrameReader::Finish() {
  std::vector<std::uint8_t> frame;
  frame.reserve(raw_.size() + 2);
  frame.push_back(kFrameEnd);
  frame.insert(frame.end(), raw_.begin(), raw_.end());
  frame.push_back(kFrameEnd);
  raw_.clear();
  const int decoded = DecodeSerialFrame(frame, frame.size());
  if (decoded < 2) return {{}, "frame with a bad checksum"};
  frame.resize(static_cast<std::size_t>(decoded - 1));  // drop the checksum byte
  return {std::move(frame), {}};
}

}  // namespace gw::sim
