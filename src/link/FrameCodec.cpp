#include "FrameCodec.h"

#include <algorithm>

namespace gw {

std::uint8_t FrameChecksum(ConstBytes body) {
  std::uint8_t sum = 0;
  for (std::uint8_t b : body) sum = static_cast<std::uint8_t>(sum + b);
  return static_cast<std::uint8_t>(-sum);
}

void AppendStuffed(std::vector<std::uint8_t>& out, std::uint8_t byte) {
  if (byte == kFrameEnd) {
    out.insert(out.end(), {kFrameEscape, kEscapedEnd});
  } else if (byte == kFrameEscape) {
    out.insert(out.end(), {kFrameEscape, kEscapedEscape});
  } else {
    out.push_back(byte);
  }
}

std::vector<std::uint8_t> EncodeSerialFrame(ConstBytes body) {
  std::vector<std::uint8_t> out;
  out.reserve(2 * (body.size() + 1) + 2);
  out.push_back(kFrameEnd);
  for (std::uint8_t b : body) AppendStuffed(out, b);
  AppendStuffed(out, FrameChecksum(body));
  out.push_back(kFrameEnd);
  return out;
}

int DecodeSerialFrame(Bytes buffer, std::size_t received) {
  using Step = platform::SerialFrameDecoder::Step;
  received = std::min(received, buffer.size());
  platform::SerialFrameDecoder decoder;
  Step step = Step::Outside;
  for (std::size_t in = 0; in < received && step != Step::Closed; ++in) {
    step = decoder.Take(buffer[in]);
  }
  if (step != Step::Closed) step = decoder.Finish();
  const ConstBytes decoded = step == Step::Closed ? decoder.Decoded() : ConstBytes{};
  std::copy(decoded.begin(), decoded.end(), buffer.begin());
  std::fill(buffer.begin() + static_cast<std::ptrdiff_t>(decoded.size()),
            buffer.begin() + static_cast<std::ptrdiff_t>(received), std::uint8_t{0});
  const bool good =
      step == Step::Closed && decoder.FrameVerdict() == platform::SerialFrameDecoder::Verdict::Good;
  return good ? static_cast<int>(decoded.size()) : -1;
}

}  // namespace gw
