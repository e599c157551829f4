#pragma once
// A small byte store kept in one file of the configuration folder: the
// host's serialized node list (CfgLib) and PortLink's serialize data.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace gw::platform {

// The most bytes a store keeps.
inline constexpr std::size_t kByteStoreCapacity = 10240;

// Replaces the bytes stored in the file `name` (created readable by its owner
// only) under the folder's update lock, creating the configuration folder
// when needed. Returns `length`, or -1 when the bytes cannot be kept
// (negative or too long, no data, or the file cannot be written); then the
// previous content stays and `owner` says why on stderr.
int StoreBytes(std::string_view name, const std::uint8_t* data, int length, std::string_view owner);

// Copies the stored bytes into `buffer`, which holds kByteStoreCapacity bytes,
// and returns their number. A missing file holds 0 bytes; an unreadable or
// oversized one also gives 0, with a message from `owner` on stderr.
int LoadBytes(std::string_view name, std::uint8_t* buffer, std::string_view owner);

}  // namespace gw::platform
