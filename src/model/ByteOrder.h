#pragma once
// Load and store helpers for the fixed-width fields of frames, records and
// files. Wire and record fields are big-endian; the few integers that belong
// to the tool itself (node count, Selected, Online) are little-endian.

#include <cstddef>
#include <cstdint>
#include <span>

namespace gw {

using Bytes = std::span<std::uint8_t>;
using ConstBytes = std::span<const std::uint8_t>;

inline std::uint16_t LoadBE16(ConstBytes b, std::size_t off) {
  return static_cast<std::uint16_t>((b[off] << 8) | b[off + 1]);
}
inline std::uint32_t LoadBE32(ConstBytes b, std::size_t off) {
  return (std::uint32_t{b[off]} << 24) | (std::uint32_t{b[off + 1]} << 16) |
         (std::uint32_t{b[off + 2]} << 8) | std::uint32_t{b[off + 3]};
}
inline void StoreBE16(Bytes b, std::size_t off, std::uint16_t v) {
  b[off] = static_cast<std::uint8_t>(v >> 8);
  b[off + 1] = static_cast<std::uint8_t>(v);
}
inline void StoreBE32(Bytes b, std::size_t off, std::uint32_t v) {
  b[off] = static_cast<std::uint8_t>(v >> 24);
  b[off + 1] = static_cast<std::uint8_t>(v >> 16);
  b[off + 2] = static_cast<std::uint8_t>(v >> 8);
  b[off + 3] = static_cast<std::uint8_t>(v);
}
inline std::uint32_t LoadLE32(ConstBytes b, std::size_t off) {
  return std::uint32_t{b[off]} | (std::uint32_t{b[off + 1]} << 8) |
         (std::uint32_t{b[off + 2]} << 16) | (std::uint32_t{b[off + 3]} << 24);
}
inline void StoreLE32(Bytes b, std::size_t off, std::uint32_t v) {
  b[off] = static_cast<std::uint8_t>(v);
  b[off + 1] = static_cast<std::uint8_t>(v >> 8);
  b[off + 2] = static_cast<std::uint8_t>(v >> 16);
  b[off + 3] = static_cast<std::uint8_t>(v >> 24);
}

}  // namespace gw
