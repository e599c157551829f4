// The real nxgsim program, over UDP on its own loopback address and over a
// pseudo-terminal, spoken to by a small raw client.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "SimTestSupport.h"
#include "support/SimHarness.h"
#include "support/TestHome.h"
#include "support/UdpPeer.h"

namespace gw::sim::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using gw::test::SimProcess;
using gw::test::UdpPeer;

const auto kSearch =
    Hex("F2 00 00 01  12 34 56 78  00 00  00 00 00 00 00 00  00 00  00 00  00 00 00 00"
        "00 00 00 00  00 00  00 00  00 00  00 00");

// A configuration folder of the test's own aimed at loopback, which the
// harness asks for before it starts nxgsim.
class NxgsimProgram : public ::testing::Test {
 protected:
  NxgsimProgram() { home.UseEthernet(gw::test::Loopback(211)); }
  static std::string Output(const SimProcess& sim) { return gw::test::ReadFile(sim.Dir() / "out"); }
  gw::test::TempHome home;
};

// The tool's end: a socket on 127.0.0.1; replies come within 10 s (a loaded
// machine under the sanitizers is slow).
constexpr std::chrono::seconds kReplyWait{10};
constexpr std::uint16_t kPort = 20006;

TEST_F(NxgsimProgram, AnswersOverUdpAndStopsOnSigterm) {
  SimProcess sim({"--address", "127.0.0.211", "--modules", "2", "--module-numbers", "2,1",
                  "--locked", "2", "--seed", "5"});
  ASSERT_TRUE(sim.WaitReady());
  EXPECT_EQ(sim.ReadyText(), "udp 127.0.0.211:20006\n");
  EXPECT_EQ(Output(sim), "ready\n");
  UdpPeer client(gw::test::Loopback(1), 0);
  client.SendTo(gw::test::Loopback(211), kPort, kSearch);
  std::vector<std::vector<std::uint8_t>> replies = {client.ReceiveBytes(kReplyWait),
                                                    client.ReceiveBytes(kReplyWait)};
  std::sort(replies.begin(), replies.end(),
            [](const auto& a, const auto& b) { return Be16(a, kNumber) < Be16(b, kNumber); });
  ASSERT_EQ(replies[0].size(), 116u);
  ASSERT_EQ(replies[1].size(), 116u);
  EXPECT_EQ(Be32(replies[0], kId), 0x12345678u);
  EXPECT_EQ(Be16(replies[0], kCode), 0x0001);
  EXPECT_EQ(Be16(replies[0], kNumber), 1);
  EXPECT_EQ(Be16(replies[1], kNumber), 2);
  EXPECT_EQ(Be16(replies[0], kLock), 1);  // module 2 of the command line
  EXPECT_NE(MacOf(replies[0]), MacOf(replies[1]));
  // A read addressed to one of them.
  client.SendTo(gw::test::Loopback(211), kPort, Request(0x0002, 77, MacOf(replies[1]), 11));
  const auto read = client.ReceiveBytes(kReplyWait);
  EXPECT_EQ(read.size(), 168u);
  EXPECT_EQ(MacOf(read), MacOf(replies[1]));
  EXPECT_EQ(sim.Stop(), 0);
  EXPECT_FALSE(fs::exists(sim.Dir() / "ready"));
}

TEST_F(NxgsimProgram, SimulatorsShareTheWildcardForBroadcasts) {
  // A port of their own keeps other simulators out of this test.
  SimProcess a({"--address", "0.0.0.0", "--port", "20917", "--mac-base", "00:60:E9:77:00:01"});
  SimProcess b({"--address", "0.0.0.0", "--port", "20917", "--mac-base", "00:60:E9:77:00:02"});
  ASSERT_TRUE(a.WaitReady());
  ASSERT_TRUE(b.WaitReady());
  UdpPeer client(gw::test::Loopback(1), 0);
  client.SendTo(0x7FFFFFFFU, 20917, kSearch);  // 127.255.255.255
  std::vector<Mac> macs = {MacOf(client.ReceiveBytes(kReplyWait)),
                           MacOf(client.ReceiveBytes(kReplyWait))};
  std::sort(macs.begin(), macs.end());
  EXPECT_EQ(macs[0], (Mac{0x00, 0x60, 0xE9, 0x77, 0x00, 0x01}));
  EXPECT_EQ(macs[1], (Mac{0x00, 0x60, 0xE9, 0x77, 0x00, 0x02}));
  EXPECT_EQ(a.Stop(), 0);
  EXPECT_EQ(b.Stop(), 0);
}

// Reads one frame (through its closing 0xC0) from a serial line, or nothing
// after 10 s.
std::vector<std::uint8_t> ReadFrame(int fd) {
  std::vector<std::uint8_t> frame;
  const auto until = Clock::now() + std::chrono::seconds(10);
  while (Clock::now() < until) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 100) <= 0) continue;
    std::uint8_t b[256];
    const ssize_t n = ::read(fd, b, sizeof b);
    for (ssize_t i = 0; i < n; ++i) {
      if (frame.empty() && b[i] != 0xC0) continue;
      frame.push_back(b[i]);
      if (frame.size() > 1 && b[i] == 0xC0) return frame;
    }
  }
  return {};
}

TEST_F(NxgsimProgram, AnswersOverAPacedPseudoTerminal) {
  SimProcess sim({"--serial", "--pace", "--link", "{dir}/line", "--mac-base", "00:60:E9:C0:DB:01",
                  "--module-numbers", "9"});
  ASSERT_TRUE(sim.WaitReady());
  const std::string path = sim.SerialDevice();
  ASSERT_EQ(path.rfind("/dev/pts/", 0), 0u) << sim.ReadyText();
  EXPECT_NE(Output(sim).find("serial " + path + "\n"), std::string::npos);
  const fs::path link = sim.Dir() / "line";
  EXPECT_EQ(fs::read_symlink(link), path);
  const int fd = ::open(link.c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  termios raw{};
  ::tcgetattr(fd, &raw);
  ::cfmakeraw(&raw);
  ::tcsetattr(fd, TCSANOW, &raw);
  // Line noise first, then the search.
  auto request = Hex("00 11 C0 F2 00 00 01 12 34 56 78 00 00");
  request.resize(request.size() + 26, 0);
  request.push_back(0xF9);
  request.push_back(0xC0);
  const auto start = Clock::now();
  ASSERT_EQ(::write(fd, request.data(), request.size()), static_cast<ssize_t>(request.size()));
  const auto frame = ReadFrame(fd);
  const auto took = Clock::now() - start;
  ::close(fd);
  // Header with the MAC stuffed, then the block: 116 bytes, the checksum,
  // two stuffed MAC bytes and the delimiters.
  ASSERT_GE(frame.size(), 116u + 1 + 2 + 2) << "what nxgsim saw:\n" << sim.Log();
  EXPECT_EQ(std::vector<std::uint8_t>(frame.begin(), frame.begin() + 21),
            Hex("C0 F2 00 00 01 12 34 56 78 00 01 00 60 E9 DB DC DB DD 01 00 00"));
  const auto decoded = Unstuff(frame);
  EXPECT_EQ(decoded.size(), 117u);
  EXPECT_EQ(Sum(decoded), 0);
  // About 120 bytes at 1920 bytes/s take more than 50 ms.
  EXPECT_GE(took, std::chrono::milliseconds(50));
  EXPECT_EQ(sim.Stop(), 0);
  EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
  EXPECT_NE(sim.Log().find("<- search"), std::string::npos);
}

}  // namespace
}  // namespace gw::sim::test
