#pragma once
// What makes one simulated module itself: identity, addresses, firmware,
// password, and the seed its other parameters are drawn from.

#include <cstdint>
#include <string>

#include "model/NodeRecord.h"

namespace gw::sim {

inline constexpr std::uint16_t kFirmwareLegacy = 0x0154;
inline constexpr std::uint16_t kFirmwareCurrent = 0x0155;
// The module type that --foreign-type and the other-type fault answer with.
inline constexpr std::uint16_t kForeignModuleType = 0xF300;

struct ModuleSetup {
  int index = 1;  // 1-based position on its address
  MacAddress mac{};
  std::uint16_t moduleNumber = 1;
  std::uint16_t moduleType = kModuleTypeNxg;
  std::uint16_t firmware = kFirmwareCurrent;
  std::string name;
  std::uint32_t ipAddress = 0;  // most significant octet first
  std::uint32_t netmask = 0xFFFFFF00;
  std::uint32_t gateway = 0;
  std::string password;  // at most 4 characters; empty: the module is not locked
  std::uint32_t seed = 1;
};

}  // namespace gw::sim
