// PortLink over a serial line: a pseudo-terminal mapped as COM7 in
// PortLink.ini, with the test on the other side.
#include <gtest/gtest.h>
#include <termios.h>

#include <cerrno>
#include <thread>

#include "PlatformFixtures.h"
#include "platform/util/SerialFormat.h"

namespace gw::test {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kCapacity = 1536;

class PortLinkSerialTest : public ::testing::Test {
 protected:
  LinkHome home;
  Pty line;
  PortLinkApi& api = PortLink();
  Bytes buffer = Bytes(kCapacity);

  void SetUp() override {
    home.WritePortLinkIni(
        "[PortLink]\nCommType=0\nCOMPort=7\n[COMPorts]\nCOM7=" + line.DevicePath() + "\n");
    ASSERT_EQ(api.OpenSerialEx(api.GetCOMPortNum(), platform::kConfigBaud, 8, 'N', 1), 0);
  }
  void TearDown() override {
    api.CloseSerial();
    api.ResetSerialErr();
  }

  Bytes Receive(int capacity = kCapacity) {
    const int got = api.RecvData(buffer.data(), capacity);
    return got > 0 ? Bytes(buffer.begin(), buffer.begin() + got) : Bytes{};
  }
  // Receives while another thread writes the pieces, each after `pause`.
  Bytes ReceiveWhileWriting(const std::vector<Bytes>& pieces, milliseconds pause) {
    std::thread sender([&] {
      for (const Bytes& piece : pieces) {
        std::this_thread::sleep_for(pause);
        line.Write(piece);
      }
    });
    const Bytes got = Receive();
    sender.join();
    return got;
  }
  termios LineSettings() const {
    termios settings{};
    tcgetattr(line.Device(), &settings);
    return settings;
  }
};

TEST_F(PortLinkSerialTest, OneReceiveTakesOneFrame) {
  const std::pair<Bytes, std::vector<Bytes>> cases[] = {
      {{0xC0, 0x01, 0xDB, 0xDC, 0x02, 0xC0}, {{0xC0, 0x01, 0xDB, 0xDC, 0x02, 0xC0}}},
      // What follows a frame is kept for the next receive.
      {{0xC0, 0x11, 0xC0, 0xC0, 0x22, 0x23, 0xC0}, {{0xC0, 0x11, 0xC0}, {0xC0, 0x22, 0x23, 0xC0}}},
      {{0xC0, 0xC0, 0x11, 0xC0}, {{0xC0, 0x11, 0xC0}}},  // a repeated opening delimiter
      {{0x41, 0xC0, 0x42}, {{0x41, 0xC0, 0x42}}},        // unframed bytes end at silence
      // Noise comes with the frame after it, which still ends at its delimiter.
      {{0x41, 0xC0, 0x11, 0xC0, 0xC0, 0x22, 0xC0}, {{0x41, 0xC0, 0x11, 0xC0}, {0xC0, 0x22, 0xC0}}},
  };
  for (const auto& [written, receives] : cases) {
    SCOPED_TRACE(::testing::PrintToString(written));
    line.Write(written);
    for (const Bytes& expected : receives) EXPECT_EQ(Receive(), expected);
  }
  // The capacity cuts a long frame.
  line.Write(Bytes{0xC0, 0x01, 0x02, 0x03, 0xC0});
  EXPECT_EQ(Receive(3), (Bytes{0xC0, 0x01, 0x02}));
  EXPECT_EQ(Receive(), (Bytes{0x03, 0xC0}));
}

TEST_F(PortLinkSerialTest, SilenceEndsAnUnclosedFrameAndTwoSecondsWithoutAByteEndTheWait) {
  line.Write(Bytes{0xC0, 0x01, 0x02});
  auto start = Clock::now();
  EXPECT_EQ(Receive(), (Bytes{0xC0, 0x01, 0x02}));
  EXPECT_GE(Clock::now() - start, milliseconds(90));
  EXPECT_LT(Clock::now() - start, milliseconds(1000));
  start = Clock::now();
  EXPECT_EQ(api.RecvData(buffer.data(), kCapacity), 0);
  EXPECT_GE(Clock::now() - start, milliseconds(1950));
  EXPECT_LT(Clock::now() - start, milliseconds(3000));
}

TEST_F(PortLinkSerialTest, WaitsForTheFirstByteAndJoinsAFrameArrivingInPieces) {
  // A reply that starts later than the silence that ends a frame still comes.
  EXPECT_EQ(ReceiveWhileWriting({{0xC0, 0x05, 0xC0}}, milliseconds(300)),
            (Bytes{0xC0, 0x05, 0xC0}));
  EXPECT_EQ(ReceiveWhileWriting({{0xC0, 0x01, 0x02}, {0x03, 0xC0}}, milliseconds(40)),
            (Bytes{0xC0, 0x01, 0x02, 0x03, 0xC0}));
}

TEST_F(PortLinkSerialTest, SendWritesTheBytesAndReadSelectTellsWaitingBytes) {
  const Bytes frame{0xC0, 0x10, 0x20, 0xC0};
  ASSERT_EQ(api.SendData(frame.data(), 4), 4);
  EXPECT_EQ(line.Read(4, milliseconds(1000)), frame);

  const auto start = Clock::now();
  EXPECT_EQ(api.ReadSelect(50), 0);
  EXPECT_GE(Clock::now() - start, milliseconds(45));
  line.Write(Bytes{0xC0});
  EXPECT_GT(api.ReadSelect(1000), 0);
}

TEST_F(PortLinkSerialTest, LineIsRawAtTheGivenFormat) {
  termios settings = LineSettings();
  EXPECT_EQ(cfgetospeed(&settings), B19200);
  EXPECT_EQ(settings.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(settings.c_cflag & (PARENB | CSTOPB), 0U);
  EXPECT_EQ(settings.c_lflag & (ICANON | ECHO), 0U);

  // A pseudo-terminal keeps speed and stop bits but always carries 8 bits
  // without parity, so those two cannot be seen here.
  ASSERT_EQ(api.OpenSerialEx(7, 9600, 7, 'E', 2), 0);
  settings = LineSettings();
  EXPECT_EQ(cfgetospeed(&settings), B9600);
  EXPECT_EQ(settings.c_cflag & CSTOPB, static_cast<tcflag_t>(CSTOPB));

  ASSERT_EQ(api.OpenSerial(7), 0);
  settings = LineSettings();
  EXPECT_EQ(cfgetospeed(&settings), B19200);
  EXPECT_EQ(settings.c_cflag & CSTOPB, 0U);
}

TEST_F(PortLinkSerialTest, OpenFailuresAreReported) {
  EXPECT_LT(api.OpenSerialEx(7, 12345, 8, 'N', 1), 0);
  EXPECT_EQ(api.GetLastSerialErr(), EINVAL);
  EXPECT_LT(api.OpenSerialEx(7, platform::kConfigBaud, 8, 'X', 1), 0);
  EXPECT_LT(api.OpenSerialEx(0, platform::kConfigBaud, 8, 'N', 1), 0);

  PortLinkMore().SetCOMPortDevice(8, (home.Root() / "absent").c_str());
  EXPECT_LT(api.OpenSerialEx(8, platform::kConfigBaud, 8, 'N', 1), 0);
  EXPECT_EQ(api.GetLastSerialErr(), ENOENT);

  // A plain file is no serial line.
  PortLinkMore().SetCOMPortDevice(9, (home.ConfigDir() / "PortLink.ini").c_str());
  EXPECT_LT(api.OpenSerialEx(9, platform::kConfigBaud, 8, 'N', 1), 0);
  EXPECT_EQ(api.GetLastSerialErr(), ENOTTY);
}

// Both transports read the parity argument this way; a pseudo-terminal cannot
// show the parity a line was given.
TEST(SerialFormat, ParityArgumentForms) {
  using platform::Parity;
  const std::pair<int, std::optional<Parity>> cases[] = {
      {'N', Parity::None}, {'n', Parity::None}, {0, Parity::None},   {'O', Parity::Odd},
      {'o', Parity::Odd},  {1, Parity::Odd},    {'E', Parity::Even}, {'e', Parity::Even},
      {2, Parity::Even},   {'X', std::nullopt}, {3, std::nullopt},   {-1, std::nullopt}};
  for (const auto& [argument, parity] : cases) {
    EXPECT_EQ(platform::ParityOf(argument), parity) << argument;
    if (parity) {
      EXPECT_EQ(platform::ParityOf(platform::ParityLetter(*parity)), parity);
    }
  }
}

}  // namespace
}  // namespace gw::test
