#pragma once
// The host's command numbers that the document and view answer, and the
// messages the plug-in sends to the host's main window. The protocol's own
// request and reply codes are in link/RequestCodes.h.

namespace gw {

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
