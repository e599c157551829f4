// The serial side: bad checksums on demand.
#include <gtest/gtest.h>

#include "SerialReply.h"
#include "SimTestSupport.h"

namespace gw::sim::test {
namespace {

// "abc" with its checksum 0xDA; 0xC0 0xDB as body bytes, stuffed.
const auto kAbc = Hex("C0 61 62 63 DA C0");
const auto kEscapes =
    Hex("C0 DB DC DB DD A5 DB DC C0");  // body C0 DB A5, checksum 0xC0 stuffed too

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
