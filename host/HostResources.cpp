#include "HostResources.h"

#include "appframe/AfxIds.h"
#include "appframe/WinApp.h"
#include "frame/Resource.h"

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
    {ID_VIEW_TOOLBAR_COMMUNICATION, "Show or hide the communication toolbar\nCommunication Toolbar"},
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
  static const af::MenuResource menu = {
      MenuItem::Popup("&File", {MenuItem::Command(ID_HOST_FILE_NEW, "&New\tCtrl+N"),
                                MenuItem::Command(ID_HOST_FILE_OPEN, "&Open...\tCtrl+O"),
                                MenuItem::Separator(),
                                MenuItem::Command(af::ID_FILE_PRINT_SETUP, "P&rint Setup..."),
                                MenuItem::Separator(),
                                MenuItem::Command(af::ID_FILE_MRU_FILE1, "Recent File", true),
                                MenuItem::Separator(),
                                MenuItem::Command(af::ID_APP_EXIT, "E&xit")}),
      MenuItem::Popup(
          "&View",
          {MenuItem::Popup("&Toolbar",
                           {MenuItem::Command(ID_VIEW_TOOLBAR_STANDARD, "&Standard"),
                            MenuItem::Command(ID_VIEW_TOOLBAR_EDIT, "&Edit"),
                            MenuItem::Command(ID_VIEW_TOOLBAR_COMMUNICATION, "&Communication"),
                            MenuItem::Command(ID_VIEW_TOOLBAR_WINDOW, "&Window")}),
           MenuItem::Command(af::ID_VIEW_STATUS_BAR, "&Status Bar"),
           MenuItem::Command(ID_VIEW_WORKSPACE, "&Workspace"),
           MenuItem::Command(ID_VIEW_OUTPUT, "&Output")}),
      MenuItem::Popup("&Tools", {MenuItem::Command(ID_TOOLS_COMM_SETTING, "&Communication Setting"),
                                 MenuItem::Separator(),
                                 MenuItem::Command(ID_TOOLS_LANGUAGE, "&Language")}),
      MenuItem::Popup("&Window", {MenuItem::Command(af::ID_WINDOW_CASCADE, "&Cascade"),
                                  MenuItem::Command(af::ID_WINDOW_TILE_HORZ, "&Tile")}),
      MenuItem::Popup("&Help", {MenuItem::Command(af::ID_APP_ABOUT, "&About GwSuite..."),
                                MenuItem::Command(ID_HELP_MANUAL, "&GwSuite User Manual")}),
  };
  return menu;
}

}  // namespace gw::host
