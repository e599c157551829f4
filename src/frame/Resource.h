#pragma once
// Resource numbers of the plug-in: the template's resources, the strings of
// the string table and the command numbers of menu 130.

namespace gw::frame {

// The document template's document string, menu and icon.
inline constexpr int IDR_GWCFGTYPE = 130;

// Strings.
inline constexpr int IDS_SEARCHING = 900;
inline constexpr int IDS_INQUIRING = 901;
inline constexpr int IDS_CANNOT_OPEN_DEVICE = 904;
inline constexpr int IDS_COMMUNICATION_ERROR = 905;
inline constexpr int IDS_NO_MODULE_FOUND = 906;
inline constexpr int IDS_MODIFY_FAILED = 908;
inline constexpr int IDS_CONNECTION_ACTIVE = 916;
inline constexpr int IDS_OTHER_USER_MODIFYING = 920;
inline constexpr int IDS_PROCESSING = 924;
inline constexpr int IDS_MODULE_TYPE_MISMATCH = 992;
inline constexpr int IDS_FIRMWARE_MISMATCH = 993;

// Commands of menu 130 that are the host's; their prompts are strings of
// the same numbers.
inline constexpr int ID_VIEW_TOOLBAR_STANDARD = 10701;
inline constexpr int ID_VIEW_TOOLBAR_EDIT = 10702;
inline constexpr int ID_VIEW_TOOLBAR_COMMUNICATION = 10703;
inline constexpr int ID_VIEW_TOOLBAR_WINDOW = 10704;
inline constexpr int ID_VIEW_WORKSPACE = 15150;
inline constexpr int ID_VIEW_OUTPUT = 15151;
inline constexpr int ID_VIEW_REFRESH = 15152;
inline constexpr int ID_TOOLS_COMM_SETTING = 15300;
inline constexpr int ID_TOOLS_LANGUAGE = 15302;
inline constexpr int ID_HOST_FILE_NEW = 15350;
inline constexpr int ID_HOST_FILE_OPEN = 15351;
inline constexpr int ID_HOST_FILE_SAVE = 15352;
inline constexpr int ID_HOST_FILE_SAVE_AS = 15353;
inline constexpr int ID_HELP_MANUAL = 15400;

// Host commands with texts of the plug-in.
inline constexpr int ID_SEARCH_MODULE = 30001;
inline constexpr int ID_IP_SEARCH_MODULE = 30002;

}  // namespace gw::frame
