// The record and file layouts against the published tables.
#include <gtest/gtest.h>

#include "model/BlockTable.h"
#include "model/NodeRecord.h"
#include "model/ParameterFile.h"

namespace gw {
namespace {

TEST(RecordLayout, RecordSizeAndBlockPlaces) {
  EXPECT_EQ(NodeRecord::kSize, 7932u);
  EXPECT_EQ(sizeof(NodeRecord), 7932u);
  // Selected, Online, then the 36-byte header: block 0 starts at 44.
  const std::pair<int, std::size_t> expected[] = {
      {0, 44},     {1, 124},    {2, 460},    {4, 1104},   {6, 1124},
      {8, 1196},   {9, 1364},   {10, 1868},  {11, 1880},  {13, 2008},
      {44, 2092},  {47, 3100},  {48, 4308},  {49, 5516},  {50, 6724}};
  for (auto [number, offset] : expected) {
    const BlockInfo* b = FindBlock(number);
    ASSERT_NE(b, nullptr) << number;
    EXPECT_EQ(b->recordOffset, offset) << "block " << number;
  }
  EXPECT_EQ(FindBlock(3), nullptr);
  EXPECT_EQ(FindBlock(51), nullptr);
}

TEST(RecordLayout, MinimumReplyLengthsIncludingTheOddOnes) {
  const std::pair<int, std::size_t> expected[] = {
      {0, 64},   {1, 372},   {2, 680},   {4, 56},    {6, 108},   {8, 172},   {9, 540},
      {10, 46},  {11, 168},  {13, 120},  {44, 1044}, {47, 1244}, {50, 1244}};
  for (auto [number, minimum] : expected) {
    EXPECT_EQ(FindBlock(number)->minReplyLength, minimum) << "block " << number;
  }
}

TEST(RecordLayout, ParameterFilePlaces) {
  NodeRecord record;
  // Mark the first byte of each block and see where the file puts it.
  const std::pair<int, std::size_t> expected[] = {
      {0, 40},     {1, 120},    {2, 456},    {4, 560},    {6, 580},    {8, 652},
      {9, 820},    {10, 1324},  {11, 1334},  {13, 1462},  {44, 1546},  {47, 2554},
      {48, 3762},  {49, 4970},  {50, 6178}};
  for (auto [number, offset] : expected) {
    record.Clear();
    record.Block(number)[0] = 0xA5;
    const auto file = EncodeParameterFile(record);
    ASSERT_EQ(file.size(), 7386u);
    EXPECT_EQ(file[offset], 0xA5) << "block " << number;
  }
}

}  // namespace
}  // namespace gw
