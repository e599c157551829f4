// PortLink's Modbus TCP socket: a raw byte stream to the Modbus TCP port of
// PortLink.ini.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "PlatformFixtures.h"

namespace gw::test {
namespace {

// A listening TCP socket on an ephemeral port.
class TcpListener {
 public:
  explicit TcpListener(std::uint32_t address) {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(address);
    socklen_t size = sizeof local;
    if (::bind(fd_, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0 &&
        ::listen(fd_, 1) == 0 &&
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&local), &size) == 0) {
      port_ = ntohs(local.sin_port);
    }
  }
  ~TcpListener() {
    if (client_ >= 0) {
      ::close(client_);
    }
    ::close(fd_);
  }
  int Port() const { return port_; }
  int Accept() {
    pollfd entry{fd_, POLLIN, 0};
    if (::poll(&entry, 1, 1000) > 0) {
      client_ = ::accept(fd_, nullptr, nullptr);
    }
    return client_;
  }

 private:
  int fd_ = -1;
  int client_ = -1;
  int port_ = 0;
};

TEST(PortLinkTcpTest, CarriesBytesBothWaysAndTellsAClosedPeer) {
  TempHome home;
  PortLinkApi& api = PortLink();
  TcpListener server(Loopback(147));
  ASSERT_GT(server.Port(), 0);
  home.WritePortLinkIni("[PortLink]\nModbusTCPPort=" + std::to_string(server.Port()) + "\n");

  ASSERT_EQ(api.OpenModbusTCPSocket(htonl(Loopback(147))), 0);
  const int peer = server.Accept();
  ASSERT_GE(peer, 0);
  const Bytes request{0x00, 0x01, 0x00, 0x00, 0x00, 0x02, 0x01, 0x03};
  ASSERT_EQ(api.SendData(request.data(), static_cast<int>(request.size())), 8);
  Bytes got(8);
  ASSERT_EQ(::recv(peer, got.data(), got.size(), MSG_WAITALL), 8);
  EXPECT_EQ(got, request);

  const Bytes reply{0xAA, 0xBB};
  ASSERT_EQ(::send(peer, reply.data(), reply.size(), 0), 2);
  ASSERT_GT(api.ReadSelect(1000), 0);
  Bytes buffer(1536);
  ASSERT_EQ(api.RecvData(buffer.data(), 1536), 2);
  EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 2), reply);
  EXPECT_EQ(api.RecvData(buffer.data(), 1536), 0);

  ::shutdown(peer, SHUT_RDWR);
  ASSERT_GT(api.ReadSelect(1000), 0);
  EXPECT_EQ(api.RecvData(buffer.data(), 1536), -1);
  EXPECT_EQ(api.GetLastSocketErr(), ECONNRESET);
  api.CloseSocket();
  api.ResetSocketErr();
}

TEST(PortLinkTcpTest, ConnectFailureIsReported) {
  TempHome home;
  PortLinkApi& api = PortLink();
  home.WritePortLinkIni("[PortLink]\nModbusTCPPort=1\n");
  EXPECT_LT(api.OpenModbusTCPSocket(htonl(Loopback(148))), 0);
  EXPECT_EQ(api.GetLastSocketErr(), ECONNREFUSED);
  api.ResetSocketErr();
}

}  // namespace
}  // namespace gw::test
