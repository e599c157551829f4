#include "platform/util/ConfigFolder.h"

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

bool EnsureConfigFolder() {
  std::error_code error;
  const std::filesystem::path folder = ConfigFolder();
  if (std::filesystem::is_directory(folder, error)) {
    return true;
  }
  std::filesystem::create_directories(folder, error);
  return !error && std::filesystem::is_directory(folder, error);
}

std::filesystem::path ConfigFile(std::string_view name) { return ConfigFolder() / name; }

}  // namespace gw::platform
