#pragma once
// The layout of each fuzz target's input, shared by the targets and the
// program that writes their seeds. The parameter file and node list targets
// take the input as the file or the stream itself.
//
// The link target (link_fuzzer):
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
#include <span>
#include <vector>

namespace gw::fuzz {

// A broken invariant ends the run with the input that broke it.
inline void Check(bool condition) {
  if (!condition) __builtin_trap();
}

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

// The settings target (settings_fuzzer): byte 0 picks the file (its value
// modulo 3, as SettingsFile), the rest is the file's text.
enum SettingsFile { kPortLinkIni = 0, kModelIni = 1, kIpListIni = 2 };

// The simulator target (sim_request_fuzzer): byte 0 holds options, the rest
// the request frame bodies, each but the last after its length (u16,
// big-endian); a length beyond what is left makes the rest the last body.
//   byte 0   bit 0  the requests come in on serial instead of UDP
//            bit 1  the first module (the one the link addresses) has a password
inline constexpr std::size_t kMaxRequests = 16;

inline std::vector<std::span<const std::uint8_t>> SplitRequests(
    std::span<const std::uint8_t> rest) {
  std::vector<std::span<const std::uint8_t>> bodies;
  while (rest.size() >= 2 && bodies.size() + 1 < kMaxRequests) {
    const std::size_t length = (std::size_t{rest[0]} << 8) | rest[1];
    if (length > rest.size() - 2) break;
    bodies.push_back(rest.subspan(2, length));
    rest = rest.subspan(2 + length);
  }
  if (!rest.empty()) bodies.push_back(rest);
  return bodies;
}

inline std::vector<std::uint8_t> JoinRequests(
    std::uint8_t options, const std::vector<std::vector<std::uint8_t>>& bodies) {
  std::vector<std::uint8_t> input{options};
  for (std::size_t i = 0; i < bodies.size(); ++i) {
    if (i + 1 < bodies.size()) {
      input.push_back(static_cast<std::uint8_t>(bodies[i].size() >> 8));
      input.push_back(static_cast<std::uint8_t>(bodies[i].size()));
    }
    input.insert(input.end(), bodies[i].begin(), bodies[i].end());
  }
  return input;
}

// The Modbus target (modbus_reply_fuzzer): byte 0 picks the framing, the
// rest is the ADU as libmodbus received it.
//   byte 0   bits 0-1  0 RTU, 1 TCP, else bits 2-5 give the header length
//                      and bits 6-7 the checksum length
inline constexpr std::uint8_t kModbusRtu = 0;
inline constexpr std::uint8_t kModbusTcp = 1;

}  // namespace gw::fuzz
