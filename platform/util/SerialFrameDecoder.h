#pragma once
// The serial framing of the configuration protocol, read side. A frame is a
// body and one checksum byte (the 8-bit sum of both is 0), byte-stuffed
// (0xC0 -> DB DC, 0xDB -> DB DD) between two 0xC0 delimiters.
//
// SerialFrameDecoder un-stuffs a line's bytes as they arrive, in chunks of
// any size, and keeps its place between them: a small state machine with
// one bounded buffer. The tool's codec, the transport's serial line and the
// simulator all cut frames with it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace gw::platform {

inline constexpr std::uint8_t kFrameEnd = 0xC0;
inline constexpr std::uint8_t kFrameEscape = 0xDB;
inline constexpr std::uint8_t kEscapedEnd = 0xDC;     // DB DC stands for C0
inline constexpr std::uint8_t kEscapedEscape = 0xDD;  // DB DD stands for DB

// The longest frame body: the 36-byte header and the largest block.
inline constexpr std::size_t kMaxFrameBody = 1244;

class SerialFrameDecoder {
 public:
  // What one byte did.
  enum class Step : std::uint8_t {
    Outside,  // no frame is open: line noise, skipped
    Opened,   // a delimiter that opens a frame (or finds the open one still empty)
    Inside,   // a byte of the open frame
    Closed,   // the delimiter that ends a frame: Decoded() and Verdict() tell it
  };
  enum class Verdict : std::uint8_t { Good, BadChecksum, TooLong };

  struct Frame {
    std::vector<std::uint8_t> body;  // without the checksum byte; empty when too long
    Verdict verdict;
  };

  // A 0xC0 opens a frame when none is open or the open one has no byte yet,
  // and closes it otherwise; the closing delimiter also opens the next frame.
  // An escape byte not followed by DC or DD stands for itself, and the byte
  // after it is read afresh. A frame that decodes to more than the longest
  // body and its checksum keeps only its verdict (TooLong).
  Step Take(std::uint8_t byte);
  // The end of the input: a frame that holds bytes is closed as if a
  // delimiter came (Closed), an escape byte at the end standing for itself.
  // The decoder then waits for an opening delimiter again.
  Step Finish();
  // Takes a chunk; the frames it completes, in order, bad ones included.
  std::vector<Frame> Feed(std::span<const std::uint8_t> chunk);

  // After a Closed step, until the next byte: the decoded bytes, checksum
  // last (empty when too long), and what they are worth.
  std::span<const std::uint8_t> Decoded() const;
  Verdict FrameVerdict() const;

 private:
  enum class State : std::uint8_t { Hunting, Open, Escaped };

  void Put(std::uint8_t byte);

  State state_ = State::Hunting;
  bool closed_ = false;  // the last step closed a frame; the next byte starts afresh
  bool tooLong_ = false;
  std::uint8_t sum_ = 0;
  std::size_t size_ = 0;
  std::array<std::uint8_t, kMaxFrameBody + 1> decoded_{};
};

}  // namespace gw::platform
