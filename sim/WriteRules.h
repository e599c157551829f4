#pragma once
// How a module takes a block write: only what the request's ChangeMask names.
// Block 0 goes field by field (name, addresses, IP configuration, password,
// IPv6), the clock block by its page's bits, the device monitor block table by
// table; every other block is taken whole when its mask is not 0. A mask of 0
// changes nothing.

#include <cstdint>

#include "model/BlockTable.h"
#include "model/ByteOrder.h"

namespace gw::sim {

namespace netbits {
inline constexpr std::uint32_t ModuleName = 1u << 31;
inline constexpr std::uint32_t IpAddress = 1u << 30;
inline constexpr std::uint32_t Netmask = 1u << 29;
inline constexpr std::uint32_t Gateway = 1u << 28;
inline constexpr std::uint32_t Password = 1u << 27;
inline constexpr std::uint32_t IpConfiguration = 1u << 25;
inline constexpr std::uint32_t Ipv6 = 1u << 22;  // enable switch and address
}  // namespace netbits

namespace clockbits {
inline constexpr std::uint32_t TimeServerEnable = 1u << 31;
inline constexpr std::uint32_t DaylightSaving = 1u << 30;
inline constexpr std::uint32_t TimeZone = 1u << 29;  // index and offset
inline constexpr std::uint32_t TimeServerIp = 1u << 28;
inline constexpr std::uint32_t ClockTime = 1u << 27;
}  // namespace clockbits

namespace devmonbits {
inline constexpr std::uint32_t BitTable = 1u << 31;
inline constexpr std::uint32_t WordTable = 1u << 30;
}  // namespace devmonbits

struct WriteOutcome {
  bool passwordWritten = false;
  bool clockWritten = false;
};

// `incoming` is the written block (block.size bytes); `stored` the module's
// copy, whose ChangeMask stays 0. `ipv6Capable`: the firmware takes the IPv6
// fields of block 0.
WriteOutcome ApplyBlockWrite(const BlockInfo& block, ConstBytes incoming, Bytes stored,
                             bool ipv6Capable);

}  // namespace gw::sim
