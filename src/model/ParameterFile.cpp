#include "ParameterFile.h"

#include <algorithm>

namespace gw {

namespace {

// Visits every run of the record that the file holds, in file order, with its
// place in the file.
template <typename Visit>
void ForEachFileRun(Visit visit) {
  visit(record::ReplyHeader, pfile::ReplyHeader, hdr::kSize);
  std::size_t fileOffset = pfile::kFirstBlock;
  for (const auto& block : kBlocks) {
    for (const FileSegment& s : FileSegments(block)) {
      visit(block.recordOffset + s.offset, fileOffset, s.length);
      fileOffset += s.length;
    }
  }
}

}  // namespace

std::vector<std::uint8_t> EncodeParameterFile(const NodeRecord& record) {
  std::vector<std::uint8_t> file(kParameterFileSize, 0);
  const ConstBytes header = record.Header();
  StoreBE16(file, pfile::ModuleType, LoadBE16(header, hdr::ModuleType));
  StoreBE16(file, pfile::FirmwareVersion, LoadBE16(header, hdr::FirmwareVersion));
  const ConstBytes all = record.All();
  ForEachFileRun([&](std::size_t recordOffset, std::size_t fileOffset, std::size_t length) {
    std::copy_n(all.begin() + static_cast<std::ptrdiff_t>(recordOffset), length,
                file.begin() + static_cast<std::ptrdiff_t>(fileOffset));
  });
  return file;
}

ImportStatus ImportParameterFile(NodeRecord& record, ConstBytes file) {
  if (file.size() < 2) return ImportStatus::TooShort;
  if (LoadBE16(file, pfile::ModuleType) != record.ModuleType()) {
    return ImportStatus::ModuleTypeMismatch;
  }
  if (file.size() < 4) return ImportStatus::TooShort;
  if (LoadBE16(file, pfile::FirmwareVersion) != record.FirmwareVersion()) {
    return ImportStatus::FirmwareMismatch;
  }
  if (file.size() < kParameterFileSize) return ImportStatus::TooShort;

  // The node's identity stays its own, so that later writes still reach it.
  const ConstBytes own = record.Header();
  std::array<std::uint8_t, hdr::kMacSize> mac{};
  std::copy_n(own.begin() + hdr::MacAddress, mac.size(), mac.begin());
  const std::uint16_t lockState = LoadBE16(own, hdr::LockState);
  const std::uint32_t loginKey = LoadBE32(own, hdr::LoginKey);

  ReadParameterFile(record, file);

  Bytes header = record.Header();
  std::copy(mac.begin(), mac.end(), header.begin() + hdr::MacAddress);
  StoreBE16(header, hdr::LockState, lockState);
  StoreBE32(header, hdr::LoginKey, loginKey);
  return ImportStatus::Imported;
}

bool ReadParameterFile(NodeRecord& record, ConstBytes file) {
  if (file.size() < kParameterFileSize) return false;
  Bytes all = record.All();
  ForEachFileRun([&](std::size_t recordOffset, std::size_t fileOffset, std::size_t length) {
    std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(fileOffset), length,
                all.begin() + static_cast<std::ptrdiff_t>(recordOffset));
  });
  return true;
}

}  // namespace gw
