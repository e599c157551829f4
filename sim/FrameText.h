#pragma once
// One-line descriptions of configuration frames for the simulator's log.

#include <cstdint>
#include <string>

#include "model/ByteOrder.h"

namespace gw::sim {

// "0x0003"
std::string Hex16(std::uint16_t value);

// For example "read block 11 mac 00:60:E9:00:05:01 id 0x5F3A0001 (36 bytes)"
// or "reply 0x0003 block 11 mac ... lock 2 id ... (168 bytes)".
std::string DescribeFrame(ConstBytes body);

}  // namespace gw::sim
