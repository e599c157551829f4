#pragma once
// The serial framing of the configuration protocol, with no I/O: a checksum
// byte after the body, byte stuffing, and 0xC0 delimiters. On Ethernet one
// datagram is one frame body as is. The framing bytes and the decoder that
// reads them live with the platform helpers, which the transport's serial
// line shares.

#include <cstdint>
#include <vector>

#include "model/ByteOrder.h"
#include "platform/util/SerialFrameDecoder.h"

namespace gw {

using platform::kEscapedEnd;
using platform::kEscapedEscape;
using platform::kFrameEnd;
using platform::kFrameEscape;
using platform::kMaxFrameBody;

inline constexpr std::size_t kLinkBufferSize = 1536;
// A stuffed frame of the largest body: every byte doubled, plus the delimiters.
inline constexpr std::size_t kMaxStuffedFrame = 2 * (kMaxFrameBody + 1) + 2;

// The byte that makes the 8-bit sum of the body and itself 0 ("abc" gives 0xDA).
std::uint8_t FrameChecksum(ConstBytes body);

// Appends `byte` stuffed: 0xC0 and 0xDB as their escape pairs.
void AppendStuffed(std::vector<std::uint8_t>& out, std::uint8_t byte);

// Body + checksum, stuffed, between two 0xC0.
std::vector<std::uint8_t> EncodeSerialFrame(ConstBytes body);

// Un-stuffs the first frame among the `received` bytes of `buffer` in place:
// the decoded bytes (checksum included) replace the start of the buffer and
// the rest of the received area is zeroed. Returns the decoded length, or -1
// when nothing was decoded, the checksum does not add up or the frame is
// longer than the longest body. A frame cut short by the end of the bytes
// counts as closed there.
int DecodeSerialFrame(Bytes buffer, std::size_t received);

}  // namespace gw
