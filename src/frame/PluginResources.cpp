#include "PluginResources.h"

#include "Resource.h"
#include "SuiteMenus.h"
#include "appframe/AfxIds.h"
#include "model/Texts.h"
#include "sheet/SheetPages.h"
#include "widgets/IpAddressCtrl.h"

namespace gw::frame {

namespace {

using af::MenuItem;

struct StringEntry {
  int id;
  const char* text;
};

// The string table. The document string 130 is the template's and is never
// translated.
constexpr StringEntry kStrings[] = {
    {IDS_SEARCHING, text::kSearching},
    {IDS_INQUIRING, text::kInquiring},
    {IDS_CANNOT_OPEN_DEVICE, text::kCannotOpenDevice},
    {IDS_COMMUNICATION_ERROR, text::kCommunicationError},
    {IDS_NO_MODULE_FOUND, text::kNoModuleFound},
    {IDS_MODIFY_FAILED, text::kModifyFailed},
    {IDS_CONNECTION_ACTIVE, text::kConnectionActive},
    {IDS_OTHER_USER_MODIFYING, text::kOtherUserModifying},
    {IDS_PROCESSING, text::kProcessing},
    {IDS_MODULE_TYPE_MISMATCH, text::kModuleTypeMismatch},
    {IDS_FIRMWARE_MISMATCH, text::kFirmwareMismatch},
    {ID_VIEW_WORKSPACE, "Shows or hides Workspace window\nWorkspace"},
    {ID_VIEW_OUTPUT, "Shows or hides the Output window\nOutput"},
    {ID_VIEW_REFRESH, "Refresh current view\nRefresh"},
    {ID_TOOLS_COMM_SETTING, "Communication parameters setting\nCommunication setting"},
    {ID_TOOLS_LANGUAGE, "Language Setup"},
    {ID_HOST_FILE_NEW, "Create a new document\nNew"},
    {ID_HOST_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_HOST_FILE_SAVE, "Save the active document\nSave"},
    {ID_HOST_FILE_SAVE_AS, "Save the active document with a new name\nSave As"},
    {ID_HELP_MANUAL, "GwSuite User Manual"},
    {ID_SEARCH_MODULE, "Search NXG4120 module"},
    {ID_IP_SEARCH_MODULE, "IP search NXG4120 module"},
};

constexpr const char* kDocString =
    "\nNXG4120-T\nNXG4120-T\n\n\nNXG4120-T.Document\nNXG4120-T Document";

}  // namespace

af::ResourceModule& PluginInstance() {
  static const std::unique_ptr<af::ResourceModule> module = [] {
    auto m = std::make_unique<af::ResourceModule>(QStringLiteral("NXG4120-T"));
    m->AddString(IDR_GWCFGTYPE, kDocString);
    for (const StringEntry& entry : kStrings) m->AddString(entry.id, entry.text);
    m->AddMenu(IDR_GWCFGTYPE, SuiteMenuBar(/*withDocument=*/true));
    m->AddIcon(IDR_GWCFGTYPE, QStringLiteral(":/NXG4120-T/NXG4120-T.ico"));
    return m;
  }();
  return *module;
}

std::vector<const char*> TranslatableTexts() {
  std::vector<const char*> texts;
  for (const StringEntry& entry : kStrings) texts.push_back(entry.text);
  for (pages::PageId page : pages::kPageOrder) texts.push_back(pages::PageCaption(page));
  texts.push_back(text::kParameterFileFilter);
  for (const char* message : {text::kOutOfRange,
                              text::kStationRange,
                              text::kDualModeNoModbus,
                              text::kDualModeNoCom2,
                              text::kRs232Configuration,
                              text::kAuthenticationFailed,
                              text::kPasswordInputError,
                              text::kConfigurationSuccessful,
                              text::kConfigurationFailed,
                              text::kReturnToFactory,
                              text::kEnter64Characters,
                              text::kRecipientIncorrect,
                              text::kMailAddressEmpty,
                              text::kSubjectOfAlarm,
                              text::kAlarm1,
                              text::kAlarm2,
                              text::kAlarm3,
                              text::kMailAddress,
                              text::kFalling,
                              text::kRising,
                              text::kRelayStationRange,
                              text::kRelayIpFormat,
                              text::kStationAddress,
                              text::kRelayIpAddress,
                              text::kCut,
                              text::kCopy,
                              text::kPaste,
                              text::kTimeError,
                              text::kListenPortRange,
                              text::kListenPortSameAsCom2,
                              text::kListenPortSameAsCom1,
                              text::kDestinationPortRange,
                              text::kDestinationSameAsCom2,
                              text::kDestinationSameAsCom1,
                              text::kFixLengthRange,
                              text::kFilterExcludesComputer,
                              text::kTrend,
                              text::kPause,
                              text::kResume,
                              text::kLogToCsv,
                              text::kCsvFileFilter,
                              text::kCsvLogCannotOpen,
                              text::kCsvLogCannotWrite,
                              text::kBitDevice,
                              text::kWordDevice,
                              text::kStartMonitor,
                              text::kStopMonitor,
                              text::kModbusHex,
                              text::kModbusDec,
                              text::kAmount,
                              text::kBitStatus,
                              text::kPresentValue,
                              text::kFormat,
                              text::kMonitorAddressRange,
                              text::kBitNumberRange,
                              text::kWordNumberRange,
                              text::kAmountRange,
                              text::kPointsNotShown}) {
    texts.push_back(message);
  }
  texts.push_back(widgets::CIpAddressCtrl::kRangeNotice);
  return texts;
}

}  // namespace gw::frame
