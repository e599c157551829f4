// The loader of the running program: "lib<name>.so" through the dynamic
// loader's search path (the executable's RUNPATH, LD_LIBRARY_PATH, the system
// folders), resolved at once and kept out of the global symbol scope, since
// PortLink and MbKit export entry points of the same names. When that finds
// nothing (a sanitizer runtime that wraps dlopen hides the executable's
// RUNPATH), the folder of the executable itself is tried.
#include <dlfcn.h>

#include <filesystem>

#include "DeviceLink.h"

namespace gw {

namespace {

class DynamicLoader : public LibraryLoader {
 public:
  void* Open(const std::string& name) override {
    const std::string file = "lib" + name + ".so";
    if (void* module = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL)) return module;
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return nullptr;
    const std::string beside = (exe.parent_path() / file).string();
    return dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL);
  }
  void* Symbol(void* module, const std::string& name) override {
    return module != nullptr ? dlsym(module, name.c_str()) : nullptr;
  }
  void Close(void* module) override {
    if (module != nullptr) dlclose(module);
  }
};

}  // namespace

LibraryLoader& SystemLoader() {
  static DynamicLoader loader;
  return loader;
}

}  // namespace gw
