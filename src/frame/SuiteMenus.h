#pragma once
// The menu bar the host and the plug-in share: the suite's own commands in the
// same words. A document window adds the entries that need a document (save,
// print, refresh); the host shows the bar without them while no document is
// open.

#include "appframe/AfxIds.h"
#include "appframe/Resources.h"
#include "frame/Resource.h"

namespace gw::frame {

inline af::MenuResource SuiteMenuBar(bool withDocument) {
  using af::MenuItem;
  std::vector<MenuItem> file = {MenuItem::Command(ID_HOST_FILE_NEW, "&New\tCtrl+N"),
                                MenuItem::Command(ID_HOST_FILE_OPEN, "&Open...\tCtrl+O"),
                                MenuItem::Separator()};
  if (withDocument) {
    file.insert(file.end(),
                {MenuItem::Command(ID_HOST_FILE_SAVE, "&Save\tCtrl+S"),
                 MenuItem::Command(ID_HOST_FILE_SAVE_AS, "Save &As...\tCtrl+Alt+S"),
                 MenuItem::Separator(), MenuItem::Command(af::ID_FILE_PRINT, "&Print...\tCtrl+P"),
                 MenuItem::Command(af::ID_FILE_PRINT_PREVIEW, "Print Pre&view")});
  }
  file.insert(file.end(),
              {MenuItem::Command(af::ID_FILE_PRINT_SETUP, "P&rint Setup..."), MenuItem::Separator(),
               MenuItem::Command(af::ID_FILE_MRU_FILE1, "Recent File", /*grayed=*/true),
               MenuItem::Separator(), MenuItem::Command(af::ID_APP_EXIT, "E&xit")});
  std::vector<MenuItem> view = {
      MenuItem::Popup("&Toolbar",
                      {MenuItem::Command(ID_VIEW_TOOLBAR_STANDARD, "&Standard"),
                       MenuItem::Command(ID_VIEW_TOOLBAR_EDIT, "&Edit"),
                       MenuItem::Command(ID_VIEW_TOOLBAR_COMMUNICATION, "&Communication"),
                       MenuItem::Command(ID_VIEW_TOOLBAR_WINDOW, "&Window")}),
      MenuItem::Command(af::ID_VIEW_STATUS_BAR, "&Status Bar"),
      MenuItem::Command(ID_VIEW_WORKSPACE, "&Workspace"),
      MenuItem::Command(ID_VIEW_OUTPUT, "&Output")};
  if (withDocument) {
    view.insert(view.end(),
                {MenuItem::Separator(), MenuItem::Command(ID_VIEW_REFRESH, "&Refresh")});
  }
  return {MenuItem::Popup("&File", std::move(file)), MenuItem::Popup("&View", std::move(view)),
          MenuItem::Popup(
              "&Tools", {MenuItem::Command(ID_TOOLS_COMM_SETTING, "&Communication Setting"),
                         MenuItem::Separator(), MenuItem::Command(ID_TOOLS_LANGUAGE, "&Language")}),
          MenuItem::Popup("&Window", {MenuItem::Command(af::ID_WINDOW_CASCADE, "&Cascade"),
                                      MenuItem::Command(af::ID_WINDOW_TILE_HORZ, "&Tile")}),
          MenuItem::Popup("&Help", {MenuItem::Command(af::ID_APP_ABOUT, "&About GwSuite..."),
                                    MenuItem::Command(ID_HELP_MANUAL, "&GwSuite User Manual")})};
}

}  // namespace gw::frame
