// The real nxgsim serves the device monitor's result registers over Modbus
// TCP on each module's address: libmodbus and Debian's mbpoll read the same
// values as the simulator's in-process twin made from the same arguments.
#include <arpa/inet.h>
#include <modbus/modbus.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <optional>

#include "CommandLine.h"
#include "SimTestSupport.h"
#include "model/RecordLayout.h"
#include "support/Mbpoll.h"
#include "support/SimHarness.h"
#include "support/TestHome.h"
#include "support/UdpPeer.h"

namespace gw::sim::test {
namespace {

using gw::test::DottedText;
using gw::test::Mbpoll;
using gw::test::SimProcess;
using Words = std::vector<std::uint16_t>;

// A Modbus TCP master that stays connected, as the tool's monitor does.
class ModbusClient {
 public:
  ModbusClient(const std::string& ip, std::uint16_t port)
      : context_(modbus_new_tcp(ip.c_str(), port)) {
    modbus_set_response_timeout(context_, 10, 0);  // a loaded machine is slow
    connected_ = modbus_connect(context_) == 0;
  }
  ~ModbusClient() {
    modbus_close(context_);
    modbus_free(context_);
  }
  ModbusClient(const ModbusClient&) = delete;
  ModbusClient& operator=(const ModbusClient&) = delete;

  // Function 3; nothing on an exception or a failure (see Error()).
  std::optional<Words> Read(int station, std::uint16_t start, std::uint16_t count) {
    Words out(count);
    modbus_set_slave(context_, station);
    const int n = connected_ ? modbus_read_registers(context_, start, count, out.data()) : -1;
    error_ = n == count ? 0 : errno;
    return n == count ? std::optional<Words>(out) : std::nullopt;
  }
  int Error() const { return error_; }

 private:
  modbus_t* context_;
  bool connected_ = false;
  int error_ = 0;
};

struct Range {
  std::uint16_t start, count;
};
constexpr Range kResultRanges[] = {{0x2108, 7}, {0x20FB, 7}, {0x235F, 7}, {0x22FB, 100}};

// The configuration folder aims at loopback, as the harness asks.
class NxgsimModbus : public ::testing::Test {
 protected:
  NxgsimModbus() { home.UseEthernet(gw::test::Loopback(212)); }
  gw::test::TempHome home;
};

TEST_F(NxgsimModbus, LibmodbusAndMbpollReadWhatEachModuleHolds) {
  // The factory tables hold 8 coils and 4 registers.
  const struct {
    std::vector<std::string> fault;
    std::uint16_t bitValidity, wordValidity;  // the first validity words
  } cases[] = {
      {{}, 0x00FF, 0x000F},
      {{"--fault", "invalid-points:3"}, 0x00F8, 0x0008},
      {{"--fault", "invalid-points"}, 0x0000, 0x0000},
  };
  for (const auto& c : cases) {
    const std::uint16_t port = gw::test::FreeTcpPort();
    ASSERT_NE(port, 0);
    std::vector<std::string> args = {
        "--address",     "127.0.0.212",        "--modules",     "2", "--seed", "9",
        "--modbus-port", std::to_string(port), "--modbus-step", "0"};
    args.insert(args.end(), c.fault.begin(), c.fault.end());
    std::string error;
    const auto options = ParseCommandLine(args, error);
    ASSERT_TRUE(options) << error;
    Simulator twin(options->settings, SimTime{0});
    SimProcess sim(args);
    ASSERT_TRUE(sim.WaitReady());
    for (std::size_t i = 0; i < twin.ModuleCount(); ++i) {
      const std::string ip = DottedText(twin.Module(i).Setup().ipAddress);
      const int station = LoadBE16(twin.Module(i).Stored(kSerialBlock), serial::StationAddress);
      SCOPED_TRACE(ip + " " + (c.fault.empty() ? "" : c.fault[1]));
      ModbusClient tool(ip, port);  // connected while mbpoll reads too
      for (const Range& r : kResultRanges) {
        const auto expected = twin.ReadRegisters(i, r.start, r.count, SimTime{0});
        ASSERT_TRUE(expected);
        EXPECT_EQ(tool.Read(station, r.start, r.count), expected) << modbus_strerror(tool.Error());
        std::string said;
        EXPECT_EQ(gw::test::Mbpoll(ip, port, station, r.start, r.count, said), expected) << said;
      }
      EXPECT_EQ(tool.Read(station, 0x2108, 1), Words{c.bitValidity});
      EXPECT_EQ(tool.Read(station, 0x235F, 1), Words{c.wordValidity});
      // Not a result register: an exception, and the module serves on.
      EXPECT_FALSE(tool.Read(station, 0x2102, 1));
      EXPECT_EQ(tool.Error(), EMBXILADD);
      EXPECT_TRUE(tool.Read(station, 0x22FB, 107));
    }
    EXPECT_EQ(sim.Stop(), 0);
  }
}

TEST_F(NxgsimModbus, APortInUseIsReportedAndTheRestIsServed) {
  const std::uint16_t port = gw::test::FreeTcpPort();
  ASSERT_NE(port, 0);
  // Someone else listens on module 1's address and port.
  const int holder = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in taken{};
  taken.sin_family = AF_INET;
  taken.sin_port = htons(port);
  taken.sin_addr.s_addr = htonl(gw::test::Ipv4(127, 1, 213, 1));
  ASSERT_EQ(::bind(holder, reinterpret_cast<const sockaddr*>(&taken), sizeof taken), 0);
  ASSERT_EQ(::listen(holder, 1), 0);
  SimProcess sim({"--address", "127.0.0.213", "--modules", "2", "--ip-base", "127.1.213.1",
                  "--modbus-port", std::to_string(port)});
  ASSERT_TRUE(sim.WaitReady());
  EXPECT_EQ(sim.CountLogLines("cannot serve Modbus TCP on 127.1.213.1:" + std::to_string(port) +
                              ": Address already in use; 1 of 2 modules"),
            1u)
      << sim.Log();
  ModbusClient second("127.1.213.2", port);
  EXPECT_TRUE(second.Read(1, 0x2108, 7));
  gw::test::UdpPeer client(gw::test::Loopback(1), 0);
  client.SendTo(gw::test::Loopback(213), kConfigPort, Request(0x0000, 0x0BAD));
  EXPECT_EQ(client.ReceiveBytes(std::chrono::seconds(10)).size(), 116u);
  EXPECT_EQ(sim.Stop(), 0);
  ::close(holder);
}

TEST_F(NxgsimModbus, AModuleGivenANewAddressServesThere) {
  const std::uint16_t port = gw::test::FreeTcpPort();
  ASSERT_NE(port, 0);
  SimProcess sim({"--address", "127.0.0.215", "--ip-base", "127.1.215.1", "--modbus-port",
                  std::to_string(port)});
  ASSERT_TRUE(sim.WaitReady());
  ModbusClient before("127.1.215.1", port);
  ASSERT_TRUE(before.Read(1, 0x2108, 7));
  // A search for the MAC, then a write of IpAddress (mask bit 30).
  gw::test::UdpPeer client(gw::test::Loopback(1), 0);
  client.SendTo(gw::test::Loopback(215), kConfigPort, Request(0x0000, 1));
  const auto found = client.ReceiveBytes(std::chrono::seconds(10));
  ASSERT_EQ(found.size(), 116u);
  auto move = Write(2, MacOf(found), 0, 80, 0x40000000);
  PutBe32(move, kHeader + 36, gw::test::Ipv4(127, 1, 215, 40));
  client.SendTo(gw::test::Loopback(215), kConfigPort, move);
  ASSERT_EQ(Be16(client.ReceiveBytes(std::chrono::seconds(10)), kCode), 0x0005);
  // Its clients went with the old address, which takes no new ones.
  EXPECT_FALSE(before.Read(1, 0x2108, 7));
  EXPECT_FALSE(ModbusClient("127.1.215.1", port).Read(1, 0x2108, 7));
  EXPECT_TRUE(ModbusClient("127.1.215.40", port).Read(1, 0x2108, 7)) << sim.Log();
  EXPECT_EQ(sim.Stop(), 0);
}

}  // namespace
}  // namespace gw::sim::test
