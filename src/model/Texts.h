#pragma once
// The user-visible texts of the toolkit-free core (link, protocol, pages),
// by their string-table numbers where they have one. The desktop program
// translates them when it shows them; the command line prints them as they
// stand.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace gw::text {

inline constexpr const char* kSearching = "\nNXG4120-T searching...";                 // 900
inline constexpr const char* kInquiring = "\nInquire module information...";          // 901
inline constexpr const char* kCannotOpenDevice = "Cannot open the specified device";  // 904
inline constexpr const char* kCommunicationError = "Communication error";             // 905
inline constexpr const char* kNoModuleFound = "No NXG4120-T module found";            // 906
inline constexpr const char* kModifyFailed = "Modify failed";                         // 908
inline constexpr const char* kConnectionActive =
    "The network connection is working.\nModifying any parameter may cause connection "
    "terminated!!";  // 916
inline constexpr const char* kOtherUserModifying =
    "Modification has failed. There are other users modidying the module now";            // 920
inline constexpr const char* kProcessing = "Processing...";                               // 924
inline constexpr const char* kModuleTypeMismatch = "Module type does not match NXG4120";  // 992
inline constexpr const char* kFirmwareMismatch = "Firmware version dose not match";       // 993

inline constexpr const char* kParameterFileFilter = "NXG4120 Config File (*.mod)|*.mod||";
inline constexpr const char* kParameterFileExtension = "mod";

// --- the parameter pages -------------------------------------------------

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

// Mail page.
inline constexpr const char* kEnter64Characters = "Enter 64 characters only";
inline constexpr const char* kRecipientIncorrect = "The entered recipient email is incorrect";
inline constexpr const char* kMailAddressEmpty = "Mail address cannot be empty";
inline constexpr const char* kSubjectOfAlarm = "Subject of Alarm";  // 976
inline constexpr const char* kAlarm1 = "Alarm-1";                   // 970
inline constexpr const char* kAlarm2 = "Alarm-2";                   // 971
inline constexpr const char* kAlarm3 = "Alarm-3";                   // 972
inline constexpr const char* kMailAddress = "Mail Address";         // 974
inline constexpr const char* kFalling = "falling";
inline constexpr const char* kRising = "rising";

// Slave Mode page.
inline constexpr const char* kRelayStationRange = "Station range in [1-255]";        // 983
inline constexpr const char* kRelayIpFormat = "IP Address format is [192.168.1.1]";  // 985
inline constexpr const char* kStationAddress = "Station Address";                    // 977
inline constexpr const char* kRelayIpAddress = "Relay IP Address";                   // 979
inline constexpr const char* kCut = "Cut";                                           // 1000
inline constexpr const char* kCopy = "Copy";                                         // 2000
inline constexpr const char* kPaste = "Paste";                                       // 3000

// NTP page.
inline constexpr const char* kTimeError = "Time error";

// User Define page.
inline constexpr const char* kListenPortRange = "Listen Port range in [1024-65535]";
inline constexpr const char* kListenPortSameAsCom2 = "Listen port can't same as COM2 (RS-485)";
inline constexpr const char* kListenPortSameAsCom1 = "Listen port can't same as COM1 (RS-232)";
inline constexpr const char* kDestinationPortRange = "Destination Port range in [1024-65535]";
inline constexpr const char* kDestinationSameAsCom2 = "IP and port can't same as COM2 (RS-485)";
inline constexpr const char* kDestinationSameAsCom1 = "IP and port can't same as COM1 (RS-232)";
inline constexpr const char* kFixLengthRange = "Fix length range in [1-256]";

// Monitor page.
inline constexpr const char* kBitDevice = "Bit Device";                           // 954
inline constexpr const char* kWordDevice = "Word Device";                         // 955
inline constexpr const char* kStartMonitor = "Start Monitor";                     // 952
inline constexpr const char* kStopMonitor = "Stop Monitor";                       // 953
inline constexpr const char* kModbusHex = "MODBUS (Hex)";                         // 871
inline constexpr const char* kModbusDec = "MODBUS (Dec)";                         // 872
inline constexpr const char* kAmount = "Amount";                                  // 873
inline constexpr const char* kBitStatus = "Bit Status";                           // 990
inline constexpr const char* kPresentValue = "Present Value";                     // 988
inline constexpr const char* kFormat = "Format";                                  // 989
inline constexpr const char* kMonitorAddressRange = "Address range in [0-FFFF]";  // 984
inline constexpr const char* kBitNumberRange =
    "MODBUS (Dec) range in [000001-065536] or [100001-165536]";  // 876
inline constexpr const char* kWordNumberRange =
    "MODBUS (Dec) range in [300001-365536] or [400001-465536]";         // 877
inline constexpr const char* kAmountRange = "Amount range in [1-100]";  // 875
inline constexpr const char* kPointsNotShown =
    "%1 points of this table are not shown: the monitor shows the first 100";

// IP Filter page: the question before a filter that leaves out the computer
// the tool runs on (its address on the interface that reaches the module).
inline constexpr const char* kFilterExcludesComputer =
    "The filter does not include this computer (%1). Apply anyway?";

// Monitor page: the trend window and the CSV log.
inline constexpr const char* kTrend = "Trend";
inline constexpr const char* kPause = "Pause";
inline constexpr const char* kResume = "Resume";
inline constexpr const char* kLogToCsv = "Log to CSV…";
inline constexpr const char* kCsvFileFilter = "CSV File (*.csv)|*.csv||";
inline constexpr const char* kCsvLogCannotOpen = "Cannot open the log file %1";
inline constexpr const char* kCsvLogCannotWrite = "Cannot write the log file %1";

// --- texts with a value in them ----------------------------------------------
// "%1" in a pattern stands for the value. The user interface translates the
// pattern and then fills the value in.
inline constexpr std::array<const char*, 4> kFilledTexts = {
    kFilterExcludesComputer, kPointsNotShown, kCsvLogCannotOpen, kCsvLogCannotWrite};

inline std::string Filled(std::string_view pattern, std::string_view value) {
  const auto at = pattern.find("%1");
  if (at == std::string_view::npos) return std::string(pattern);
  std::string text(pattern.substr(0, at));
  text.append(value);
  text.append(pattern.substr(at + 2));
  return text;
}

// The value of `text` when it is `pattern` filled in; nothing otherwise.
inline std::optional<std::string> FilledValue(std::string_view pattern, std::string_view text) {
  const auto at = pattern.find("%1");
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view before = pattern.substr(0, at), after = pattern.substr(at + 2);
  if (text.size() < before.size() + after.size() || !text.starts_with(before) ||
      !text.ends_with(after)) {
    return std::nullopt;
  }
  return std::string(text.substr(before.size(), text.size() - before.size() - after.size()));
}

inline std::string FilterExcludesComputer(const std::string& address) {
  return Filled(kFilterExcludesComputer, address);
}

// --- binding the transport libraries ---------------------------------------
// These have no string-table number: the tool shows them before any
// resource is at hand.

inline std::string CannotLoadLibrary(const std::string& library) {
  return "Can't load " + library + ",\nProcess Terminate !!";
}

// "<name> function not in <library>.dll !!"; the Modbus TCP opener has always
// been reported with one more exclamation mark.
inline std::string EntryPointMissing(const std::string& name, const std::string& library) {
  std::string text = name + " function not in " + library + ".dll !!";
  if (name == "OpenModbusTCPSocket") text += "!";
  return text;
}

}  // namespace gw::text
