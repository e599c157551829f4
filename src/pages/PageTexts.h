#pragma once
// The user-visible texts of the parameter pages. The user interface
// translates them when it shows them; texts shared with the rest of the core
// are in model/Strings.h.

namespace gw::text {

inline constexpr const char* kModuleModel = "NXG4120-T";

// Basic page.
inline constexpr const char* kOutOfRange = "Out of range";
inline constexpr const char* kStationRange = "Station range in [1-247]";
inline constexpr const char* kDualModeNoModbus =
    "Master Configuration : [Dual Mode] does not support MODBUS protocol";
inline constexpr const char* kDualModeNoCom2 =
    "Master Configuration : [Dual Mode] does not support User Define COM2 (RS-485)";
inline constexpr const char* kRs232Configuration =
    "RS-232 is specified by COM Protocol and will be invalid for configuration.\nFuture "
    "modification can be done only by Ethernet.";
inline constexpr const char* kIpv6Mask = "####:####:####:####:####:####:####:####";

// Security page.
inline constexpr const char* kAuthenticationFailed = "Authentication failed";
inline constexpr const char* kPasswordInputError = "Password input error";
inline constexpr const char* kConfigurationSuccessful = "Configuration is successful";
inline constexpr const char* kConfigurationFailed = "Configuration is failed";
inline constexpr const char* kReturnToFactory = "Return to factory setting";

}  // namespace gw::text
