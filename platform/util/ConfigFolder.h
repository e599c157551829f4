#pragma once
// The tool's configuration folder: where PortLink.ini, the host's settings
// and the stored node list live.

#include <filesystem>
#include <string_view>

namespace gw::platform {

// $GWSUITE_HOME/Config/ when GWSUITE_HOME is set and not empty, otherwise
// Config/ beside the running executable. Always ends in a separator.
std::filesystem::path ConfigFolder();

// Creates the configuration folder when it does not exist yet, readable by
// its owner only (0700; folders above it are made as usual). False, without
// a message, when it cannot be created.
bool EnsureConfigFolder();
// The same for another folder that holds settings.
bool EnsurePrivateFolder(const std::filesystem::path& folder);

// `name` inside the configuration folder.
std::filesystem::path ConfigFile(std::string_view name);

}  // namespace gw::platform
