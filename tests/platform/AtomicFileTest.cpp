// Saves of whole files: a new temporary file that never follows a planted
// link, the leftovers of an interrupted save cleaned by the next one, and
// the settings folder's files readable by their owner only.
#include "platform/util/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <functional>

#include "PlatformFixtures.h"
#include "model/FileIo.h"
#include "platform/cfglib/CfgLib.h"
#include "platform/util/ConfigFolder.h"
#include "platform/util/PrivateProfile.h"

namespace gw::test {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const fs::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

// The id of a process that has ended.
pid_t EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

TEST(AtomicFile, ALinkAtATemporaryNameIsNeverFollowed) {
  TempHome home;
  fs::create_directories(home.ConfigDir());
  const fs::path file = home.Root() / "boiler.mod";
  const fs::path victim = home.Root() / "victim";
  std::ofstream(victim) << "keep";
  // The name the export once wrote through, and a link in our own naming.
  fs::create_symlink(victim, file.string() + ".part");
  fs::create_symlink(victim, home.Root() / (".boiler.mod." + std::to_string(::getpid()) + ".0"));
  const Bytes bytes{1, 2, 3};
  ASSERT_TRUE(WriteFileBytes(file.string(), bytes).ok);
  EXPECT_EQ(ReadFile(victim), "keep");
  EXPECT_EQ(ReadFile(file), std::string("\x01\x02\x03"));
}

TEST(AtomicFile, ASaveCleansTheTemporariesOfEndedWritersOnly) {
  TempHome home;
  const fs::path folder = home.Root();
  const std::string dead = std::to_string(EndedProcess());
  const std::string alive = std::to_string(::getppid());
  const struct {
    std::string name;
    bool kept;
  } entries[] = {
      {".Data.bin." + dead + ".x1y2z3a4", false},  // a save killed half-way
      {".Data.bin." + dead + ".7", false},         // the older naming
      {".Data.bin." + alive + ".x1y2z3a4", true},  // a save still running
      {".Other.bin." + dead + ".x1y2z3a4", true},  // another file's
      {".Data.bin.notes", true},
      {"Data.bin.bak", true},
  };
  for (const auto& e : entries) std::ofstream(folder / e.name) << "x";
  ASSERT_TRUE(platform::WriteFileAtomically(folder / "Data.bin", std::string_view("new")));
  for (const auto& e : entries) EXPECT_EQ(fs::exists(folder / e.name), e.kept) << e.name;
}

TEST(AtomicFile, ASmallFileIsReadWholeOnlyUpToItsLimit) {
  TempHome home;
  constexpr std::size_t kLimit = 10000;
  const struct {
    std::size_t size;
    platform::ReadStatus status;
  } cases[] = {
      {0, platform::ReadStatus::Ok},
      {1, platform::ReadStatus::Ok},
      {kLimit, platform::ReadStatus::Ok},
      {kLimit + 1, platform::ReadStatus::TooLarge},
      {3 * kLimit, platform::ReadStatus::TooLarge},
  };
  for (const auto& c : cases) {
    const fs::path file = home.Root() / ("f" + std::to_string(c.size));
    std::string text(c.size, 'x');
    for (std::size_t i = 0; i < text.size(); i += 97) text[i] = static_cast<char>('a' + i % 26);
    std::ofstream(file) << text;
    const auto content = platform::ReadSmallFile(file, kLimit);
    EXPECT_EQ(content.status, c.status) << c.size;
    if (c.status == platform::ReadStatus::Ok) {
      EXPECT_EQ(std::string(content.bytes.begin(), content.bytes.end()), text) << c.size;
    }
  }
  // The buffer follows the file, not the limit: a limit no memory could
  // hold still reads a small file.
  const auto small = platform::ReadSmallFile(home.Root() / "f1", std::size_t{1} << 40);
  EXPECT_EQ(small.status, platform::ReadStatus::Ok);
  EXPECT_EQ(small.bytes.size(), 1u);
  // A file that reports no size (in /proc) is read whole, and its limit holds.
  const auto maps = platform::ReadSmallFile("/proc/self/smaps", std::size_t{1} << 24);
  ASSERT_EQ(maps.status, platform::ReadStatus::Ok);
  EXPECT_GT(maps.bytes.size(), 3 * 4096u);
  EXPECT_EQ(maps.bytes.back(), '\n');
  EXPECT_EQ(platform::ReadSmallFile("/proc/self/smaps", 4096).status,
            platform::ReadStatus::TooLarge);
  EXPECT_EQ(platform::ReadSmallFile(home.Root() / "none", kLimit).status,
            platform::ReadStatus::Missing);
}

TEST(AtomicFile, TheSettingsFolderAndItsFilesAreTheOwnersOnly) {
  TempHome home;
  const mode_t old = ::umask(022);
  CCfgLib store;
  const Bytes data{1, 2};
  const struct {
    const char* file;
    std::function<bool()> write;
  } writers[] = {
      {"CfgLib.dat", [&] { return store.SetSerializeData(data.data(), 2) == 2; }},
      {"PortLink.dat", [&] { return PortLink().SetSerializeData(data.data(), 2) == 2; }},
      {"Settings.ini",
       [] {
         return platform::EnsureConfigFolder() &&
                platform::WritePrivateProfileString("A", "B", "1",
                                                    platform::ConfigFile("Settings.ini"));
       }},
  };
  for (const auto& w : writers) {
    SCOPED_TRACE(w.file);
    fs::remove_all(home.ConfigDir());
    ASSERT_TRUE(w.write());
    EXPECT_EQ(ModeOf(home.ConfigDir()), 0700u);
    EXPECT_EQ(ModeOf(home.ConfigDir() / w.file), 0600u);
  }
  // A file the user opened up keeps its mode; one made read-only is not
  // replaced.
  ::chmod((home.ConfigDir() / "Settings.ini").c_str(), 0644);
  ASSERT_TRUE(
      platform::WritePrivateProfileString("A", "B", "2", home.ConfigDir() / "Settings.ini"));
  EXPECT_EQ(ModeOf(home.ConfigDir() / "Settings.ini"), 0644u);
  ::chmod((home.ConfigDir() / "Settings.ini").c_str(), 0444);
  EXPECT_FALSE(platform::WriteFileAtomically(home.ConfigDir() / "Settings.ini", "x"));
  EXPECT_EQ(errno, EACCES);
  EXPECT_EQ(home.ReadConfigFile("Settings.ini"), "[A]\nB=2\n");
  EXPECT_EQ(ModeOf(home.ConfigDir() / "Settings.ini"), 0444u);
  ::umask(old);
}

}  // namespace
}  // namespace gw::test
