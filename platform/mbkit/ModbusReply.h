#pragma once
// The data bytes of a Modbus reply (an ADU as libmodbus receives it).

#include <cstddef>
#include <cstdint>
#include <span>

namespace gw::mbkit {

struct ReplyData {
  int station = 0;
  int function = 0;
  std::size_t offset = 0;  // where the data bytes start in the ADU
  int count = -1;          // their number; -1 for an exception or a malformed reply
};

// `headerLength` bytes precede the function code (1 for RTU, 7 for TCP) and
// `checksumLength` bytes end the ADU (2 for RTU, 0 for TCP). For the read
// functions (1 to 4, 0x17) the data are the bytes after the byte count; for
// the others, everything after the function code.
ReplyData LocateReplyData(std::span<const std::uint8_t> adu, std::size_t headerLength,
                          std::size_t checksumLength);

}  // namespace gw::mbkit
