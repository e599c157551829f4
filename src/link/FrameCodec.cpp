#include "FrameCodec.h"

#include <algorithm>

namespace gw {

std::uint8_t FrameChecksum(ConstBytes body) {
  std::uint8_t sum = 0;
  for (std::uint8_t b : body) sum = static_cast<std::uint8_t>(sum + b);
  return static_cast<std::uint8_t>(-sum);
}

std::vector<std::uint8_t> EncodeSerialFrame(ConstBytes body) {
  std::vector<std::uint8_t> out;
  out.reserve(2 * (body.size() + 1) + 2);
  auto put = [&out](std::uint8_t b) {
    if (b == kFrameEnd) {
      out.push_back(kFrameEscape);
      out.push_back(kEscapedEnd);
    } else if (b == kFrameEscape) {
      out.push_back(kFrameEscape);
      out.push_back(kEscapedEscape);
    } else {
      out.push_back(b);
    }
  };
  out.push_back(kFrameEnd);
  for (std::uint8_t b : body) put(b);
  put(FrameChecksum(body));
  out.push_back(kFrameEnd);
  return out;
}

int DecodeSerialFrame(Bytes buffer, std::size_t received) {
  received = std::min(received, buffer.size());
  std::size_t out = 0;
  bool open = false;
  for (std::size_t in = 0; in < received; ++in) {
    const std::uint8_t b = buffer[in];
    if (b == kFrameEnd) {
      if (out > 0) break;  // the frame is closed; later bytes are ignored
      open = true;
      continue;
    }
    if (!open) continue;
    std::uint8_t decoded = b;
    if (b == kFrameEscape && in + 1 < received) {
      if (buffer[in + 1] == kEscapedEnd) {
        decoded = kFrameEnd;
        ++in;
      } else if (buffer[in + 1] == kEscapedEscape) {
        decoded = kFrameEscape;
        ++in;
      }
    }
    buffer[out++] = decoded;  // out never passes in: decoding only shrinks
  }
  std::fill(buffer.begin() + static_cast<std::ptrdiff_t>(out),
            buffer.begin() + static_cast<std::ptrdiff_t>(received), std::uint8_t{0});
  if (out == 0) return -1;
  std::uint8_t sum = 0;
  for (std::size_t i = 0; i < out; ++i) sum = static_cast<std::uint8_t>(sum + buffer[i]);
  return sum == 0 ? static_cast<int>(out) : -1;
}

}  // namespace gw
