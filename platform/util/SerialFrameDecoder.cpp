#include "platform/util/SerialFrameDecoder.h"

namespace gw::platform {

SerialFrameDecoder::Step SerialFrameDecoder::Take(std::uint8_t byte) {
  if (closed_) {
    closed_ = tooLong_ = false;
    sum_ = 0;
    size_ = 0;
  }
  switch (state_) {
    case State::Hunting:
      if (byte != kFrameEnd) return Step::Outside;
      state_ = State::Open;
      return Step::Opened;
    case State::Escaped:
      state_ = State::Open;
      if (byte == kEscapedEnd || byte == kEscapedEscape) {
        Put(byte == kEscapedEnd ? kFrameEnd : kFrameEscape);
        return Step::Inside;
      }
      Put(kFrameEscape);
      return Take(byte);
    case State::Open:
      break;
  }
  if (byte == kFrameEnd) {
    if (size_ == 0 && !tooLong_) return Step::Opened;
    closed_ = true;
    return Step::Closed;
  }
  if (byte == kFrameEscape) {
    state_ = State::Escaped;
  } else {
    Put(byte);
  }
  return Step::Inside;
}

SerialFrameDecoder::Step SerialFrameDecoder::Finish() {
  Step step = Step::Outside;
  if (!closed_) {
    if (state_ == State::Escaped) Put(kFrameEscape);
    if (state_ != State::Hunting && (size_ > 0 || tooLong_)) {
      closed_ = true;
      step = Step::Closed;
    }
  }
  state_ = State::Hunting;
  return step;
}

std::vector<SerialFrameDecoder::Frame> SerialFrameDecoder::Feed(
    std::span<const std::uint8_t> chunk) {
  std::vector<Frame> frames;
  for (const std::uint8_t byte : chunk) {
    if (Take(byte) != Step::Closed) continue;
    const auto decoded = Decoded();
    const auto body = decoded.first(decoded.empty() ? 0 : decoded.size() - 1);
    frames.push_back({std::vector<std::uint8_t>(body.begin(), body.end()), FrameVerdict()});
  }
  return frames;
}

std::span<const std::uint8_t> SerialFrameDecoder::Decoded() const {
  if (!closed_ || tooLong_) return {};
  return std::span<const std::uint8_t>(decoded_).first(size_);
}

SerialFrameDecoder::Verdict SerialFrameDecoder::FrameVerdict() const {
  if (tooLong_) return Verdict::TooLong;
  return sum_ == 0 ? Verdict::Good : Verdict::BadChecksum;
}

void SerialFrameDecoder::Put(std::uint8_t byte) {
  if (size_ == decoded_.size()) {
    tooLong_ = true;  // the rest of the frame is dropped; only its verdict stays
    return;
  }
  decoded_[size_++] = byte;
  sum_ = static_cast<std::uint8_t>(sum_ + byte);
}

}  // namespace gw::platform
