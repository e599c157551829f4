#pragma once
// The host's own resources: prompts of the framework's commands and the menu
// bar shown while no plug-in frame is active. The prompts of the commands the
// plug-ins name come from the plug-ins' string tables.

#include "appframe/Resources.h"

namespace gw::host {

// Host commands beyond those of the plug-in menus.
inline constexpr int ID_COMMUNICATION_MENU = 0;
inline constexpr int ID_EDIT_CUT = 0xE123;
inline constexpr int ID_EDIT_COPY = 0xE122;
inline constexpr int ID_EDIT_PASTE = 0xE125;

af::ResourceModule& HostInstance();
// Makes the host's resources the program's current ones.
void InitHostResources();
// The menu bar while no plug-in frame is active.
const af::MenuResource& HostMenu();

}  // namespace gw::host
