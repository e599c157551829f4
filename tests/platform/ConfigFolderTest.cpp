// Where the configuration folder is, and its creation on demand.
#include "platform/util/ConfigFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "PlatformFixtures.h"

namespace gw::platform {
namespace {

TEST(ConfigFolderTest, LivesUnderGwsuiteHomeWhenSetOtherwiseBesideTheExecutable) {
  {
    test::TempHome home;
    EXPECT_EQ(ConfigFolder(), home.Root() / "Config" / "");
    EXPECT_EQ(ConfigFile("PortLink.ini"), home.Root() / "Config" / "PortLink.ini");
  }
  const auto beside = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "Config" / "";
  EXPECT_EQ(ConfigFolder(), beside);  // unset
  ::setenv("GWSUITE_HOME", "", 1);
  EXPECT_EQ(ConfigFolder(), beside);
  ::unsetenv("GWSUITE_HOME");
}

TEST(ConfigFolderTest, IsCreatedOnDemandAndAFailureIsReportedAsFalse) {
  test::TempHome home;
  EXPECT_FALSE(std::filesystem::exists(home.ConfigDir()));
  EXPECT_TRUE(EnsureConfigFolder());
  EXPECT_TRUE(std::filesystem::is_directory(home.ConfigDir()));
  EXPECT_TRUE(EnsureConfigFolder());

  const auto blocker = home.Root() / "file";
  std::ofstream(blocker) << "x";
  ::setenv("GWSUITE_HOME", blocker.c_str(), 1);
  EXPECT_FALSE(EnsureConfigFolder());
}

}  // namespace
}  // namespace gw::platform
