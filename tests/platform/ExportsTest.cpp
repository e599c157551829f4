// The libraries' C entry points: their types match the link function table
// the plug-in fills, and nothing else is exported.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <link.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <type_traits>

#include "PlatformFixtures.h"
#include "link/LinkApi.h"
#include "platform/mbkit/MbKit.h"
#include "platform/portlink/PortLink.h"

namespace gw::test {
namespace {

// Both headers declare the shared names (CloseSerial, ReadSelect, ...); one
// translation unit holding both proves they agree, and these prove they
// agree with the table.
#define GW_SAME_TYPE(function, type) \
  static_assert(std::is_same_v<decltype(&::function), type>, #function " drifted")

GW_SAME_TYPE(OpenSerial, PortLinkApi::OpenSerialFn);
GW_SAME_TYPE(OpenSerialEx, PortLinkApi::OpenSerialExFn);
GW_SAME_TYPE(CloseSerial, PortLinkApi::VoidFn);
GW_SAME_TYPE(SetCOMPortNum, PortLinkApi::SetIntFn);
GW_SAME_TYPE(GetCOMPortNum, PortLinkApi::GetIntFn);
GW_SAME_TYPE(GetLastSerialErr, PortLinkApi::GetIntFn);
GW_SAME_TYPE(ResetSerialErr, PortLinkApi::VoidFn);
GW_SAME_TYPE(OpenModbusTCPSocket, PortLinkApi::OpenModbusTCPSocketFn);
GW_SAME_TYPE(OpenSocket, PortLinkApi::OpenSocketFn);
GW_SAME_TYPE(CloseSocket, PortLinkApi::VoidFn);
GW_SAME_TYPE(ReadSelect, PortLinkApi::ReadSelectFn);
GW_SAME_TYPE(SetRemoteIPAddr, PortLinkApi::SetRemoteIPAddrFn);
GW_SAME_TYPE(GetRemoteIPAddr, PortLinkApi::GetRemoteIPAddrFn);
GW_SAME_TYPE(GetLastSocketErr, PortLinkApi::GetIntFn);
GW_SAME_TYPE(ResetSocketErr, PortLinkApi::VoidFn);
GW_SAME_TYPE(RequestData, PortLinkApi::RequestDataFn);
GW_SAME_TYPE(ResponseData, PortLinkApi::ResponseDataFn);
GW_SAME_TYPE(SendData, PortLinkApi::SendDataFn);
GW_SAME_TYPE(RecvData, PortLinkApi::RecvDataFn);
GW_SAME_TYPE(SetCommType, PortLinkApi::SetIntFn);
GW_SAME_TYPE(GetCommType, PortLinkApi::GetIntFn);
GW_SAME_TYPE(SetSerializeData, PortLinkApi::SetSerializeDataFn);
GW_SAME_TYPE(GetSerializeData, PortLinkApi::GetSerializeDataFn);

GW_SAME_TYPE(OpenModbusSerial, MbKitApi::OpenModbusSerialFn);
static_assert(std::is_same_v<decltype(MbKitApi::CloseSerial), decltype(&::CloseSerial)>);
static_assert(std::is_same_v<decltype(MbKitApi::OpenModbusTCPSocket),
                             decltype(&::OpenModbusTCPSocket)>);
static_assert(std::is_same_v<decltype(MbKitApi::CloseSocket), decltype(&::CloseSocket)>);
static_assert(std::is_same_v<decltype(MbKitApi::ReadSelect), decltype(&::ReadSelect)>);
static_assert(std::is_same_v<decltype(MbKitApi::RequestData), decltype(&::RequestData)>);
static_assert(std::is_same_v<decltype(MbKitApi::ResponseData), decltype(&::ResponseData)>);

#undef GW_SAME_TYPE

const std::set<std::string> kPortLinkNames{
    "OpenSerial",      "OpenSerialEx",     "CloseSerial",    "SetCOMPortNum",
    "GetCOMPortNum",   "GetLastSerialErr", "ResetSerialErr", "OpenModbusTCPSocket",
    "OpenSocket",      "CloseSocket",      "ReadSelect",     "SetRemoteIPAddr",
    "GetRemoteIPAddr", "GetLastSocketErr", "ResetSocketErr", "RequestData",
    "ResponseData",    "SendData",         "RecvData",       "SetCommType",
    "GetCommType",     "SetSerializeData", "GetSerializeData", "SetCOMPortDevice",
    "GetCOMPortDevice"};

const std::set<std::string> kMbKitNames{"OpenModbusSerial", "CloseSerial", "OpenModbusTCPSocket",
                                        "CloseSocket",      "ReadSelect",  "RequestData",
                                        "ResponseData"};

std::string LibraryPath(void* handle) {
  link_map* map = nullptr;
  if (::dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr) {
    return {};
  }
  return map->l_name;
}

// The defined dynamic symbols of a library, as nm lists them.
std::set<std::string> DefinedSymbols(const std::string& path) {
  std::set<std::string> names;
  const std::string command = "nm -D --defined-only '" + path + "'";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) {
    return names;
  }
  char line[512];
  while (std::fgets(line, sizeof line, pipe) != nullptr) {
    std::string text(line);
    text.erase(text.find_last_not_of("\r\n") + 1);
    const auto space = text.rfind(' ');
    names.insert(space == std::string::npos ? text : text.substr(space + 1));
  }
  ::pclose(pipe);
  return names;
}

// True when the library binds its own calls to itself (-Bsymbolic).
bool BindsSymbolically(void* handle) {
  link_map* map = nullptr;
  if (::dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr) {
    return false;
  }
  for (const ElfW(Dyn)* entry = map->l_ld; entry->d_tag != DT_NULL; ++entry) {
    if (entry->d_tag == DT_SYMBOLIC ||
        (entry->d_tag == DT_FLAGS && (entry->d_un.d_val & DF_SYMBOLIC) != 0)) {
      return true;
    }
  }
  return false;
}

TEST(ExportsTest, PortLinkExportsItsEntryPointsAndNothingElse) {
  for (const auto& name : kPortLinkNames) {
    EXPECT_NE(::dlsym(PortLinkHandle(), name.c_str()), nullptr) << name;
  }
  EXPECT_EQ(DefinedSymbols(LibraryPath(PortLinkHandle())), kPortLinkNames);
}

TEST(ExportsTest, MbKitExportsItsEntryPointsAndNothingElse) {
  for (const auto& name : kMbKitNames) {
    EXPECT_NE(::dlsym(MbKitHandle(), name.c_str()), nullptr) << name;
  }
  EXPECT_EQ(DefinedSymbols(LibraryPath(MbKitHandle())), kMbKitNames);
}

TEST(ExportsTest, BothBindTheirOwnCallsToThemselves) {
  EXPECT_TRUE(BindsSymbolically(PortLinkHandle()));
  EXPECT_TRUE(BindsSymbolically(MbKitHandle()));
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
