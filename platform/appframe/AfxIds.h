#pragma once
// Command and message numbers of the framework itself.

namespace af {

inline constexpr int ID_FILE_NEW = 0xE100;
inline constexpr int ID_FILE_OPEN = 0xE101;
inline constexpr int ID_FILE_CLOSE = 0xE102;
inline constexpr int ID_FILE_SAVE = 0xE103;
inline constexpr int ID_FILE_SAVE_AS = 0xE104;
inline constexpr int ID_FILE_PRINT_SETUP = 0xE106;
inline constexpr int ID_FILE_PRINT = 0xE107;
inline constexpr int ID_FILE_PRINT_DIRECT = 0xE108;
inline constexpr int ID_FILE_PRINT_PREVIEW = 0xE109;
inline constexpr int ID_FILE_MRU_FILE1 = 0xE110;
inline constexpr int ID_WINDOW_CASCADE = 0xE132;
inline constexpr int ID_WINDOW_TILE_HORZ = 0xE133;
inline constexpr int ID_APP_ABOUT = 0xE140;
inline constexpr int ID_APP_EXIT = 0xE141;
inline constexpr int ID_VIEW_STATUS_BAR = 0xE801;

inline constexpr int WM_USER = 0x0400;

// Window styles a frame's PreCreateWindow may add.
inline constexpr unsigned WS_MAXIMIZE = 0x01000000;
inline constexpr unsigned WS_VISIBLE = 0x10000000;

}  // namespace af
