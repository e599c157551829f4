// Where each block sits in a node record and in a parameter file, and the
// shortest reply that may fill it.
#include <gtest/gtest.h>

#include "model/BlockTable.h"
#include "model/NodeRecord.h"
#include "model/ParameterFile.h"

namespace gw {
namespace {

TEST(RecordLayout, BlockPlacesInRecordAndFileAndMinimumReplyLengths) {
  EXPECT_EQ(NodeRecord::kSize, 7932u);
  EXPECT_EQ(sizeof(NodeRecord), 7932u);
  // Selected, Online, then the 36-byte header: block 0 starts at 44. The
  // shortest replies the tool takes include some odd ones.
  const struct {
    int block;
    std::size_t inRecord, minReply, inFile;
  } expected[] = {{0, 44, 64, 40},        {1, 124, 372, 120},     {2, 460, 680, 456},
                  {4, 1104, 56, 560},     {6, 1124, 108, 580},    {8, 1196, 172, 652},
                  {9, 1364, 540, 820},    {10, 1868, 46, 1324},   {11, 1880, 168, 1334},
                  {13, 2008, 120, 1462},  {44, 2092, 1044, 1546}, {47, 3100, 1244, 2554},
                  {48, 4308, 1244, 3762}, {49, 5516, 1244, 4970}, {50, 6724, 1244, 6178}};
  NodeRecord record;
  for (const auto& e : expected) {
    SCOPED_TRACE("block " + std::to_string(e.block));
    const BlockInfo* b = FindBlock(e.block);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->recordOffset, e.inRecord);
    EXPECT_EQ(b->minReplyLength, e.minReply);
    EXPECT_EQ(record.Block(e.block).data(), record.All().data() + e.inRecord);
    // Mark the first byte of the block and see where the file puts it.
    record.Clear();
    record.Block(e.block)[0] = 0xA5;
    const auto file = EncodeParameterFile(record);
    ASSERT_EQ(file.size(), 7386u);
    EXPECT_EQ(file[e.inFile], 0xA5);
  }
  EXPECT_EQ(FindBlock(3), nullptr);
  EXPECT_EQ(FindBlock(51), nullptr);
  EXPECT_TRUE(record.Block(3).empty());
}

}  // namespace
}  // namespace gw
