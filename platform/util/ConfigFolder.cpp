#include "platform/util/ConfigFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace gw::platform {

namespace {

std::filesystem::path ExecutableFolder() {
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    return std::filesystem::current_path(error);
  }
  return exe.parent_path();
}

// The variable's value when it is set and not empty.
const char* Variable(const char* name) {
  const char* value = std::getenv(name);
  return (value != nullptr && *value != '\0') ? value : nullptr;
}

bool IsWritableFolder(const std::filesystem::path& folder) {
  std::error_code error;
  return std::filesystem::is_directory(folder, error) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// $XDG_CONFIG_HOME/gwsuite, or ~/.config/gwsuite; empty when neither
// variable gives an absolute folder (a relative one is ignored, as the
// desktop's base directory rules say).
std::filesystem::path UserFolder() {
  if (const char* xdg = Variable("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
    return std::filesystem::path(xdg) / "gwsuite";
  }
  if (const char* home = Variable("HOME"); home != nullptr && *home == '/') {
    return std::filesystem::path(home) / ".config" / "gwsuite";
  }
  return {};
}

}  // namespace

std::filesystem::path ConfigFolder() { return ConfigFolderFor(ExecutableFolder()); }

std::filesystem::path ConfigFolderFor(const std::filesystem::path& programFolder) {
  if (const char* home = Variable("GWSUITE_HOME")) {
    // The empty last element gives the trailing separator.
    return std::filesystem::path(home) / "Config" / "";
  }
  const std::filesystem::path beside = programFolder / "Config";
  if (IsWritableFolder(beside)) {
    return beside / "";
  }
  const std::filesystem::path user = UserFolder();
  return (user.empty() ? beside : user) / "";
}

bool EnsureConfigFolder() { return EnsurePrivateFolder(ConfigFolder()); }

bool EnsurePrivateFolder(const std::filesystem::path& folder) {
  std::error_code error;
  if (std::filesystem::is_directory(folder, error)) {
    return true;
  }
  const std::filesystem::path target = folder.has_filename() ? folder : folder.parent_path();
  if (target.has_parent_path()) {
    std::filesystem::create_directories(target.parent_path(), error);
  }
  // Another program may make it at the same moment: EEXIST is fine.
  (void)::mkdir(target.c_str(), 0700);
  return std::filesystem::is_directory(target, error);
}

std::filesystem::path ConfigFile(std::string_view name) { return ConfigFolder() / name; }

}  // namespace gw::platform
