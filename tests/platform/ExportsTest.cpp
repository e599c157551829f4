// The libraries' C entry points: their types match the link function table
// the plug-in fills, and nothing else is exported.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <link.h>

#include <cstdio>
#include <set>
#include <string>
#include <type_traits>

#include "PlatformFixtures.h"
#include "link/LinkEntryPoints.h"
#include "platform/mbkit/MbKit.h"
#include "platform/portlink/PortLink.h"

namespace gw::test {
namespace {

// Both headers declare the shared names (CloseSerial, ReadSelect, ...): one
// translation unit holding both proves they agree, and the static assertions
// prove that every listed entry point is declared with its table's type.
#define GW_SAME_TYPE(table, function) \
  static_assert(std::is_same_v<decltype(&::function), decltype(table::function)>, #function);
#define GW_IN_PORTLINK(function) GW_SAME_TYPE(PortLinkApi, function)
#define GW_IN_MBKIT(function) GW_SAME_TYPE(MbKitApi, function)
#define GW_DECLARED(function) static_assert(std::is_function_v<decltype(::function)>, #function);
#define GW_NAME(function) #function,

GW_PORTLINK_ENTRY_POINTS(GW_IN_PORTLINK)
GW_PORTLINK_TOOL_ENTRY_POINTS(GW_DECLARED)
GW_MBKIT_ENTRY_POINTS(GW_IN_MBKIT)

// The defined dynamic symbols of a library, as nm lists them.
std::set<std::string> DefinedSymbols(void* handle) {
  link_map* map = nullptr;
  std::set<std::string> names;
  if (::dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr) return names;
  const std::string command = std::string("nm -D --defined-only '") + map->l_name + "'";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return names;
  char line[512];
  while (std::fgets(line, sizeof line, pipe) != nullptr) {
    std::string text(line);
    text.erase(text.find_last_not_of("\r\n") + 1);
    names.insert(text.substr(text.rfind(' ') + 1));
  }
  ::pclose(pipe);
  return names;
}

// True when the library binds its own calls to itself (-Bsymbolic).
bool BindsSymbolically(void* handle) {
  link_map* map = nullptr;
  if (::dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr) return false;
  for (const ElfW(Dyn)* entry = map->l_ld; entry->d_tag != DT_NULL; ++entry) {
    if (entry->d_tag == DT_SYMBOLIC ||
        (entry->d_tag == DT_FLAGS && (entry->d_un.d_val & DF_SYMBOLIC) != 0)) {
      return true;
    }
  }
  return false;
}

TEST(ExportsTest, EachLibraryExportsItsEntryPointsOnlyAndBindsThemToItself) {
  const std::set<std::string> portLink{GW_PORTLINK_ENTRY_POINTS(GW_NAME)
                                           GW_PORTLINK_TOOL_ENTRY_POINTS(GW_NAME)};
  const std::set<std::string> mbKit{GW_MBKIT_ENTRY_POINTS(GW_NAME)};
  EXPECT_EQ(DefinedSymbols(PortLink().module), portLink);
  EXPECT_EQ(DefinedSymbols(MbKit().module), mbKit);
  EXPECT_TRUE(BindsSymbolically(PortLink().module));
  EXPECT_TRUE(BindsSymbolically(MbKit().module));
}

TEST(ExportsTest, SharedNamesStayApartWhenBothAreLoaded) {
  EXPECT_NE(PortLink().CloseSerial, MbKit().CloseSerial);
  EXPECT_NE(PortLink().ReadSelect, MbKit().ReadSelect);
  EXPECT_NE(PortLink().RequestData, MbKit().RequestData);
  // Local scope: neither name leaks into the global namespace of the process.
  EXPECT_EQ(::dlsym(RTLD_DEFAULT, "OpenSocket"), nullptr);
  EXPECT_EQ(::dlsym(RTLD_DEFAULT, "OpenModbusSerial"), nullptr);
}

}  // namespace
}  // namespace gw::test
