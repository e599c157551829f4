#pragma once
// The tool's configuration folder: where PortLink.ini, the host's settings
// and the stored node list live.

#include <filesystem>
#include <string_view>

namespace gw::platform {

// The first of: $GWSUITE_HOME/Config/ when GWSUITE_HOME is set and not
// empty; Config/ beside the running executable when that folder exists and
// is writable (a portable copy); $XDG_CONFIG_HOME/gwsuite/, or
// ~/.config/gwsuite/ without it (created by EnsureConfigFolder). Config/
// beside the executable again when there is no home folder at all. Always
// ends in a separator.
std::filesystem::path ConfigFolder();
// The same choice for a program that lives in `programFolder`.
std::filesystem::path ConfigFolderFor(const std::filesystem::path& programFolder);

// Creates the configuration folder when it does not exist yet, readable by
// its owner only (0700; folders above it are made as usual). False, without
// a message, when it cannot be created.
bool EnsureConfigFolder();
// The same for another folder that holds settings.
bool EnsurePrivateFolder(const std::filesystem::path& folder);

// `name` inside the configuration folder.
std::filesystem::path ConfigFile(std::string_view name);

}  // namespace gw::platform
