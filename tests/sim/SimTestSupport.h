#pragma once
// Helpers of the simulator tests. Frames are built and read at the byte
// offsets of the frame layout written out here, not through the layout
// constants, so that a wrong constant shared by tool and simulator shows.

#include <array>
#include <cctype>
#include <cstdint>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "ModuleSetup.h"
#include "Simulator.h"

namespace gw::sim::test {

using Mac = std::array<std::uint8_t, 6>;
inline constexpr Mac kPumpMac = {0x00, 0x60, 0xE9, 0x01, 0x02, 0x03};

// "F2 00 0A" -> bytes; spaces and line breaks are skipped.
inline std::vector<std::uint8_t> Hex(std::string_view text) {
  std::string digits;
  for (char c : text) {
    if (std::isxdigit(static_cast<unsigned char>(c))) digits += c;
  }
  std::vector<std::uint8_t> out;
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
    out.push_back(static_cast<std::uint8_t>(std::stoi(digits.substr(i, 2), nullptr, 16)));
  }
  return out;
}

// The bytes between the delimiters of a serial frame, unstuffed (the
// checksum last).
inline std::vector<std::uint8_t> Unstuff(const std::vector<std::uint8_t>& frame) {
  std::vector<std::uint8_t> out;
  for (std::size_t i = 1; i + 1 < frame.size(); ++i) {
    out.push_back(frame[i] != 0xDB ? frame[i] : frame[++i] == 0xDC ? 0xC0 : 0xDB);
  }
  return out;
}
inline std::uint8_t Sum(const std::vector<std::uint8_t>& bytes) {
  return static_cast<std::uint8_t>(std::accumulate(bytes.begin(), bytes.end(), 0u));
}

inline std::uint16_t Be16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b.at(at) << 8 | b.at(at + 1));
}
inline std::uint32_t Be32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return std::uint32_t{Be16(b, at)} << 16 | Be16(b, at + 2);
}
inline void PutBe16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v) {
  b.at(at) = static_cast<std::uint8_t>(v >> 8);
  b.at(at + 1) = static_cast<std::uint8_t>(v);
}
inline void PutBe32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  PutBe16(b, at, static_cast<std::uint16_t>(v >> 16));
  PutBe16(b, at + 2, static_cast<std::uint16_t>(v));
}

// Header fields at their wire offsets.
inline constexpr std::size_t kType = 0, kId = 4, kCode = 8, kMacAt = 10, kBlockAt = 16, kLock = 18,
                             kKey = 20, kNumber = 28, kFirmware = 32, kHeader = 36;

inline Mac MacOf(const std::vector<std::uint8_t>& frame) {
  Mac m{};
  for (std::size_t i = 0; i < 6; ++i) m[i] = frame.at(kMacAt + i);
  return m;
}

// A request header as the tool sends it.
inline std::vector<std::uint8_t> Request(std::uint16_t command, std::uint32_t id,
                                         const Mac& mac = {}, std::uint16_t block = 0,
                                         std::uint16_t lock = 0, std::string_view key = {}) {
  std::vector<std::uint8_t> h(kHeader, 0);
  PutBe16(h, kType, 0xF200);
  PutBe16(h, 2, 1);
  PutBe32(h, kId, id);
  PutBe16(h, kCode, command);
  for (std::size_t i = 0; i < 6; ++i) h[kMacAt + i] = mac[i];
  PutBe16(h, kBlockAt, block);
  PutBe16(h, kLock, lock);
  for (std::size_t i = 0; i < key.size() && i < 4; ++i)
    h[kKey + i] = static_cast<std::uint8_t>(key[i]);
  return h;
}

// A write request: header and a zeroed block of `size` bytes with its mask.
inline std::vector<std::uint8_t> Write(std::uint32_t id, const Mac& mac, std::uint16_t block,
                                       std::size_t size, std::uint32_t mask, std::uint16_t lock = 0,
                                       std::string_view key = {}) {
  auto w = Request(0x0004, id, mac, block, lock, key);
  w.resize(kHeader + size, 0);
  PutBe32(w, kHeader, mask);
  return w;
}

// Module 1 of the wire vectors.
inline ModuleSetup PumpStation() {
  ModuleSetup m;
  m.index = 1;
  m.mac = kPumpMac;
  m.moduleNumber = 7;
  m.firmware = 0x0155;
  m.name = "Pump station";
  m.ipAddress = 0x7F010007;  // 127.1.0.7
  m.netmask = 0xFFFFFF00;
  m.gateway = 0x7F0100FE;
  m.seed = 1;
  return m;
}

inline SimSettings Settings(std::vector<ModuleSetup> modules) {
  SimSettings s;
  s.modules = std::move(modules);
  return s;
}

inline std::vector<std::uint8_t> Only(const std::vector<Outgoing>& out) {
  return out.size() == 1 ? out[0].body : std::vector<std::uint8_t>{};
}

}  // namespace gw::sim::test
