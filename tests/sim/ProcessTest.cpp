// The real nxgsim program, over UDP on its own loopback address and on its
// modules' addresses, and over a pseudo-terminal, spoken to by a small raw
// client.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

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

// A UDP socket on address:port without SO_REUSEADDR: it binds only while no
// one else (nxgsim's sockets have SO_REUSEADDR) holds that address; -1 then.
int BindAlone(std::uint32_t address, std::uint16_t port) {
  const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  sockaddr_in at{};
  at.sin_family = AF_INET;
  at.sin_port = htons(port);
  at.sin_addr.s_addr = htonl(address);
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&at), sizeof at) == 0) return fd;
  ::close(fd);
  return -1;
}

// Sends `requests` to `to` one after another and takes the replies through
// the one to the last request: "id:number from address" each. One socket
// takes requests in order, so a stray reply to an earlier one shows here.
std::vector<std::string> Replies(UdpPeer& client, std::uint32_t to,
                                 const std::vector<std::vector<std::uint8_t>>& requests) {
  for (const auto& r : requests) client.SendTo(to, kPort, r);
  std::vector<std::string> got;
  while (const auto d = client.Receive(kReplyWait)) {
    const std::uint32_t id = Be32(d->bytes, kId);
    got.push_back(std::to_string(id) + ":" + std::to_string(Be16(d->bytes, kNumber)) + " from " +
                  gw::test::DottedText(ntohl(d->from.sin_addr.s_addr)));
    if (id == Be32(requests.back(), kId)) break;
  }
  return got;
}

TEST_F(NxgsimProgram, EachModuleAnswersOnItsOwnAddressAndFollowsItWhenItChanges) {
  using gw::test::Ipv4;
  using Got = std::vector<std::string>;
  // Someone else holds module 4's address.
  const int holder = BindAlone(Ipv4(127, 1, 214, 4), kPort);
  ASSERT_GE(holder, 0);
  SimProcess sim({"--address", "127.0.0.214", "--modules", "4", "--ip-base", "127.1.214.1",
                  "--modbus-port", "0"});
  ASSERT_TRUE(sim.WaitReady());
  EXPECT_EQ(sim.CountLogLines("nxgsim: cannot listen on 127.1.214.4:20006: Address already in "
                              "use; the modules with IpAddress 127.1.214.4 answer on "
                              "127.0.0.214:20006 only"),
            1u)
      << sim.Log();
  UdpPeer client(gw::test::Loopback(1), 0);
  const std::uint32_t own = gw::test::Loopback(214);
  // The simulator's own address finds every module.
  client.SendTo(own, kPort, kSearch);
  std::map<int, Mac> mac;
  for (int k = 0; k < 4; ++k) {
    const auto reply = client.ReceiveBytes(kReplyWait);
    ASSERT_EQ(reply.size(), 116u);
    mac[Be16(reply, kNumber)] = MacOf(reply);
  }
  ASSERT_EQ(mac.size(), 4u);
  const auto Read = [&](std::uint32_t id, int module) {
    return Request(0x0002, id, mac[module], 11);
  };
  // A module's own address: a search finds it alone, a read for it is
  // answered from there, one for another module is not.
  const std::uint32_t second = Ipv4(127, 1, 214, 2);
  EXPECT_EQ(Replies(client, second, {Request(0x0000, 10), Read(11, 2)}),
            (Got{"10:2 from 127.1.214.2", "11:2 from 127.1.214.2"}));
  EXPECT_EQ(Replies(client, second, {Read(12, 1), Read(13, 2)}), Got{"13:2 from 127.1.214.2"});
  // A new IpAddress (mask bit 30) moves module 3 there and frees the old one.
  auto move = Write(14, mac[3], 0, 80, 0x40000000);
  PutBe32(move, kHeader + 36, Ipv4(127, 1, 214, 30));
  EXPECT_EQ(Replies(client, own, {move}), Got{"14:3 from 127.0.0.214"});
  EXPECT_EQ(Replies(client, Ipv4(127, 1, 214, 30), {Request(0x0000, 15)}),
            Got{"15:3 from 127.1.214.30"});
  const int freed = BindAlone(Ipv4(127, 1, 214, 3), kPort);
  EXPECT_GE(freed, 0);
  // An address off loopback is not listened on; the module still answers on ours.
  move = Write(16, mac[1], 0, 80, 0x40000000);
  PutBe32(move, kHeader + 36, Ipv4(10, 9, 8, 7));
  EXPECT_EQ(Replies(client, own, {move, Read(17, 1)}),
            (Got{"16:1 from 127.0.0.214", "17:1 from 127.0.0.214"}));
  EXPECT_EQ(sim.CountLogLines("cannot listen on 10.9.8.7:20006: not a loopback address"), 1u)
      << sim.Log();
  EXPECT_EQ(sim.Stop(), 0);
  ::close(freed);
  ::close(holder);
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
