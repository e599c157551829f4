#pragma once
// Request codes of the configuration protocol and the reply codes the tool
// judges. A reply carries the request code plus 1 in its low bits; bit 15 and
// bit 14 are the module's status.

#include <cstdint>

namespace gw {

inline constexpr int CmdSearch = 0x0000;
inline constexpr int CmdReadBlock = 0x0002;
inline constexpr int CmdWriteBlock = 0x0004;
inline constexpr int CmdLogin = 0x0006;
inline constexpr int CmdFactoryReset = 0x0008;
// The highest request code; odd codes are replies only.
inline constexpr int kLastCommand = CmdFactoryReset;

inline constexpr std::uint16_t kReplyReadOk = 0x0003;
inline constexpr std::uint16_t kReplyWriteOk = 0x0005;
// Bits 15 and 14: carried out while the module has an active network connection.
inline constexpr std::uint16_t kReplyConnectionActive = 0xC000;
inline constexpr std::uint16_t kReplyReadOkConnected = kReplyConnectionActive | kReplyReadOk;
inline constexpr std::uint16_t kReplyWriteOkConnected = kReplyConnectionActive | kReplyWriteOk;
// Bit 15: the module refused the request.
inline constexpr std::uint16_t kReplyRefusedBit = 0x8000;
// Bit 15 alone on a write reply: another user is changing the module.
inline constexpr std::uint16_t kReplyWriteRefused = 0x8005;

// True for a code the tool can put in a request.
constexpr bool IsRequestCommand(int command) {
  return command >= CmdSearch && command <= kLastCommand && command % 2 == 0;
}

}  // namespace gw
