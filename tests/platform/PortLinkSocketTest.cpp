// PortLink over UDP and its Modbus TCP byte stream, on loopback: each test
// has its own configuration folder and its own 127.0.0.x module address.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <string>

#include "PlatformFixtures.h"

namespace gw::test {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kLinkBufferSize = 1536;

class PortLinkSocketTest : public ::testing::Test {
 protected:
  TempHome home;
  PortLinkApi& api = PortLink();
  Bytes buffer = Bytes(kLinkBufferSize);

  void TearDown() override {
    api.CloseSocket();
    api.ResetSocketErr();
  }

  // Opens the link the way the plug-in does, to the remote address of PortLink.ini.
  int OpenLink() {
    return api.OpenSocket(kSocketDatagram, htonl(api.GetRemoteIPAddr()), 0, kConfigPort,
                          kSocketFlags);
  }
  // A module at 127.0.0.<last>, the link open to it.
  std::unique_ptr<UdpPeer> OpenToModule(std::uint8_t last) {
    home.WritePortLinkIni("[PortLink]\nRemoteIP=" + DottedText(Loopback(last)) + "\n");
    auto module = std::make_unique<UdpPeer>(Loopback(last), kConfigPort);
    EXPECT_TRUE(module->Ok());
    EXPECT_EQ(OpenLink(), 0);
    return module;
  }
  int Send(const Bytes& bytes) {
    return api.SendData(bytes.data(), static_cast<int>(bytes.size()));
  }
  int Receive() { return api.RecvData(buffer.data(), kLinkBufferSize); }

  // Receives until `expected` comes (other traffic is skipped) or time runs out.
  bool ReceiveExpected(const Bytes& expected) {
    const auto deadline = Clock::now() + milliseconds(1000);
    while (Clock::now() < deadline) {
      if (api.ReadSelect(50) <= 0) continue;
      const int got = Receive();
      if (got > 0 && Bytes(buffer.begin(), buffer.begin() + got) == expected) return true;
    }
    return false;
  }
};

TEST_F(PortLinkSocketTest, ExchangesDatagramsWithTheRemoteModuleAndHearsAnyModule) {
  const auto module = OpenToModule(141);
  UdpPeer other(Loopback(142), kConfigPort);
  ASSERT_TRUE(other.Ok());
  // Nothing waits: a receive returns at once, ReadSelect at its time-out.
  auto start = Clock::now();
  EXPECT_EQ(Receive(), 0);
  EXPECT_LT(Clock::now() - start, milliseconds(50));
  start = Clock::now();
  EXPECT_EQ(api.ReadSelect(60), 0);
  EXPECT_GE(Clock::now() - start, milliseconds(55));

  ASSERT_EQ(Send(Bytes{0x01, 0x02, 0x03}), 3);
  const auto got = module->Receive(milliseconds(1000));
  ASSERT_TRUE(got.has_value());
  EXPECT_EQ(got->bytes, (Bytes{0x01, 0x02, 0x03}));
  // The module answers, and so does a second module the request never went
  // to: the link is not tied to one peer.
  module->SendTo(got->from, Bytes{0xA1, 0xA2});
  EXPECT_GT(api.ReadSelect(1000), 0);
  EXPECT_TRUE(ReceiveExpected(Bytes{0xA1, 0xA2}));
  other.SendTo(got->from, Bytes{0xB1});
  EXPECT_TRUE(ReceiveExpected(Bytes{0xB1}));

  // A datagram too big for the buffer is dropped with an error.
  module->SendTo(got->from, Bytes(10, 0x33));
  ASSERT_GT(api.ReadSelect(1000), 0);
  EXPECT_EQ(api.RecvData(buffer.data(), 4), -1);
  EXPECT_EQ(api.GetLastSocketErr(), EMSGSIZE);
  api.ResetSocketErr();
  EXPECT_EQ(api.GetLastSocketErr(), 0);
  EXPECT_EQ(Receive(), 0);
}

TEST_F(PortLinkSocketTest, BroadcastReplacementReachesEveryListenerOnThePort) {
  home.WritePortLinkIni("[PortLink]\nRemoteIP=255.255.255.255\nBroadcastAddress=127.255.255.255\n");
  UdpPeer listener(INADDR_ANY, kConfigPort);
  ASSERT_TRUE(listener.Ok());
  ASSERT_EQ(OpenLink(), 0);

  // Other programs may listen on the port too: a token tells our datagram.
  const std::string stamp = "gwtest " + std::to_string(::getpid());
  const Bytes token(stamp.begin(), stamp.end());
  ASSERT_EQ(Send(token), static_cast<int>(token.size()));
  std::optional<UdpPeer::Datagram> got;
  for (const auto deadline = Clock::now() + milliseconds(1000);
       Clock::now() < deadline && !(got && got->bytes == token);) {
    got = listener.Receive(milliseconds(100));
  }
  ASSERT_TRUE(got && got->bytes == token);
  listener.SendTo(got->from, Bytes{0x7E});
  EXPECT_TRUE(ReceiveExpected(Bytes{0x7E}));
}

TEST_F(PortLinkSocketTest, RefusesWithoutALinkAndWhatItCannotCarry) {
  EXPECT_EQ(Send(Bytes{0x01}), -1);
  EXPECT_EQ(api.GetLastSocketErr(), ENOTCONN);
  EXPECT_EQ(api.ReadSelect(0), -1);

  const std::uint32_t module = htonl(Loopback(145));
  EXPECT_LT(api.OpenSocket(1, module, 0, kConfigPort, kSocketFlags), 0);
  EXPECT_EQ(api.GetLastSocketErr(), EPROTONOSUPPORT);
  EXPECT_LT(api.OpenSocket(kSocketDatagram, module, 0, 0, kSocketFlags), 0);
  EXPECT_LT(api.OpenSocket(kSocketDatagram, module, 70000, kConfigPort, kSocketFlags), 0);
}

TEST_F(PortLinkSocketTest, RequestAndResponseCarryStationAndFunctionFirst) {
  const auto module = OpenToModule(146);
  const Bytes data{0x00, 0x10, 0x00, 0x02};
  ASSERT_EQ(api.RequestData(1, 3, data.data(), 4), 6);
  const auto got = module->Receive(milliseconds(1000));
  ASSERT_TRUE(got.has_value());
  EXPECT_EQ(got->bytes, (Bytes{0x01, 0x03, 0x00, 0x10, 0x00, 0x02}));

  module->SendTo(got->from, Bytes{0x01, 0x03, 0xAB, 0xCD});
  ASSERT_GT(api.ReadSelect(1000), 0);
  const Response reply = TakeResponse(api.ResponseData);
  EXPECT_EQ(reply.result, 2);
  EXPECT_EQ(reply.station, 1);
  EXPECT_EQ(reply.function, 3);
  EXPECT_EQ(reply.data, (Bytes{0xAB, 0xCD}));
}

// A listening TCP socket on an ephemeral port, and the one peer it accepts.
struct TcpListener {
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  int peer = -1;
  int port = 0;

  explicit TcpListener(std::uint32_t address) {
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(address);
    socklen_t size = sizeof local;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0 &&
        ::listen(fd, 1) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &size) == 0) {
      port = ntohs(local.sin_port);
    }
  }
  ~TcpListener() {
    if (peer >= 0) ::close(peer);
    ::close(fd);
  }
  int Accept() {
    pollfd entry{fd, POLLIN, 0};
    if (::poll(&entry, 1, 1000) > 0) peer = ::accept(fd, nullptr, nullptr);
    return peer;
  }
};

TEST_F(PortLinkSocketTest, ModbusTcpCarriesBytesBothWaysAndTellsAClosedPeer) {
  TcpListener server(Loopback(147));
  ASSERT_GT(server.port, 0);
  home.WritePortLinkIni("[PortLink]\nModbusTCPPort=" + std::to_string(server.port) + "\n");
  ASSERT_EQ(api.OpenModbusTCPSocket(htonl(Loopback(147))), 0);
  const int peer = server.Accept();
  ASSERT_GE(peer, 0);
  const Bytes request{0x00, 0x01, 0x00, 0x00, 0x00, 0x02, 0x01, 0x03};
  ASSERT_EQ(Send(request), 8);
  Bytes got(8);
  ASSERT_EQ(::recv(peer, got.data(), got.size(), MSG_WAITALL), 8);
  EXPECT_EQ(got, request);

  ASSERT_EQ(::send(peer, "\xAA\xBB", 2, 0), 2);
  ASSERT_GT(api.ReadSelect(1000), 0);
  ASSERT_EQ(Receive(), 2);
  EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 2), (Bytes{0xAA, 0xBB}));
  EXPECT_EQ(Receive(), 0);

  ::shutdown(peer, SHUT_RDWR);
  ASSERT_GT(api.ReadSelect(1000), 0);
  EXPECT_EQ(Receive(), -1);
  EXPECT_EQ(api.GetLastSocketErr(), ECONNRESET);
}

TEST_F(PortLinkSocketTest, ModbusTcpConnectFailureIsReported) {
  home.WritePortLinkIni("[PortLink]\nModbusTCPPort=1\n");
  EXPECT_LT(api.OpenModbusTCPSocket(htonl(Loopback(148))), 0);
  EXPECT_EQ(api.GetLastSocketErr(), ECONNREFUSED);
}

}  // namespace
}  // namespace gw::test
