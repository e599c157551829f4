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
#include <chrono>
#include <thread>

#include "PlatformFixtures.h"

namespace gw::test {
namespace {

using std::chrono::milliseconds;

constexpr int kReadHoldingRegisters = 3;
constexpr int kRegisters = 10;

// A Modbus TCP server with holding registers 0x1000 + n, on an ephemeral port.
class ModbusServer {
 public:
  explicit ModbusServer(std::uint32_t address) {
    const std::string text = inet_ntoa(in_addr{htonl(address)});
    context_ = modbus_new_tcp(text.c_str(), 0);
    mapping_ = modbus_mapping_new(0, 0, kRegisters, 0);
    for (int n = 0; n < kRegisters; ++n) {
      mapping_->tab_registers[n] = static_cast<std::uint16_t>(0x1000 + n);
    }
    listenFd_ = modbus_tcp_listen(context_, 1);
    sockaddr_in bound{};
    socklen_t size = sizeof bound;
    if (listenFd_ >= 0 &&
        ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&bound), &size) == 0) {
      port_ = ntohs(bound.sin_port);
    }
    thread_ = std::thread([this] { Serve(); });
  }

  ~ModbusServer() {
    stop_ = true;
    thread_.join();
    if (listenFd_ >= 0) {
      ::close(listenFd_);
    }
    modbus_mapping_free(mapping_);
    modbus_free(context_);
  }

  int Port() const { return port_; }

 private:
  void Serve() {
    int client = -1;
    while (!stop_ && listenFd_ >= 0) {
      pollfd entry{client >= 0 ? client : listenFd_, POLLIN, 0};
      if (::poll(&entry, 1, 20) <= 0) {
        continue;
      }
      if (client < 0) {
        client = ::accept(listenFd_, nullptr, nullptr);
        modbus_set_socket(context_, client);
        continue;
      }
      std::uint8_t query[MODBUS_TCP_MAX_ADU_LENGTH];
      const int length = modbus_receive(context_, query);
      if (length > 0) {
        modbus_reply(context_, query, length, mapping_);
      } else if (length < 0) {
        ::close(client);
        client = -1;
      }
    }
    if (client >= 0) {
      ::close(client);
    }
  }

  modbus_t* context_ = nullptr;
  modbus_mapping_t* mapping_ = nullptr;
  int listenFd_ = -1;
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

  int Request(std::uint16_t first, std::uint16_t count) {
    const Bytes data = ReadRequest(first, count);
    return api.RequestData(1, kReadHoldingRegisters, data.data(), 4);
  }
};

TEST_F(MbKitTcpTest, ReadsHoldingRegistersAtThePortOfPortLinkIni) {
  ModbusServer server(Loopback(151));
  ASSERT_GT(server.Port(), 0);
  home.WritePortLinkIni("[PortLink]\nModbusTCPPort=" + std::to_string(server.Port()) + "\n");
  ASSERT_EQ(api.OpenModbusTCPSocket(htonl(Loopback(151))), 0);

  ASSERT_GT(Request(2, 3), 0);
  ASSERT_GT(api.ReadSelect(3000), 0);
  std::int32_t station = 0;
  std::int32_t function = 0;
  Bytes data(256);
  ASSERT_EQ(api.ResponseData(&station, &function, data.data()), 6);
  EXPECT_EQ(Bytes(data.begin(), data.begin() + 6),
            (Bytes{0x10, 0x02, 0x10, 0x03, 0x10, 0x04}));
  EXPECT_EQ(station, 1);
  EXPECT_EQ(function, kReadHoldingRegisters);
}

TEST_F(MbKitTcpTest, AStaleReplyIsDroppedBeforeTheNextRequest) {
  ModbusServer server(Loopback(152));
  home.WritePortLinkIni("[PortLink]\nModbusTCPPort=" + std::to_string(server.Port()) + "\n");
  ASSERT_EQ(api.OpenModbusTCPSocket(htonl(Loopback(152))), 0);

  ASSERT_GT(Request(0, 1), 0);
  ASSERT_GT(api.ReadSelect(3000), 0);  // left unread
  ASSERT_GT(Request(5, 1), 0);
  ASSERT_GT(api.ReadSelect(3000), 0);
  Bytes data(256);
  ASSERT_EQ(api.ResponseData(nullptr, nullptr, data.data()), 2);
  EXPECT_EQ(data[0], 0x10);
  EXPECT_EQ(data[1], 0x05);
}

TEST_F(MbKitTcpTest, ExceptionReplyAndMissingReplyGiveMinusOne) {
  ModbusServer server(Loopback(153));
  home.WritePortLinkIni("[PortLink]\nModbusTCPPort=" + std::to_string(server.Port()) + "\n");
  ASSERT_EQ(api.OpenModbusTCPSocket(htonl(Loopback(153))), 0);

  ASSERT_GT(Request(kRegisters, 2), 0);  // beyond the server's registers
  ASSERT_GT(api.ReadSelect(3000), 0);
  std::int32_t function = 0;
  Bytes data(256);
  EXPECT_EQ(api.ResponseData(nullptr, &function, data.data()), -1);
  EXPECT_EQ(function, 0x80 | kReadHoldingRegisters);

  // Nothing asked, nothing comes: the wait ends on time.
  EXPECT_EQ(api.ReadSelect(50), 0);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(api.ResponseData(nullptr, nullptr, data.data()), -1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(1500));
}

TEST_F(MbKitTcpTest, OpenFailsWithoutAServerAndCallsWithoutALinkFail) {
  home.WritePortLinkIni("[PortLink]\nModbusTCPPort=1\n");
  EXPECT_LT(api.OpenModbusTCPSocket(htonl(Loopback(154))), 0);
  const Bytes data = ReadRequest(0, 1);
  EXPECT_EQ(api.RequestData(1, kReadHoldingRegisters, data.data(), 4), -1);
  EXPECT_EQ(api.ReadSelect(0), -1);
  EXPECT_EQ(api.ResponseData(nullptr, nullptr, nullptr), -1);
}

TEST_F(MbKitTcpTest, LoopbackOnlyRefusesAnOutsideAddress) {
  if (!NetworkNamespacesAvailable()) {
    GTEST_SKIP() << "no permission to make a network namespace";
  }
  std::string childErr;
  const int code = RunInNetworkNamespace(
      [&] { return api.OpenModbusTCPSocket(htonl(0x0A3D0109U)) < 0 && errno == EPERM ? 0 : 3; },
      childErr);
  EXPECT_EQ(code, 0) << childErr;
  EXPECT_NE(childErr.find("MbKit: GWSUITE_LOOPBACK_ONLY=1 refuses to send to 10.61.1.9"),
            std::string::npos)
      << childErr;
}

// The Modbus CRC, appended low byte first.
Bytes WithCrc(Bytes frame) {
  std::uint16_t crc = 0xFFFF;
  for (const std::uint8_t byte : frame) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc & 1U) != 0 ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001U)
                            : static_cast<std::uint16_t>(crc >> 1);
    }
  }
  frame.push_back(static_cast<std::uint8_t>(crc));
  frame.push_back(static_cast<std::uint8_t>(crc >> 8));
  return frame;
}

class MbKitRtuTest : public ::testing::Test {
 protected:
  TempHome home;
  Pty line;
  MbKitApi& api = MbKit();

  void TearDown() override { api.CloseSerial(); }
};

TEST_F(MbKitRtuTest, CrcOfAKnownRequest) {
  EXPECT_EQ(WithCrc(Bytes{0x11, 0x03, 0x00, 0x6B, 0x00, 0x03}),
            (Bytes{0x11, 0x03, 0x00, 0x6B, 0x00, 0x03, 0x76, 0x87}));
}

TEST_F(MbKitRtuTest, ReadsRegistersOverTheLineMappedAsCom) {
  home.WritePortLinkIni("[COMPorts]\nCOM5=" + line.DevicePath() + "\n");
  ASSERT_EQ(api.OpenModbusSerial("COM5", kSerialBaud, 8, 'N', 1, 1), 0);

  const Bytes data = ReadRequest(0x006B, 2);
  ASSERT_GT(api.RequestData(0x11, kReadHoldingRegisters, data.data(), 4), 0);
  EXPECT_EQ(line.Read(8, milliseconds(1000)),
            WithCrc(Bytes{0x11, 0x03, 0x00, 0x6B, 0x00, 0x02}));

  line.Write(WithCrc(Bytes{0x11, 0x03, 0x04, 0x12, 0x34, 0x56, 0x78}));
  ASSERT_GT(api.ReadSelect(1000), 0);
  std::int32_t station = 0;
  std::int32_t function = 0;
  Bytes reply(256);
  ASSERT_EQ(api.ResponseData(&station, &function, reply.data()), 4);
  EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 4), (Bytes{0x12, 0x34, 0x56, 0x78}));
  EXPECT_EQ(station, 0x11);
  EXPECT_EQ(function, kReadHoldingRegisters);
}

TEST_F(MbKitRtuTest, ReplyWithABadChecksumIsRefused) {
  ASSERT_EQ(api.OpenModbusSerial(line.DevicePath().c_str(), kSerialBaud, 8, 'N', 1, 1), 0);
  const Bytes data = ReadRequest(0, 1);
  ASSERT_GT(api.RequestData(1, kReadHoldingRegisters, data.data(), 4), 0);
  line.Read(8, milliseconds(1000));
  Bytes reply = WithCrc(Bytes{0x01, 0x03, 0x02, 0x12, 0x34});
  reply.back() ^= 0xFF;
  line.Write(reply);
  Bytes out(256);
  EXPECT_EQ(api.ResponseData(nullptr, nullptr, out.data()), -1);
}

TEST_F(MbKitRtuTest, OnlyRtuModeAndUsableSettingsOpen) {
  EXPECT_LT(api.OpenModbusSerial(line.DevicePath().c_str(), kSerialBaud, 8, 'N', 1, 0), 0);
  EXPECT_LT(api.OpenModbusSerial(line.DevicePath().c_str(), kSerialBaud, 8, 'X', 1, 1), 0);
  EXPECT_LT(api.OpenModbusSerial(nullptr, kSerialBaud, 8, 'N', 1, 1), 0);
  EXPECT_LT(api.OpenModbusSerial((home.Root() / "absent").c_str(), kSerialBaud, 8, 'N', 1, 1), 0);
}

}  // namespace
}  // namespace gw::test
