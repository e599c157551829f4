#include "platform/cfglib/CfgLib.h"

#include <string_view>

#include "platform/util/ByteStore.h"

namespace {

// The store's file in the configuration folder.
constexpr std::string_view kStoreFile = "CfgLib.dat";

}  // namespace

CCfgLib::CCfgLib() = default;

int CCfgLib::GetSerializeData(std::uint8_t* buffer) {
  return gw::platform::LoadBytes(kStoreFile, buffer, "CfgLib");
}

int CCfgLib::SetSerializeData(const std::uint8_t* data, int length) {
  return gw::platform::StoreBytes(kStoreFile, data, length, "CfgLib");
}
