// CfgLib: the byte store behind the host's node list commands.
#include "platform/cfglib/CfgLib.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <fstream>
#include <thread>

#include "PlatformFixtures.h"

namespace gw::test {
namespace {

constexpr std::size_t kCapacity = 10240;

class CfgLibTest : public ::testing::Test {
 protected:
  TempHome home;
  CCfgLib store;
  std::array<std::uint8_t, kCapacity> buffer{};

  Bytes Load() {
    const int count = store.GetSerializeData(buffer.data());
    return Bytes(buffer.begin(), buffer.begin() + std::max(count, 0));
  }
};

TEST_F(CfgLibTest, StoredBytesComeBackInAFreshObject) {
  EXPECT_EQ(store.GetSerializeData(buffer.data()), 0);  // nothing stored yet
  const Bytes data{0x00, 0xFF, 0x10, 0x00, 0x7F};
  EXPECT_EQ(store.SetSerializeData(data.data(), 5), 5);
  CCfgLib other;
  ASSERT_EQ(other.GetSerializeData(buffer.data()), 5);
  EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 5), data);
  EXPECT_TRUE(std::filesystem::exists(home.ConfigDir() / "CfgLib.dat"));

  const Bytes full(kCapacity, 0xA5);
  EXPECT_EQ(store.SetSerializeData(full.data(), static_cast<int>(kCapacity)),
            static_cast<int>(kCapacity));
  EXPECT_EQ(Load(), full);

  EXPECT_EQ(store.SetSerializeData(nullptr, 0), 0);
  EXPECT_EQ(Load(), Bytes{});
}

TEST_F(CfgLibTest, WhatDoesNotFitIsRefusedAndAnOversizedFileReadsAsNothing) {
  const Bytes data{1, 2, 3};
  ASSERT_EQ(store.SetSerializeData(data.data(), 3), 3);
  const Bytes tooLong(kCapacity + 1, 0x11);
  EXPECT_EQ(store.SetSerializeData(tooLong.data(), static_cast<int>(tooLong.size())), -1);
  EXPECT_EQ(store.SetSerializeData(data.data(), -1), -1);
  EXPECT_EQ(store.SetSerializeData(nullptr, 3), -1);
  EXPECT_EQ(Load(), data);
  std::ofstream(home.ConfigDir() / "CfgLib.dat") << std::string(kCapacity + 1, 'x');
  EXPECT_EQ(store.GetSerializeData(buffer.data()), 0);
}

// A reader running beside the writer sees one whole content or the other.
TEST_F(CfgLibTest, ReadersNeverSeeATornFile) {
  const Bytes first(kCapacity, 0xAA);
  const Bytes second(4000, 0x55);
  ASSERT_EQ(store.SetSerializeData(first.data(), static_cast<int>(first.size())),
            static_cast<int>(first.size()));
  std::atomic<bool> done{false};
  std::atomic<int> torn{0};
  std::atomic<int> reads{0};
  std::thread reader([&] {
    CCfgLib own;
    std::array<std::uint8_t, kCapacity> seen{};
    while (!done) {
      const int count = own.GetSerializeData(seen.data());
      const Bytes got(seen.begin(), seen.begin() + std::max(count, 0));
      if (got != first && got != second) ++torn;
      ++reads;
    }
  });
  for (int round = 0; round < 60; ++round) {
    const Bytes& data = round % 2 == 0 ? second : first;
    store.SetSerializeData(data.data(), static_cast<int>(data.size()));
  }
  while (reads < 20) std::this_thread::yield();
  done = true;
  reader.join();
  EXPECT_EQ(torn, 0);
  EXPECT_EQ(EntryCount(home.ConfigDir()), 1);  // no temporary file left behind
}

}  // namespace
}  // namespace gw::test
