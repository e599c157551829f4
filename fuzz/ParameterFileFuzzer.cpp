// The parameter file (".mod") as Import and decode read it: a refused file
// leaves the node as it was; an imported one keeps the node's identity, and
// the node then exports as the file it came from; a decoded one shows every
// byte the file holds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzInput.h"
#include "model/ParameterFile.h"
#include "support/Records.h"

namespace {

using namespace gw;
using fuzz::Check;

// The node an import goes into: the seeds' module type and firmware, every
// other byte from a fixed seed.
const NodeRecord& ImportTarget() {
  static const NodeRecord node = [] {
    NodeRecord record;
    test::FillRandom(record, 7386);
    const auto header = test::ModuleHeader(fuzz::kNodeMacTail, fuzz::kNodeModuleNumber);
    std::ranges::copy(header, record.Header().begin());
    StoreBE16(record.Header(), hdr::LockState, kLockStateLocked);
    StoreBE32(record.Header(), hdr::LoginKey, 0x31323334);
    return record;
  }();
  return node;
}

// What EncodeParameterFile gives for a record read from `file`: the file's
// own bytes, its first four following the header it holds, and the identity
// fields of that header taken from `identity` when there is one.
std::vector<std::uint8_t> ExpectedFile(ConstBytes file, const NodeRecord* identity) {
  std::vector<std::uint8_t> expected(file.begin(), file.begin() + kParameterFileSize);
  const Bytes header = Bytes(expected).subspan(pfile::ReplyHeader, hdr::kSize);
  if (identity != nullptr) {
    const ConstBytes own = identity->Header();
    std::copy_n(own.begin() + hdr::MacAddress, hdr::kMacSize, header.begin() + hdr::MacAddress);
    StoreBE16(header, hdr::LockState, LoadBE16(own, hdr::LockState));
    StoreBE32(header, hdr::LoginKey, LoadBE32(own, hdr::LoginKey));
  }
  StoreBE16(expected, pfile::ModuleType, LoadBE16(header, hdr::ModuleType));
  StoreBE16(expected, pfile::FirmwareVersion, LoadBE16(header, hdr::FirmwareVersion));
  return expected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Exactly the input's size, so any read beyond it is caught.
  const std::vector<std::uint8_t> bytes(data, data + size);
  const ConstBytes file(bytes);
  const bool whole = size >= kParameterFileSize;

  const NodeRecord& before = ImportTarget();
  NodeRecord node = before;
  const ImportStatus status = ImportParameterFile(node, file);
  if (status == ImportStatus::Imported) {
    Check(whole);
    Check(EncodeParameterFile(node) == ExpectedFile(file, &before));
  } else {
    Check(node == before);
  }

  NodeRecord shown;
  Check(ReadParameterFile(shown, file) == whole);
  if (whole) Check(EncodeParameterFile(shown) == ExpectedFile(file, nullptr));
  return 0;
}
