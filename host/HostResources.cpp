#include "HostResources.h"

#include "appframe/AfxIds.h"
#include "appframe/WinApp.h"
#include "frame/Resource.h"
#include "frame/SuiteMenus.h"

namespace gw::host {

namespace {

using af::MenuItem;
using namespace gw::frame;

struct StringEntry {
  int id;
  const char* text;
};

constexpr StringEntry kStrings[] = {
    {af::ID_FILE_PRINT, "Print the active document\nPrint"},
    {af::ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},
    {af::ID_FILE_PRINT_SETUP, "Change the printer and printing options\nPrint Setup"},
    {af::ID_FILE_MRU_FILE1, "Open this document"},
    {af::ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {af::ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {af::ID_WINDOW_CASCADE, "Arrange windows so they overlap\nCascade Windows"},
    {af::ID_WINDOW_TILE_HORZ, "Arrange windows as non-overlapping tiles\nTile Windows"},
    {af::ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle Status Bar"},
    {ID_VIEW_TOOLBAR_STANDARD, "Show or hide the standard toolbar\nStandard Toolbar"},
    {ID_VIEW_TOOLBAR_EDIT, "Show or hide the edit toolbar\nEdit Toolbar"},
    {ID_VIEW_TOOLBAR_COMMUNICATION,
     "Show or hide the communication toolbar\nCommunication Toolbar"},
    {ID_VIEW_TOOLBAR_WINDOW, "Show or hide the window toolbar\nWindow Toolbar"},
    {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
    {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
    {ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
};

}  // namespace

af::ResourceModule& HostInstance() {
  static const std::unique_ptr<af::ResourceModule> module = [] {
    auto m = std::make_unique<af::ResourceModule>(QStringLiteral("GwSuite"));
    for (const StringEntry& entry : kStrings) m->AddString(entry.id, entry.text);
    return m;
  }();
  return *module;
}

void InitHostResources() { af::ProcessModuleState().resourceHandle = &HostInstance(); }

const af::MenuResource& HostMenu() {
  static const af::MenuResource menu = SuiteMenuBar(/*withDocument=*/false);
  return menu;
}

}  // namespace gw::host
