#pragma once
// The user-visible texts of the core, by their string-table numbers where they
// have one. The user interface translates them when it shows them.

namespace gw::text {

inline constexpr const char* kSearching = "\nNXG4120-T searching...";               // 900
inline constexpr const char* kInquiring = "\nInquire module information...";        // 901
inline constexpr const char* kCannotOpenDevice = "Cannot open the specified device";  // 904
inline constexpr const char* kCommunicationError = "Communication error";           // 905
inline constexpr const char* kNoModuleFound = "No NXG4120-T module found";          // 906
inline constexpr const char* kModifyFailed = "Modify failed";                       // 908
inline constexpr const char* kConnectionActive =
    "The network connection is working.\nModifying any parameter may cause connection "
    "terminated!!";  // 916
inline constexpr const char* kOtherUserModifying =
    "Modification has failed. There are other users modidying the module now";  // 920
inline constexpr const char* kProcessing = "Processing...";                       // 924
inline constexpr const char* kModuleTypeMismatch = "Module type does not match NXG4120";  // 992
inline constexpr const char* kFirmwareMismatch = "Firmware version dose not match";     // 993

inline constexpr const char* kParameterFileFilter = "NXG4120 Config File (*.mod)|*.mod||";
inline constexpr const char* kParameterFileExtension = "mod";

}  // namespace gw::text
