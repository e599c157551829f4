// The serial framing against vectors worked out by hand.
#include <gtest/gtest.h>

#include <random>

#include "link/FrameCodec.h"

namespace gw {
namespace {

using V = std::vector<std::uint8_t>;

// Decodes `received` in a receive buffer of the link's size.
std::pair<int, V> Decode(const V& received) {
  V buffer(kLinkBufferSize, 0);
  std::copy(received.begin(), received.end(), buffer.begin());
  const int n = DecodeSerialFrame(buffer, received.size());
  return {n, buffer};
}

TEST(FrameCodec, KnownFramesEncode) {
  // The checksum makes the 8-bit sum zero; stuffing grows each special byte
  // by one, the checksum's too.
  const struct {
    V body;
    std::uint8_t checksum;
    V frame;
  } cases[] = {
      {{}, 0x00, {0xC0, 0x00, 0xC0}},
      {{0x01}, 0xFF, {0xC0, 0x01, 0xFF, 0xC0}},
      {{'a', 'b', 'c'}, 0xDA, {0xC0, 'a', 'b', 'c', 0xDA, 0xC0}},
      {{0x01, 0xC0, 0xDB}, 0x64, {0xC0, 0x01, 0xDB, 0xDC, 0xDB, 0xDD, 0x64, 0xC0}},
      {{0x40}, 0xC0, {0xC0, 0x40, 0xDB, 0xDC, 0xC0}},
      {{0x25}, 0xDB, {0xC0, 0x25, 0xDB, 0xDD, 0xC0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.body));
    EXPECT_EQ(FrameChecksum(c.body), c.checksum);
    EXPECT_EQ(EncodeSerialFrame(c.body), c.frame);
  }
}

TEST(FrameCodec, TwoFramesInOneChunkYieldTheFirst) {
  const V chunk = {0x11, 0x22, 0xC0, 'a', 'b', 'c', 0xDA, 0xC0, 0xC0, 0x01, 0xFF, 0xC0};
  const auto [n, buffer] = Decode(chunk);
  ASSERT_EQ(n, 4);
  EXPECT_EQ(V(buffer.begin(), buffer.begin() + 4), (V{'a', 'b', 'c', 0xDA}));
  // The rest of the received area is zeroed.
  for (std::size_t i = 4; i < chunk.size(); ++i) EXPECT_EQ(buffer[i], 0) << i;
}

TEST(FrameCodec, BadChecksumOrNoFrameIsRefused) {
  EXPECT_EQ(Decode(V{0xC0, 'a', 'b', 'c', 0xDB, 0xC0}).first, -1);
  EXPECT_EQ(Decode(V{0xC0, 0xC0}).first, -1);
  EXPECT_EQ(Decode(V{'a', 'b', 'c', 0xDA}).first, -1);  // no opening delimiter
}

TEST(FrameCodec, ABodyLongerThanTheLongestIsRefused) {
  V frame = EncodeSerialFrame(V(kMaxFrameBody + 1, 0x11));
  EXPECT_EQ(DecodeSerialFrame(frame, frame.size()), -1);
  EXPECT_EQ(frame, V(frame.size(), 0));
}

TEST(FrameCodec, EncodedBodiesDecodeToThemselvesAndTheirChecksum) {
  std::mt19937 gen(7);
  for (int round = 0; round < 200; ++round) {
    V body(1 + gen() % 1244);
    for (auto& b : body) {
      b = static_cast<std::uint8_t>(gen() % 4 == 0 ? 0xC0 + gen() % 2 * 0x1B : gen());
    }
    const V frame = EncodeSerialFrame(body);
    ASSERT_LE(frame.size(), kMaxStuffedFrame);
    V buffer(frame);
    const int n = DecodeSerialFrame(buffer, buffer.size());
    ASSERT_EQ(n, static_cast<int>(body.size() + 1));
    EXPECT_TRUE(std::equal(body.begin(), body.end(), buffer.begin()));
    EXPECT_EQ(buffer[body.size()], FrameChecksum(body));
  }
}

}  // namespace
}  // namespace gw
