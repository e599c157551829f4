#pragma once
// The layout of one fuzz input, shared by the fuzz target and the program
// that writes its seed corpus.
//
//   byte 0   bit 0     comm type: 0 serial, 1 Ethernet
//            bits 1-3  request: 0..4 = command 0, 2, 4, 6, 8; 5, 6, 7 = 10, 3, 1
//            bits 4-5  operation: 0 one SendFrame and ReceiveFrame, 1 WriteBlock,
//                      2 ExchangeCommand, 3 a search taking up to 300 replies
//   byte 1   block: an index into the block table when below its size, else
//            the byte itself as the block number
//   byte 2   bit 0     the current node's firmware is 1.54 instead of 1.55
//            bit 1     the reply is a frame body: the transport stamps each
//                      request's transaction id into it (and, in a search,
//                      the reply's index into the last MAC byte) and frames it
//                      on serial; otherwise the bytes arrive as they are
//   byte 3.. the bytes every RecvData answers

#include <array>
#include <cstddef>
#include <cstdint>

namespace gw::fuzz {

inline constexpr std::size_t kPrefix = 3;
inline constexpr std::uint32_t kFirstTransactionId = 0x5A17C0DB;
inline constexpr std::uint8_t kNodeMacTail = 0x05;
inline constexpr std::uint16_t kNodeModuleNumber = 42;

inline constexpr std::array<int, 8> kRequests = {0, 2, 4, 6, 8, 10, 3, 1};

enum Operation { kSingle = 0, kWrite = 1, kExchange = 2, kSearch = 3 };

struct Mode {
  int commType;
  int request;
  Operation operation;
  int blockByte;
  bool oldFirmware;
  bool stamped;
};

inline Mode ReadMode(const std::uint8_t* data) {
  return Mode{data[0] & 1,
              kRequests[(data[0] >> 1) & 7],
              static_cast<Operation>((data[0] >> 4) & 3),
              data[1],
              (data[2] & 1) != 0,
              (data[2] & 2) != 0};
}

inline std::array<std::uint8_t, kPrefix> WriteMode(int commType, int requestIndex,
                                                   Operation operation, int blockByte,
                                                   bool oldFirmware, bool stamped) {
  return {static_cast<std::uint8_t>((commType & 1) | ((requestIndex & 7) << 1) |
                                    ((operation & 3) << 4)),
          static_cast<std::uint8_t>(blockByte),
          static_cast<std::uint8_t>((oldFirmware ? 1 : 0) | (stamped ? 2 : 0))};
}

}  // namespace gw::fuzz
