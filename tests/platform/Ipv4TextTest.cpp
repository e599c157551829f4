// The project's one dotted IPv4 parser and formatter: where a user types an
// address, only four decimal octets count.
#include "platform/util/Ipv4Text.h"

#include <gtest/gtest.h>

namespace gw::platform {
namespace {

TEST(Ipv4Text, ParsesFourDecimalOctetsOnlyAndFormatsBack) {
  const std::pair<const char*, std::uint32_t> good[] = {{"127.0.0.9", 0x7F000009U},
                                                        {"255.255.255.255", 0xFFFFFFFFU},
                                                        {"0.0.0.0", 0U},
                                                        {"192.168.10.5", 0xC0A80A05U}};
  for (const auto& [text, address] : good) {
    EXPECT_EQ(ParseIpv4(text), address) << text;
    EXPECT_EQ(FormatIpv4(address), text);
  }
  for (const char* bad : {"", "10.0.0", "0x7f.1", "0x7f.0.0.1", "127.1", "2130706433", "1.2.3.4.5",
                          "256.1.1.1", "a.b.c.d", "1..2.3", "-1.2.3.4", "+1.2.3.4", " 1.2.3.4",
                          "1.2.3.4 ", "01.2.3.4", "1.2.3.4\n"}) {
    EXPECT_FALSE(ParseIpv4(bad)) << bad;
  }
}

}  // namespace
}  // namespace gw::platform
