// The serial side: cutting the line into frames, and bad checksums on demand.
#include <gtest/gtest.h>

#include "SerialFrameReader.h"
#include "SerialReply.h"
#include "SimTestSupport.h"

namespace gw::sim::test {
namespace {

// "abc" with its checksum 0xDA; 0xC0 0xDB as body bytes, stuffed.
const auto kAbc = Hex("C0 61 62 63 DA C0");
const auto kEscapes = Hex("C0 DB DC DB DD A5 DB DC C0");  // body C0 DB A5, checksum 0xC0 stuffed too

TEST(SerialFrameReader, FramesWholeSplitAndBackToBack) {
  SerialFrameReader reader;
  // Noise before the first delimiter is skipped; two frames in one chunk.
  auto line = Hex("55 66");
  line.insert(line.end(), kAbc.begin(), kAbc.end());
  line.insert(line.end(), kEscapes.begin(), kEscapes.end());
  auto frames = reader.Feed(line);
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].body, Hex("61 62 63"));
  EXPECT_EQ(frames[1].body, Hex("C0 DB A5"));
  // One frame a byte at a time; the shared delimiter "C0 C0" between frames.
  for (std::size_t i = 0; i < kAbc.size(); ++i) {
    frames = reader.Feed(ConstBytes(&kAbc[i], 1));
    EXPECT_EQ(frames.size(), i + 1 == kAbc.size() ? 1u : 0u);
  }
}

TEST(SerialFrameReader, BadChecksumAndOverlongFramesAreReported) {
  SerialFrameReader reader;
  auto frames = reader.Feed(Hex("C0 61 62 63 DB C0"));
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_NE(frames[0].error, "");
  std::vector<std::uint8_t> flood(3000, 0x11);
  flood.insert(flood.begin(), 0xC0);
  frames = reader.Feed(flood);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_NE(frames[0].error, "");
  // The reader recovers at the next frame.
  frames = reader.Feed(kAbc);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].body, Hex("61 62 63"));
}

TEST(SerialReply, GoodAndBadChecksum) {
  Outgoing reply;
  reply.body = Hex("61 62 63");
  EXPECT_EQ(EncodeSerialReply(reply), kAbc);
  reply.badChecksum = true;
  EXPECT_EQ(EncodeSerialReply(reply), Hex("C0 61 62 63 25 C0"));  // 0xDA inverted
  // A good checksum of 0xC0 was stuffed; the bad one replaces both bytes.
  reply.body = Hex("C0 DB A5");
  reply.badChecksum = false;
  EXPECT_EQ(EncodeSerialReply(reply), kEscapes);
  reply.badChecksum = true;
  EXPECT_EQ(EncodeSerialReply(reply), Hex("C0 DB DC DB DD A5 3F C0"));
}

}  // namespace
}  // namespace gw::sim::test
