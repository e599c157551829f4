#include "platform/util/ConfigFolder.h"

#include <sys/stat.h>

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

}  // namespace

std::filesystem::path ConfigFolder() {
  const char* home = std::getenv("GWSUITE_HOME");
  std::filesystem::path base =
      (home != nullptr && *home != '\0') ? std::filesystem::path(home) : ExecutableFolder();
  // The empty last element gives the trailing separator.
  return base / "Config" / "";
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
