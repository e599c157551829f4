#pragma once
// Command codes of the configuration protocol, the reply codes the tool
// accepts, and the host's command and message numbers.

#include <cstdint>

namespace gw {

inline constexpr int kCmdSearch = 0x0000;
inline constexpr int kCmdReadBlock = 0x0002;
inline constexpr int kCmdWriteBlock = 0x0004;
inline constexpr int kCmdLogin = 0x0006;
inline constexpr int kCmdFactoryReset = 0x0008;

inline constexpr std::uint16_t kReplyRead = 0x0003;
inline constexpr std::uint16_t kReplyReadConnected = 0xC003;
inline constexpr std::uint16_t kReplyWrite = 0x0005;
inline constexpr std::uint16_t kReplyWriteConnected = 0xC005;
inline constexpr std::uint16_t kReplyWriteRefused = 0x8005;

// Host commands the document answers.
inline constexpr int kIdSearch = 30001;
inline constexpr int kIdIpSearch = 30002;
inline constexpr int kIdFirstSearch = 10900;
inline constexpr int kIdLoadNodeList = 10901;
inline constexpr int kIdStoreNodeList = 10902;
inline constexpr int kIdRefresh = 15152;

// Messages to the host's main window.
inline constexpr int kMsgFrameClosing = 0x0466;
inline constexpr int kMsgNotFound = 0x0468;

}  // namespace gw
