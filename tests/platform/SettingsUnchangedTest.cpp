// Setting a PortLink value to what PortLink.ini holds already leaves the
// file alone (every search sets the remote address again).
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "PlatformFixtures.h"

namespace gw::test {
namespace {

ino_t InodeOf(const std::filesystem::path& file) {
  struct stat info {};
  return ::stat(file.c_str(), &info) == 0 ? info.st_ino : 0;
}

TEST(PortLinkSettingsUnchanged, SameValueKeepsTheFileNewValueReplacesIt) {
  TempHome home;
  PortLinkApi& api = PortLink();
  home.WritePortLinkIni("[PortLink]\nCommType=1\nRemoteIP=127.0.0.9\n");
  const auto ini = home.ConfigDir() / "PortLink.ini";
  const ino_t before = InodeOf(ini);
  ASSERT_NE(before, 0u);

  api.SetRemoteIPAddr(htonl(0x7F000009U));
  api.SetCommType(kCommEthernet);
  EXPECT_EQ(InodeOf(ini), before);  // an atomic rewrite would bring a new file

  api.SetRemoteIPAddr(htonl(0x7F00000AU));
  EXPECT_NE(InodeOf(ini), before);
  EXPECT_EQ(api.GetRemoteIPAddr(), 0x7F00000AU);
  EXPECT_NE(home.ReadConfigFile("PortLink.ini").find("RemoteIP=127.0.0.10\n"), std::string::npos);
}

}  // namespace
}  // namespace gw::test
