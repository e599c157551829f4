// Where the configuration folder is, and its creation on demand.
#include "platform/util/ConfigFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "PlatformFixtures.h"

namespace gw::platform {
namespace {

namespace fs = std::filesystem;

// Sets (or, with nullopt, removes) an environment variable and puts the old
// value back when it goes.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(value);
  }
  ~ScopedVariable() { Set(old_); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  void Set(const std::optional<std::string>& value) {
    if (value) {
      ::setenv(name_, value->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  const char* name_;
  std::optional<std::string> old_;
};

enum class Beside { kNone, kFolder, kFile };
enum class Chosen { kGwsuiteHome, kBeside, kXdg, kDotConfig };

struct Case {
  const char* what;
  bool gwsuiteHome;
  Beside beside;
  const char* xdg;   // relative to the temporary root when it starts with a letter; nullptr: unset
  const char* home;  // the same
  Chosen chosen;
};

TEST(ConfigFolderTest, TakesTheFirstOfHomeBesideTheProgramAndTheUsersConfigFolder) {
  const Case cases[] = {
      {"GWSUITE_HOME first", true, Beside::kFolder, "xdg", "home", Chosen::kGwsuiteHome},
      {"then a portable Config/", false, Beside::kFolder, "xdg", "home", Chosen::kBeside},
      {"a file named Config is no folder", false, Beside::kFile, "xdg", "home", Chosen::kXdg},
      {"XDG_CONFIG_HOME", false, Beside::kNone, "xdg", "home", Chosen::kXdg},
      {"empty XDG_CONFIG_HOME", false, Beside::kNone, "", "home", Chosen::kDotConfig},
      {"relative XDG_CONFIG_HOME", false, Beside::kNone, "./xdg", "home", Chosen::kDotConfig},
      {"XDG_CONFIG_HOME unset", false, Beside::kNone, nullptr, "home", Chosen::kDotConfig},
      {"no home at all", false, Beside::kNone, nullptr, nullptr, Chosen::kBeside},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempHome root;  // sets GWSUITE_HOME; the rows without it take it away
    const fs::path program = root.Root() / "bin";
    fs::create_directories(program);
    if (c.beside == Beside::kFolder) fs::create_directories(program / "Config");
    if (c.beside == Beside::kFile) std::ofstream(program / "Config") << "x";
    const auto underRoot = [&](const char* text) -> std::optional<std::string> {
      if (text == nullptr) return std::nullopt;
      const bool relative = *text == '\0' || *text == '.';
      return relative ? std::string(text) : (root.Root() / text).string();
    };
    const std::optional<std::string> keep =
        c.gwsuiteHome ? std::optional(root.Root().string()) : std::nullopt;
    ScopedVariable gwsuiteHome("GWSUITE_HOME", keep);
    ScopedVariable xdg("XDG_CONFIG_HOME", underRoot(c.xdg));
    ScopedVariable home("HOME", underRoot(c.home));

    const fs::path expected[] = {root.Root() / "Config" / "", program / "Config" / "",
                                 root.Root() / "xdg" / "gwsuite" / "",
                                 root.Root() / "home" / ".config" / "gwsuite" / ""};
    EXPECT_EQ(ConfigFolderFor(program), expected[static_cast<int>(c.chosen)]);
  }
}

TEST(ConfigFolderTest, IsCreatedOnDemandAndAFailureIsReportedAsFalse) {
  test::TempHome home;
  EXPECT_EQ(ConfigFile("PortLink.ini"), home.Root() / "Config" / "PortLink.ini");
  EXPECT_FALSE(fs::exists(home.ConfigDir()));
  EXPECT_TRUE(EnsureConfigFolder());
  EXPECT_TRUE(fs::is_directory(home.ConfigDir()));
  EXPECT_TRUE(EnsureConfigFolder());

  const auto blocker = home.Root() / "file";
  std::ofstream(blocker) << "x";
  ::setenv("GWSUITE_HOME", blocker.c_str(), 1);
  EXPECT_FALSE(EnsureConfigFolder());
}

TEST(ConfigFolderTest, TheUsersFolderIsCreatedWithItsParents) {
  if (fs::is_directory(fs::read_symlink("/proc/self/exe").parent_path() / "Config")) {
    GTEST_SKIP() << "a portable Config/ beside the test program takes precedence";
  }
  test::TempHome root;
  ScopedVariable gwsuiteHome("GWSUITE_HOME", std::nullopt);
  ScopedVariable xdg("XDG_CONFIG_HOME", std::nullopt);
  ScopedVariable home("HOME", root.Root().string());
  EXPECT_TRUE(EnsureConfigFolder());
  EXPECT_TRUE(fs::is_directory(root.Root() / ".config" / "gwsuite"));
  EXPECT_EQ(ConfigFile("CfgLib.dat"), root.Root() / ".config" / "gwsuite" / "CfgLib.dat");
}

}  // namespace
}  // namespace gw::platform
