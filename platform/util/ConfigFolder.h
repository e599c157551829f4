#pragma once
// The tool's configuration folder: where PortLink.ini, the host's settings
// and the stored node list live.

#include <filesystem>
#include <string_view>

namespace gw::platform {

// $GWSUITE_HOME/Config/ when GWSUITE_HOME is set and not empty, otherwise
// Config/ beside the running executable. Always ends in a separator.
std::filesystem::path ConfigFolder();

// Creates the configuration folder when it does not exist yet. False, without
// a message, when it cannot be created.
bool EnsureConfigFolder();

// `name` inside the configuration folder.
std::filesystem::path ConfigFile(std::string_view name);

}  // namespace gw::platform
