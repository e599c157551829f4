// PortLink over UDP on loopback: each test has its own configuration folder
// and its own 127.0.0.x module address.
#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <string>

#include "PlatformFixtures.h"

namespace gw::test {
namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

constexpr std::uint16_t kPort = kConfigPort;

class PortLinkUdpTest : public ::testing::Test {
 protected:
  TempHome home;
  PortLinkApi& api = PortLink();

  void TearDown() override {
    api.CloseSocket();
    api.ResetSocketErr();
  }

  // Opens the link the way the plug-in does, to the remote address of PortLink.ini.
  int OpenLink() {
    return api.OpenSocket(kSocketDatagram, htonl(api.GetRemoteIPAddr()), 0, kPort, kSocketFlags);
  }

  int Send(const Bytes& bytes) { return api.SendData(bytes.data(), static_cast<int>(bytes.size())); }

  // Receives until `expected` comes (other traffic is skipped) or time runs out.
  bool ReceiveExpected(const Bytes& expected, milliseconds wait) {
    const auto deadline = Clock::now() + wait;
    Bytes buffer(kLinkBufferSize);
    while (Clock::now() < deadline) {
      if (api.ReadSelect(50) <= 0) {
        continue;
      }
      const int got = api.RecvData(buffer.data(), static_cast<int>(buffer.size()));
      if (got > 0 && Bytes(buffer.begin(), buffer.begin() + got) == expected) {
        return true;
      }
    }
    return false;
  }

  static constexpr std::size_t kLinkBufferSize = 1536;
};

TEST_F(PortLinkUdpTest, SendsToTheRemoteAddressAndTakesRepliesFromAnyModule) {
  home.WritePortLinkIni("[PortLink]\nRemoteIP=127.0.0.141\n");
  UdpPeer module(Loopback(141), kPort);
  UdpPeer other(Loopback(142), kPort);
  ASSERT_TRUE(module.Ok() && other.Ok());
  ASSERT_EQ(OpenLink(), 0);

  const Bytes request{0x01, 0x02, 0x03};
  ASSERT_EQ(Send(request), 3);
  const auto got = module.Receive(milliseconds(1000));
  ASSERT_TRUE(got.has_value());
  EXPECT_EQ(got->bytes, request);

  // The module answers, and so does a second module the request never went
  // to: the link is not tied to one peer.
  module.SendTo(got->from, Bytes{0xA1, 0xA2});
  EXPECT_GT(api.ReadSelect(1000), 0);
  EXPECT_TRUE(ReceiveExpected(Bytes{0xA1, 0xA2}, milliseconds(1000)));
  other.SendTo(got->from, Bytes{0xB1});
  EXPECT_TRUE(ReceiveExpected(Bytes{0xB1}, milliseconds(1000)));
}

TEST_F(PortLinkUdpTest, ReceiveReturnsAtOnceWhenNothingWaitsAndReadSelectTimesOut) {
  home.WritePortLinkIni("[PortLink]\nRemoteIP=127.0.0.143\n");
  ASSERT_EQ(OpenLink(), 0);
  Bytes buffer(kLinkBufferSize);

  auto start = Clock::now();
  EXPECT_EQ(api.RecvData(buffer.data(), static_cast<int>(buffer.size())), 0);
  EXPECT_LT(Clock::now() - start, milliseconds(50));

  start = Clock::now();
  EXPECT_EQ(api.ReadSelect(60), 0);
  EXPECT_GE(Clock::now() - start, milliseconds(55));
}

TEST_F(PortLinkUdpTest, BroadcastReplacementReachesEveryListenerOnThePort) {
  home.WritePortLinkIni(
      "[PortLink]\nRemoteIP=255.255.255.255\nBroadcastAddress=127.255.255.255\n");
  UdpPeer listener(INADDR_ANY, kPort);
  ASSERT_TRUE(listener.Ok());
  ASSERT_EQ(OpenLink(), 0);

  // Other programs may listen on the port too: a token tells our datagram.
  const auto stamp = static_cast<std::uint32_t>(::getpid());
  const Bytes token{0x5A, static_cast<std::uint8_t>(stamp >> 24), static_cast<std::uint8_t>(stamp >> 16),
                    static_cast<std::uint8_t>(stamp >> 8), static_cast<std::uint8_t>(stamp)};
  ASSERT_EQ(Send(token), static_cast<int>(token.size()));
  std::optional<UdpPeer::Datagram> got;
  const auto deadline = Clock::now() + milliseconds(1000);
  while (Clock::now() < deadline) {
    got = listener.Receive(milliseconds(100));
    if (got && got->bytes == token) {
      break;
    }
  }
  ASSERT_TRUE(got && got->bytes == token);
  listener.SendTo(got->from, Bytes{0x7E});
  EXPECT_TRUE(ReceiveExpected(Bytes{0x7E}, milliseconds(1000)));
}

TEST_F(PortLinkUdpTest, OversizedDatagramIsDroppedWithAnError) {
  home.WritePortLinkIni("[PortLink]\nRemoteIP=127.0.0.144\n");
  UdpPeer module(Loopback(144), kPort);
  ASSERT_EQ(OpenLink(), 0);
  ASSERT_EQ(Send(Bytes{0x01}), 1);
  const auto got = module.Receive(milliseconds(1000));
  ASSERT_TRUE(got.has_value());
  module.SendTo(got->from, Bytes(10, 0x33));
  ASSERT_GT(api.ReadSelect(1000), 0);

  Bytes small(4);
  EXPECT_EQ(api.RecvData(small.data(), 4), -1);
  EXPECT_EQ(api.GetLastSocketErr(), EMSGSIZE);
  api.ResetSocketErr();
  EXPECT_EQ(api.GetLastSocketErr(), 0);
  Bytes buffer(kLinkBufferSize);
  EXPECT_EQ(api.RecvData(buffer.data(), static_cast<int>(buffer.size())), 0);
}

TEST_F(PortLinkUdpTest, NothingIsSentWithoutAnOpenLink) {
  const Bytes bytes{0x01};
  EXPECT_EQ(api.SendData(bytes.data(), 1), -1);
  EXPECT_EQ(api.GetLastSocketErr(), ENOTCONN);
  EXPECT_EQ(api.ReadSelect(0), -1);
}

TEST_F(PortLinkUdpTest, OpenRefusesWhatItCannotCarry) {
  const std::uint32_t module = htonl(Loopback(145));
  EXPECT_LT(api.OpenSocket(1, module, 0, kPort, kSocketFlags), 0);
  EXPECT_EQ(api.GetLastSocketErr(), EPROTONOSUPPORT);
  EXPECT_LT(api.OpenSocket(kSocketDatagram, module, 0, 0, kSocketFlags), 0);
  EXPECT_LT(api.OpenSocket(kSocketDatagram, module, 70000, kPort, kSocketFlags), 0);
}

TEST_F(PortLinkUdpTest, RequestAndResponseCarryStationAndFunctionFirst) {
  home.WritePortLinkIni("[PortLink]\nRemoteIP=127.0.0.146\n");
  UdpPeer module(Loopback(146), kPort);
  ASSERT_EQ(OpenLink(), 0);
  const Bytes data{0x00, 0x10, 0x00, 0x02};
  ASSERT_EQ(api.RequestData(1, 3, data.data(), 4), 6);
  const auto got = module.Receive(milliseconds(1000));
  ASSERT_TRUE(got.has_value());
  EXPECT_EQ(got->bytes, (Bytes{0x01, 0x03, 0x00, 0x10, 0x00, 0x02}));

  module.SendTo(got->from, Bytes{0x01, 0x03, 0xAB, 0xCD});
  ASSERT_GT(api.ReadSelect(1000), 0);
  std::int32_t station = 0;
  std::int32_t function = 0;
  Bytes reply(kLinkBufferSize);
  ASSERT_EQ(api.ResponseData(&station, &function, reply.data()), 2);
  EXPECT_EQ(station, 1);
  EXPECT_EQ(function, 3);
  EXPECT_EQ(reply[0], 0xAB);
  EXPECT_EQ(reply[1], 0xCD);
}

}  // namespace
}  // namespace gw::test
