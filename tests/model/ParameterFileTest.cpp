// Export and import of one node's parameters.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "model/FileIo.h"
#include "model/ParameterFile.h"
#include "model/ParameterTransfer.h"
#include "support/RecordingUi.h"
#include "support/Records.h"

namespace gw {
namespace {

NodeRecord RandomNode(std::uint32_t seed, std::uint16_t firmware = 0x0155) {
  NodeRecord r;
  test::FillRandom(r, seed);
  StoreBE16(r.Header(), hdr::ModuleType, kModuleTypeNxg);
  StoreBE16(r.Header(), hdr::FirmwareVersion, firmware);
  return r;
}

// Bytes of a block that the file does not hold.
bool NotInFile(int block, std::size_t offset) {
  if (block == 2) return offset >= 4 && (offset - 4) % 64 >= 10;
  if (block == 10) return offset >= 10;
  return false;
}

TEST(ParameterFile, RoundTripReproducesEveryFieldTheFileHolds) {
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    const NodeRecord source = RandomNode(seed);
    const auto file = EncodeParameterFile(source);
    ASSERT_EQ(file.size(), 7386u);
    EXPECT_EQ(LoadBE16(file, 0), 0xF200);
    EXPECT_EQ(LoadBE16(file, 2), 0x0155);

    // Import into another module of the same type and firmware.
    NodeRecord target = RandomNode(seed + 100);
    const NodeRecord targetBefore = target;
    ASSERT_EQ(ImportParameterFile(target, file), ImportStatus::Imported);

    // The node keeps its identity: MAC, lock state, login key.
    for (std::size_t i = 0; i < hdr::kSize; ++i) {
      const bool identity = (i >= hdr::MacAddress && i < hdr::MacAddress + 6) ||
                            (i >= hdr::LockState && i < hdr::LoginKey + 4);
      EXPECT_EQ(target.Header()[i], identity ? targetBefore.Header()[i] : source.Header()[i])
          << "header byte " << i;
    }
    for (const BlockInfo& b : kBlocks) {
      const ConstBytes got = target.Block(b);
      for (std::size_t i = 0; i < b.size; ++i) {
        const std::uint8_t want =
            NotInFile(b.number, i) ? targetBefore.Block(b)[i] : source.Block(b)[i];
        ASSERT_EQ(got[i], want) << "block " << b.number << " byte " << i;
      }
    }
    // Selected and Online are not part of the file.
    EXPECT_EQ(target.Selected(), targetBefore.Selected());
    EXPECT_EQ(target.Online(), targetBefore.Online());
  }
}

TEST(ParameterFile, RefusalsLeaveTheRecordUnchanged) {
  NodeRecord node = RandomNode(7, 0x0155);
  const NodeRecord before = node;
  NodeRecord foreign = RandomNode(9, 0x0155);
  StoreBE16(foreign.Header(), hdr::ModuleType, 0xF100);
  auto truncated = EncodeParameterFile(RandomNode(10, 0x0155));
  truncated.resize(7385);
  const std::pair<std::vector<std::uint8_t>, ImportStatus> cases[] = {
      {EncodeParameterFile(RandomNode(8, 0x0154)), ImportStatus::FirmwareMismatch},
      {EncodeParameterFile(foreign), ImportStatus::ModuleTypeMismatch},
      {truncated, ImportStatus::TooShort},
      {{}, ImportStatus::TooShort}};
  for (const auto& [file, status] : cases) {
    EXPECT_EQ(ImportParameterFile(node, file), status) << file.size();
    EXPECT_EQ(node, before);
  }
}

TEST(ParameterFile, OldFirmwareFileHasNoIpv6Address) {
  // A block 0 read from firmware 1.54 leaves the IPv6 address zero; the file
  // keeps it so.
  NodeRecord node;
  StoreBE16(node.Header(), hdr::FirmwareVersion, 0x0154);
  std::fill_n(node.Block(0).begin(), 64, std::uint8_t{0x11});
  const auto file = EncodeParameterFile(node);
  for (std::size_t i = 40 + 64; i < 40 + 80; ++i) EXPECT_EQ(file[i], 0) << i;
  EXPECT_EQ(file[40 + 63], 0x11);
}

class ParameterTransferTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("gwmodel-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
    table.SetCount(1);
    table.Node(0) = RandomNode(42);
    table.SetCurrent(0);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  std::filesystem::path dir;
  NodeTable table;
  test::RecordingUi ui;
};

TEST_F(ParameterTransferTest, ExportThenImportThroughTheDialogs) {
  const std::string path = (dir / "unit.mod").string();
  ui.files = {path};
  ASSERT_TRUE(ExportParameters(table, ui));
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].defaultExtension, "mod");
  EXPECT_EQ(ui.dialogs[0].filter, "NXG4120 Config File (*.mod)|*.mod||");
  EXPECT_TRUE(ui.dialogs[0].confirmOverwrite);
  EXPECT_EQ(std::filesystem::file_size(path), 7386u);

  const NodeRecord exported = table.Node(0);
  table.Node(0).Block(11)[20] ^= 0xFF;
  ui.files = {path};
  ASSERT_TRUE(ImportParameters(table, ui));
  EXPECT_EQ(table.Node(0), exported);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ParameterTransferTest, CancelAndFileErrorsChangeNothing) {
  const NodeRecord before = table.Node(0);
  EXPECT_FALSE(ImportParameters(table, ui));  // cancelled
  EXPECT_FALSE(ExportParameters(table, ui));
  EXPECT_TRUE(ui.messages.empty());

  ui.files = {(dir / "missing.mod").string()};
  EXPECT_FALSE(ImportParameters(table, ui));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("was not found"), std::string::npos);

  const std::string shortFile = (dir / "short.mod").string();
  auto bytes = EncodeParameterFile(table.Node(0));
  bytes.resize(100);
  ASSERT_TRUE(WriteFileBytes(shortFile, bytes).ok);
  ui.files = {shortFile};
  EXPECT_FALSE(ImportParameters(table, ui));
  EXPECT_EQ(ui.messages.back(), "An attempt was made to access " + shortFile + " past its end.");

  const std::string oldFile = (dir / "old.mod").string();
  NodeRecord old = table.Node(0);
  StoreBE16(old.Header(), hdr::FirmwareVersion, 0x0154);
  ASSERT_TRUE(WriteFileBytes(oldFile, EncodeParameterFile(old)).ok);
  ui.files = {oldFile};
  EXPECT_FALSE(ImportParameters(table, ui));
  EXPECT_EQ(ui.messages.back(), "Firmware version dose not match");

  // A pipe is refused at once rather than waited on.
  const std::string pipe = (dir / "pipe.mod").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  ui.files = {pipe};
  EXPECT_FALSE(ImportParameters(table, ui));
  EXPECT_NE(ui.messages.back().find("is not a regular file"), std::string::npos);

  EXPECT_EQ(table.Node(0), before);

  // Export into a folder that does not exist: no file, no message.
  const auto count = ui.messages.size();
  ui.files = {(dir / "no" / "such.mod").string()};
  EXPECT_FALSE(ExportParameters(table, ui));
  EXPECT_EQ(ui.messages.size(), count);
}

}  // namespace
}  // namespace gw
