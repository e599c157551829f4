#include "BlockTable.h"

namespace gw {

namespace {

constexpr std::array<FileSegment, 1 + recipients::kCount> MakeRecipientSegments() {
  // The file keeps the change mask and the first 10 bytes of each address.
  std::array<FileSegment, 1 + recipients::kCount> s{};
  s[0] = {kChangeMask, 4};
  for (std::size_t r = 0; r < recipients::kCount; ++r) {
    s[r + 1] = {recipients::Addresses + r * recipients::kAddressSize, 10};
  }
  return s;
}

constexpr auto kRecipientSegments = MakeRecipientSegments();

}  // namespace

const BlockInfo* FindBlock(int number) {
  for (const auto& b : kBlocks) {
    if (b.number == number) return &b;
  }
  return nullptr;
}

std::span<const FileSegment> FileSegments(const BlockInfo& block) {
  // Every other block is kept whole, or (the alarm block) cut at fileSize.
  static const std::array<FileSegment, kBlocks.size()> whole = [] {
    std::array<FileSegment, kBlocks.size()> w{};
    for (std::size_t i = 0; i < kBlocks.size(); ++i) w[i] = {0, kBlocks[i].fileSize};
    return w;
  }();
  if (block.number == kMailRecipientBlock) return kRecipientSegments;
  const auto index = static_cast<std::size_t>(&block - kBlocks.data());
  return {&whole[index], 1};
}

}  // namespace gw
