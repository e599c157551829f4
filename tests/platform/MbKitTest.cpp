// MbKit against a libmodbus TCP server on a loopback address, and against a
// device answering Modbus RTU on a pseudo-terminal.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <modbus.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <memory>
#include <thread>
#include <utility>

#include "PlatformFixtures.h"
#include "platform/util/SerialFormat.h"

namespace gw::test {
namespace {

constexpr int kReadHoldingRegisters = 3;
constexpr int kRegisters = 10;

// A Modbus TCP server with holding registers 0x1000 + n, on an ephemeral port.
class ModbusServer {
 public:
  explicit ModbusServer(std::uint32_t address)
      : context_(modbus_new_tcp(inet_ntoa(in_addr{htonl(address)}), 0)),
        mapping_(modbus_mapping_new(0, 0, kRegisters, 0)),
        listenFd_(modbus_tcp_listen(context_, 1)) {
    for (int n = 0; n < kRegisters; ++n) mapping_->tab_registers[n] = 0x1000 + n;
    sockaddr_in bound{};
    socklen_t size = sizeof bound;
    if (::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&bound), &size) == 0) {
      port_ = ntohs(bound.sin_port);
    }
    thread_ = std::thread([this] { Serve(); });
  }
  ~ModbusServer() {
    stop_ = true;
    thread_.join();
    if (listenFd_ >= 0) ::close(listenFd_);
    modbus_mapping_free(mapping_);
    modbus_free(context_);
  }
  int Port() const { return port_; }

 private:
  void Serve() {
    int client = -1;
    while (!stop_ && listenFd_ >= 0) {
      pollfd entry{client >= 0 ? client : listenFd_, POLLIN, 0};
      if (::poll(&entry, 1, 20) <= 0) continue;
      if (client < 0) {
        client = ::accept(listenFd_, nullptr, nullptr);
        modbus_set_socket(context_, client);
        continue;
      }
      std::uint8_t query[MODBUS_TCP_MAX_ADU_LENGTH];
      const int length = modbus_receive(context_, query);
      if (length > 0) modbus_reply(context_, query, length, mapping_);
      if (length < 0) ::close(std::exchange(client, -1));
    }
    if (client >= 0) ::close(client);
  }

  modbus_t* context_;
  modbus_mapping_t* mapping_;
  int listenFd_;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// Register address and count of a read request.
Bytes ReadRequest(std::uint16_t first, std::uint16_t count) {
  return Bytes{static_cast<std::uint8_t>(first >> 8), static_cast<std::uint8_t>(first),
               static_cast<std::uint8_t>(count >> 8), static_cast<std::uint8_t>(count)};
}

class MbKitTcpTest : public ::testing::Test {
 protected:
  TempHome home;
  MbKitApi& api = MbKit();

  void TearDown() override { api.CloseSocket(); }

  // A server at 127.0.0.<last>, the link open to it.
  std::unique_ptr<ModbusServer> Connect(std::uint8_t last) {
    auto server = std::make_unique<ModbusServer>(Loopback(last));
    EXPECT_GT(server->Port(), 0);
    home.WritePortLinkIni("[PortLink]\nModbusTCPPort=" + std::to_string(server->Port()) + "\n");
    EXPECT_EQ(api.OpenModbusTCPSocket(htonl(Loopback(last))), 0);
    return server;
  }
  int Request(std::uint16_t first, std::uint16_t count) {
    const Bytes data = ReadRequest(first, count);
    return api.RequestData(1, kReadHoldingRegisters, data.data(), 4);
  }
};

TEST_F(MbKitTcpTest, ReadsHoldingRegistersAtThePortOfPortLinkIniAndDropsStaleReplies) {
  const auto server = Connect(151);
  ASSERT_GT(Request(2, 3), 0);
  ASSERT_GT(api.ReadSelect(3000), 0);
  const Response reply = TakeResponse(api.ResponseData);
  EXPECT_EQ(reply.data, (Bytes{0x10, 0x02, 0x10, 0x03, 0x10, 0x04}));
  EXPECT_EQ(reply.station, 1);
  EXPECT_EQ(reply.function, kReadHoldingRegisters);

  // A stale reply is dropped before the next request.
  ASSERT_GT(Request(0, 1), 0);
  ASSERT_GT(api.ReadSelect(3000), 0);  // left unread
  ASSERT_GT(Request(5, 1), 0);
  ASSERT_GT(api.ReadSelect(3000), 0);
  EXPECT_EQ(TakeResponse(api.ResponseData).data, (Bytes{0x10, 0x05}));
}

TEST_F(MbKitTcpTest, ExceptionReplyAndMissingReplyGiveMinusOne) {
  const auto server = Connect(153);
  ASSERT_GT(Request(kRegisters, 2), 0);  // beyond the server's registers
  ASSERT_GT(api.ReadSelect(3000), 0);
  const Response reply = TakeResponse(api.ResponseData);
  EXPECT_EQ(reply.result, -1);
  EXPECT_EQ(reply.function, 0x80 | kReadHoldingRegisters);

  // Nothing asked, nothing comes: the wait ends on time.
  EXPECT_EQ(api.ReadSelect(50), 0);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(api.ResponseData(nullptr, nullptr, Bytes(256).data()), -1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(1500));
}

TEST_F(MbKitTcpTest, OpenFailsWithoutAServerAndCallsWithoutALinkFail) {
  home.WritePortLinkIni("[PortLink]\nModbusTCPPort=1\n");
  EXPECT_LT(api.OpenModbusTCPSocket(htonl(Loopback(154))), 0);
  EXPECT_EQ(Request(0, 1), -1);
  EXPECT_EQ(api.ReadSelect(0), -1);
  EXPECT_EQ(api.ResponseData(nullptr, nullptr, nullptr), -1);
}

TEST_F(MbKitTcpTest, LoopbackOnlyRefusesAnOutsideAddress) {
  if (!NetworkNamespacesAvailable()) GTEST_SKIP() << "no permission to make a network namespace";
  std::string childErr;
  const int code = RunInNetworkNamespace(
      [&] { return api.OpenModbusTCPSocket(htonl(0x0A3D0109U)) < 0 && errno == EPERM ? 0 : 3; },
      childErr);
  EXPECT_EQ(code, 0) << childErr;
  EXPECT_NE(childErr.find("MbKit: GWSUITE_LOOPBACK_ONLY=1 refuses to send to 10.61.1.9"),
            std::string::npos)
      << childErr;
}

// A read of three registers from station 0x11 and its answer, with their CRCs.
const Bytes kRtuRequest{0x11, 0x03, 0x00, 0x6B, 0x00, 0x03, 0x76, 0x87};
const Bytes kRtuReply{0x11, 0x03, 0x06, 0xAE, 0x41, 0x56, 0x52, 0x43, 0x40, 0x49, 0xAD};

class MbKitRtuTest : public ::testing::Test {
 protected:
  TempHome home;
  Pty line;
  MbKitApi& api = MbKit();

  void TearDown() override { api.CloseSerial(); }

  // Sends the read request and answers it with `reply`.
  void Exchange(const Bytes& reply) {
    const Bytes data = ReadRequest(0x006B, 3);
    ASSERT_GT(api.RequestData(0x11, kReadHoldingRegisters, data.data(), 4), 0);
    EXPECT_EQ(line.Read(8, milliseconds(1000)), kRtuRequest);
    line.Write(reply);
  }
};

TEST_F(MbKitRtuTest, ReadsRegistersOverTheLineMappedAsComAndChecksTheCrc) {
  home.WritePortLinkIni("[COMPorts]\nCOM5=" + line.DevicePath() + "\n");
  ASSERT_EQ(api.OpenModbusSerial("COM5", platform::kConfigBaud, 8, 'N', 1, 1), 0);
  Exchange(kRtuReply);
  ASSERT_GT(api.ReadSelect(1000), 0);
  const Response reply = TakeResponse(api.ResponseData);
  EXPECT_EQ(reply.data, (Bytes{0xAE, 0x41, 0x56, 0x52, 0x43, 0x40}));
  EXPECT_EQ(reply.station, 0x11);
  EXPECT_EQ(reply.function, kReadHoldingRegisters);

  Bytes bad = kRtuReply;
  bad.back() ^= 0xFF;
  Exchange(bad);
  EXPECT_EQ(TakeResponse(api.ResponseData).result, -1);  // bad checksum
}

TEST_F(MbKitRtuTest, OnlyRtuModeAndUsableSettingsOpen) {
  EXPECT_LT(api.OpenModbusSerial(line.DevicePath().c_str(), platform::kConfigBaud, 8, 'N', 1, 0),
            0);
  EXPECT_LT(api.OpenModbusSerial(line.DevicePath().c_str(), platform::kConfigBaud, 8, 'X', 1, 1),
            0);
  EXPECT_LT(api.OpenModbusSerial(nullptr, platform::kConfigBaud, 8, 'N', 1, 1), 0);
  EXPECT_LT(
      api.OpenModbusSerial((home.Root() / "absent").c_str(), platform::kConfigBaud, 8, 'N', 1, 1),
      0);
}

}  // namespace
}  // namespace gw::test
