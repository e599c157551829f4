#pragma once
// The bytes a serial line carries for one reply: the frame of its body, or,
// when a fault asks for it, the same frame with a wrong checksum byte.

#include <cstdint>
#include <vector>

#include "SimTypes.h"

namespace gw::sim {

std::vector<std::uint8_t> EncodeSerialReply(const Outgoing& reply);

}  // namespace gw::sim
