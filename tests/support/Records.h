#pragma once
// Building blocks for tests: records filled from a seed, and module headers.

#include <cstdint>
#include <random>
#include <vector>

#include "model/NodeRecord.h"

namespace gw::test {

// Every byte of the record from a seeded generator (Selected and Online too).
inline void FillRandom(NodeRecord& record, std::uint32_t seed) {
  std::mt19937 gen(seed);
  for (auto& b : record.All()) b = static_cast<std::uint8_t>(gen());
}

// A reply header of this module type with the given identity.
inline std::vector<std::uint8_t> ModuleHeader(std::uint8_t macTail, std::uint16_t moduleNumber,
                                              std::uint16_t firmware = 0x0155,
                                              std::uint16_t moduleType = kModuleTypeNxg) {
  std::vector<std::uint8_t> h(hdr::kSize, 0);
  StoreBE16(h, hdr::ModuleType, moduleType);
  StoreBE16(h, hdr::HeaderVersion, 1);
  const std::uint8_t mac[6] = {0x00, 0x60, 0xE9, 0x10, 0x20, macTail};
  std::copy(std::begin(mac), std::end(mac), h.begin() + hdr::MacAddress);
  StoreBE16(h, hdr::ModuleNumber, moduleNumber);
  StoreBE16(h, hdr::FirmwareVersion, firmware);
  StoreBE16(h, hdr::LockState, kLockStateUnlocked);
  return h;
}

}  // namespace gw::test
