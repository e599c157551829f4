#include "SerialReply.h"

#include "link/FrameCodec.h"

namespace gw::sim {

std::vector<std::uint8_t> EncodeSerialReply(const Outgoing& reply) {
  std::vector<std::uint8_t> frame = EncodeSerialFrame(reply.body);
  if (!reply.badChecksum) return frame;
  // Replace the stuffed checksum byte in front of the closing delimiter.
  const std::uint8_t good = FrameChecksum(reply.body);
  const bool stuffed = good == kFrameEnd || good == kFrameEscape;
  frame.resize(frame.size() - (stuffed ? 3 : 2));
  AppendStuffed(frame, static_cast<std::uint8_t>(good ^ 0xFF));
  frame.push_back(kFrameEnd);
  return frame;
}

}  // namespace gw::sim
