// nxgcfg's commands that find, read, log in to, reset and export modules.
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <map>

#include "NxgcfgFixture.h"

namespace gw::test {
namespace {

TEST_F(NxgcfgTest, SearchListsModulesByNumberAndKeepsThemForLaterCommands) {
  const auto sim = StartSim(
      1, {"--modules", "3", "--module-numbers", "2,300,1", "--names", "Mixer,Dock,Boiler"});
  const auto search = Nxgcfg({"search", "--ip", Address(1), "--json"});
  ASSERT_EQ(search.exitCode, 0) << search.err;
  const Json list = Json::parse(search.out);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0]["moduleNumber"], 1);
  EXPECT_EQ(list[0]["name"], "Boiler");
  EXPECT_EQ(list[1]["moduleNumber"], 2);
  EXPECT_EQ(list[2]["moduleNumber"], 300);
  EXPECT_EQ(list[2]["index"], 2);
  EXPECT_EQ(list[2]["locked"], false);
  // The text listing has the node list's labels.
  EXPECT_THAT(Nxgcfg({"search", "--ip", Address(1)}).out, HasSubstr("#002  300"));

  // Later commands find the modules by number, index and MAC.
  const auto show = Nxgcfg({"show", "300", "--json"});
  ASSERT_EQ(show.exitCode, 0) << show.err;
  EXPECT_EQ(Json::parse(show.out)["Basic"]["Module Name"], "Dock");
  EXPECT_EQ(Nxgcfg({"show", "#0"}).exitCode, 0);
  const auto read = Nxgcfg({"read", list[1]["mac"], "11", "--json"});
  ASSERT_EQ(read.exitCode, 0) << read.err;
  EXPECT_EQ(Json::parse(read.out)["size"], 128);
  // Every address found is in the IP list, once.
  EXPECT_THAT(home.ReadConfigFile("IPList.ini"), HasSubstr("IPCount=3"));
}

TEST_F(NxgcfgTest, ASearchTakesAtMost253ModulesAndKeepsThemAll) {
  const auto sim = StartSim(3, {"--modules", "300"});
  const auto search = Nxgcfg({"search", "--ip", Address(3), "--json"});
  ASSERT_EQ(search.exitCode, 0) << search.err;
  EXPECT_EQ(Json::parse(search.out).size(), 253u);
  EXPECT_EQ(search.err, "");
  // Every module found can be named later, the last one too.
  Check({{{"read", "#252", "11", "--json"}, "", 0, "\"size\": 128", ""}});
  EXPECT_EQ(fs::file_size(KeptList()), 4u + 120u * 253u);
}

TEST_F(NxgcfgTest, CommandsWithoutAModuleFailWithAReasonAndEveryCommandHasHelp) {
  home.UseEthernet(Ipv4(127, 0, 30, 4));  // no simulator there
  std::vector<Command> commands = {
      {{"search", "--ip", Address(4)}, "", 1, "", "No NXG4120-T module found"},
      {{"show", "1"}, "", 1, "", "run 'nxgcfg search' first"},
      {{"show"}, "", 2, "", ""},
      {{"read", "1", "3"}, "", 2, "", ""},
      {{"search", "--ip", "not-an-address"}, "", 2, "", ""},
      {{"link", "--serial", "LPT1"}, "", 2, "", ""},
  };
  for (const char* command : {"search", "show", "read", "login", "factory-reset", "export",
                              "decode", "link", "fields", "set", "diff", "monitor"}) {
    commands.push_back({{command, "--help"}, "", 0, "Usage", ""});
  }
  Check(commands);
}

// Every file of the settings folder, by name.
std::map<std::string, std::string> FolderFiles(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    files[entry.path().filename().string()] = gw::test::ReadFile(entry.path());
  }
  return files;
}

TEST_F(NxgcfgTest, AHostileResponderGetsAClearRefusalAndChangesNoFile) {
  // The module is found by a well-behaved simulator; then another one takes
  // its place, with the same seed (so the same MAC) and a hostile rule.
  {
    const auto honest = StartSim(40, {"--seed", "4"});
    ASSERT_EQ(Nxgcfg({"search", "--ip", Address(40)}).exitCode, 0);
  }
  const std::string key = "NXGCFG_PASSWORD=kq7z";
  struct Hostile {
    std::vector<std::string> rule;
    std::vector<Command> commands;
  };
  const Hostile hostiles[] = {
      {{"--fault", "other-mac"},
       {{{"read", "#0", "11"}, "", 1, "", "the only replies came from another module"},
        {{"login", "#0"}, key, 1, "", "another module"},
        {{"factory-reset", "#0", "--yes"}, "", 1, "", "another module"}}},
      {{"--fault", "echo"},
       {{{"read", "#0", "0"}, "", 1, "", "Communication error"},
        {{"show", "#0"}, "", 1, "", "Communication error"},
        {{"export", "#0", (home.Root() / "out.mod").string()}, "", 1, "", "Communication error"},
        {{"login", "#0"}, key, 1, "", "Authentication failed"},
        {{"factory-reset", "#0", "--yes"}, "", 1, "", "Configuration is failed"}}},
      {{"--quiet-login"},
       {{{"login", "#0"}, key, 1, "", "No answer from the module"},
        {{"login", "#0"}, "NXGCFG_PASSWORD=abcde", 1, "", "at most 4 characters"}}},
  };
  const auto before = FolderFiles(home.ConfigDir());
  for (const Hostile& hostile : hostiles) {
    SCOPED_TRACE(hostile.rule.front());
    std::vector<std::string> args{"--seed", "4"};
    args.insert(args.end(), hostile.rule.begin(), hostile.rule.end());
    const auto sim = StartSim(40, args);
    Check(hostile.commands);
    EXPECT_EQ(FolderFiles(home.ConfigDir()), before);
    EXPECT_FALSE(fs::exists(home.Root() / "out.mod"));
  }
  // A link that cannot be opened stops the reset before anything is sent.
  const std::string noDevice = (home.Root() / "no-such-line").string();
  ASSERT_EQ(Nxgcfg({"link", "--serial", "COM7", "--device", noDevice}).exitCode, 0);
  Check({{{"factory-reset", "#0", "--yes"},
          "",
          1,
          "",
          "Cannot open the specified device",
          "Configuration is failed"}});
}

TEST_F(NxgcfgTest, ModulesAreNamedExactlyLoggedInToAndResetOnlyWhenConfirmed) {
  // By module number: #0 the locked 3, #1 and #2 both 7.
  const auto sim = StartSim(
      5, {"--modules", "3", "--module-numbers", "7,7,3", "--locked", "3", "--password", "abcd"});
  const auto search = Nxgcfg({"search", "--ip", Address(5), "--json"});
  ASSERT_EQ(search.exitCode, 0) << search.err;
  EXPECT_EQ(Json::parse(search.out)[0]["locked"], true);
  Check({
      {{"show", "7"}, "", 1, "", "2 modules have module number 7"},
      {{"show", "#9"}, "", 1, "", "there is no #9"},
      {{"show", "00:11:22:33:44:55"}, "", 1, "", "No module with MAC address"},
      {{"show", "kitchen"}, "", 1, "", "is not a MAC address"},
      // The password bytes of block 0 show only when asked for.
      {{"read", "#0", "0"}, "", 0, "0030  ** ** ** **", "", "61 62 63 64"},
      {{"read", "#0", "0", "--hex"}, "", 0, "0030  ** ** ** **", "", "61 62 63 64"},
      {{"read", "#0", "0", "--json"}, "", 0, "\"redacted\": [", "", "61626364"},
      {{"read", "#0", "0", "--reveal"}, "", 0, "0030  61 62 63 64", ""},
      // The password comes from the environment only, and is never shown.
      {{"login", "#0"}, "", 2, "", "NXGCFG_PASSWORD"},
      {{"login", "#0"}, "NXGCFG_PASSWORD=zzzz", 1, "", "Authentication failed"},
      {{"login", "#0"}, "NXGCFG_PASSWORD=abcd", 0, "", ""},
      {{"factory-reset", "#1"}, "", 1, "", "Return to factory setting"},
      {{"factory-reset", "#1", "--yes"}, "", 0, "", "Configuration is successful"},
  });
  EXPECT_EQ(sim->CountLogLines("factory setting restored"), 1u);
}

TEST_F(NxgcfgTest, TheFactoryResetQuestionTakesNoForAnEmptyAnswer) {
  const auto sim = StartSim(13, {"--modules", "1"});
  ASSERT_EQ(Nxgcfg({"search", "--ip", Address(13)}).exitCode, 0);
  struct Case {
    const char* typed;
    int exitCode;
    std::size_t resets;  // by then
  };
  for (const Case& c : {Case{"\n", 1, 0}, Case{"n\n", 1, 0}, Case{"y\n", 0, 1}}) {
    SCOPED_TRACE(c.typed);
    const Result run = NxgcfgAtTerminal({"factory-reset", "#0"}, c.typed);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_THAT(run.err, HasSubstr("Return to factory setting [y/N]"));
    EXPECT_EQ(sim->CountLogLines("factory setting restored"), c.resets);
  }
}

TEST_F(NxgcfgTest, ExportedFilesDecodeWithoutAModuleAndBadFilesAreRefused) {
  const auto sim = StartSim(8, {"--modules", "1", "--names", "Boiler"});
  ASSERT_EQ(Nxgcfg({"search", "--ip", Address(8)}).exitCode, 0);
  const std::string file = (home.Root() / "boiler.mod").string();
  const auto exported = Nxgcfg({"export", "#0", file});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_EQ(fs::file_size(file), 7386u);
  const auto decoded = Nxgcfg({"decode", file, "--json"});
  ASSERT_EQ(decoded.exitCode, 0) << decoded.err;
  EXPECT_EQ(Json::parse(decoded.out)["Overview"]["Module Name"], "Boiler");

  const fs::path longer = home.Root() / "longer.mod";
  fs::copy_file(file, longer);
  std::ofstream(longer, std::ios::app) << '\0';
  const fs::path huge = home.Root() / "huge.mod";
  fs::copy_file(file, huge);
  fs::resize_file(huge, 50u << 20);
  const fs::path fifo = home.Root() / "fifo.mod";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::resize_file(file, 7000);
  WriteConfig("other.mod", std::string(7386, '\x11'));
  Check({
      {{"decode", file}, "", 1, "", "past its end"},
      {{"decode", longer.string()}, "", 1, "", "holds 7387 bytes; a parameter file holds 7386"},
      {{"decode", huge.string()}, "", 1, "", "holds 52428800 bytes"},
      {{"decode", fifo.string()}, "", 1, "", "is not a regular file"},
      {{"decode", home.Root().string()}, "", 1, "", "is a folder"},
      {{"decode", file + ".none"}, "", 1, "", "was not found"},
      {{"decode", (home.ConfigDir() / "other.mod").string()},
       "",
       1,
       "",
       "Module type does not match NXG4120"},
  });
}

TEST_F(NxgcfgTest, AnInquiryThatLosesABlockSaysSoAndStops) {
  const auto sim = StartSim(9, {"--modules", "1", "--quiet-block", "9"});
  ASSERT_EQ(Nxgcfg({"search", "--ip", Address(9)}).exitCode, 0);
  const auto show = Nxgcfg({"show", "#0"});
  EXPECT_EQ(show.exitCode, 1);
  std::size_t losses = 0;
  for (auto at = show.err.find("Losss APD9"); at != std::string::npos;
       at = show.err.find("Losss APD9", at + 1)) {
    ++losses;
  }
  EXPECT_EQ(losses, 5u) << show.err;
  EXPECT_THAT(show.err, HasSubstr("Communication error"));
  EXPECT_EQ(show.out, "");
}

TEST_F(NxgcfgTest, OnlyASearchThatFindsModulesReplacesTheKeptList) {
  const auto sim = StartSim(12, {"--modules", "2"});
  ASSERT_EQ(Nxgcfg({"search", "--ip", Address(12)}).exitCode, 0);
  const std::string kept = ReadFile(KeptList());
  const std::string keptText = "The 2 modules of the last search are kept.";
  Check({
      {{"search", "--ip", Address(13)}, "", 1, "", keptText},  // nothing answers there
      {{"search", "--serial", "/dev/gwsuite-no-such-port"}, "", 1, "", keptText},
  });
  EXPECT_EQ(ReadFile(KeptList()), kept);
  Check({
      {{"link", "--ethernet", Address(12)}, "", 0, "", ""},
      {{"show", "#1"}, "", 0, "Module Name", ""},
  });
  // A list that cannot be kept is a failed search.
  fs::remove(KeptList());
  fs::create_directory(KeptList());
  Check({{{"search", "--ip", Address(12)}, "", 1, "", "could not be kept"}});
}

// Ctrl-C at the password prompt gives the terminal back with its echo on.
TEST_F(NxgcfgTest, AnInterruptedPasswordPromptRestoresTheTerminal) {
  const auto sim = StartSim(14, {"--modules", "1", "--locked", "1"});
  ASSERT_EQ(Nxgcfg({"search", "--ip", Address(14)}).exitCode, 0);
  int controller = -1, terminal = -1;
  ASSERT_EQ(::openpty(&controller, &terminal, nullptr, nullptr, nullptr), 0);
  ::unsetenv("NXGCFG_PASSWORD");
  const pid_t child = ::fork();
  if (child == 0) {
    ::setsid();
    ::ioctl(terminal, TIOCSCTTY, 0);
    for (int fd = 0; fd < 3; ++fd) ::dup2(terminal, fd);
    ::close(terminal);
    ::close(controller);
    ::execl(NXGCFG_PROGRAM, NXGCFG_PROGRAM, "login", "#0", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ASSERT_GT(child, 0);
  // Waits until the prompt is out and echo is off, for at most ten seconds.
  std::string shown;
  termios mode{};
  for (int round = 0; round < 100; ++round) {
    pollfd p{controller, POLLIN, 0};
    char chunk[256];
    if (::poll(&p, 1, 100) > 0) {
      const ssize_t n = ::read(controller, chunk, sizeof chunk);
      if (n > 0) shown.append(chunk, static_cast<std::size_t>(n));
    }
    ::tcgetattr(terminal, &mode);
    if (shown.find("Password:") != std::string::npos && (mode.c_lflag & ECHO) == 0) break;
  }
  EXPECT_THAT(shown, HasSubstr("Password:"));
  EXPECT_EQ(mode.c_lflag & ECHO, 0u);
  ASSERT_EQ(::write(controller, "\x03", 1), 1);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
  ASSERT_EQ(::tcgetattr(terminal, &mode), 0);
  EXPECT_NE(mode.c_lflag & ECHO, 0u);
  ::close(controller);
  ::close(terminal);
}

TEST_F(NxgcfgTest, TheIpSearchTakesTheSettingsFileAddress) {
  const auto sim = StartSim(10, {"--modules", "1"});
  home.UseEthernet(Ipv4(127, 0, 30, 250));  // the link points elsewhere
  // 127.0.30.10 as one signed decimal number, as the settings file holds it.
  WriteConfig("NXG4120-T.ini", "[CommConf]\nIPAddress=2130714122\n");
  const auto search = Nxgcfg({"search", "--settings-address", "--json"});
  ASSERT_EQ(search.exitCode, 0) << search.err;
  EXPECT_EQ(Json::parse(search.out).size(), 1u);
  // The search aims the link for its own run only.
  EXPECT_THAT(home.ReadConfigFile("PortLink.ini"), HasSubstr("RemoteIP=127.0.30.250"));
}

// Only `nxgcfg link` saves the link; no search changes PortLink.ini, not even
// one whose serial device cannot be opened.
TEST_F(NxgcfgTest, SearchesLeaveTheSavedLinkAsItIs) {
  home.UseEthernet(Ipv4(127, 0, 30, 12));                              // no simulator there
  WriteConfig("NXG4120-T.ini", "[CommConf]\nIPAddress=2130714125\n");  // 127.0.30.13
  const std::string saved = home.ReadConfigFile("PortLink.ini") +
                            "[COMPorts]\nCOM7=" + (home.Root() / "absent7").string() + "\n";
  WriteConfig("PortLink.ini", saved);
  Check({
      {{"search", "--ip", Address(13)}, "", 1, "", "No NXG4120-T module found"},
      {{"search", "--settings-address"}, "", 1, "", ""},
      {{"search", "--serial", (home.Root() / "absent").string()}, "", 1, "", "absent"},
      {{"search", "--serial", "COM7"}, "", 1, "", "absent7"},
  });
  EXPECT_EQ(home.ReadConfigFile("PortLink.ini"), saved);
}

// A settings file that a rewrite would cut short is named with the reason and
// left as it is.
TEST_F(NxgcfgTest, ALinkFileThatCannotBeReadWholeIsNotRewritten) {
  home.UseEthernet(Ipv4(127, 0, 30, 14));
  const std::string damaged = home.ReadConfigFile("PortLink.ini") + "RemoteIP 127.0.0.1\n";
  WriteConfig("PortLink.ini", damaged);
  Check({
      {{"link", "--ethernet", "127.0.30.15"}, "", 1, "", "PortLink.ini cannot be read whole"},
      {{"link", "--json"}, "", 0, Address(14), "\"RemoteIP 127.0.0.1\") is neither"},
  });
  EXPECT_EQ(home.ReadConfigFile("PortLink.ini"), damaged);
  // Nor is a file its owner made read-only replaced.
  home.UseEthernet(Ipv4(127, 0, 30, 14));
  fs::permissions(home.ConfigDir() / "PortLink.ini", fs::perms::owner_read);
  Check({{{"link", "--ethernet", "127.0.30.15"}, "", 1, "", "PortLink.ini is read-only"}});
  EXPECT_THAT(home.ReadConfigFile("PortLink.ini"), HasSubstr("RemoteIP=" + Address(14)));
}

// Two searches at the same moment, each through its own simulator, both add
// their module to the IP list (load, merge and save run one after the other).
TEST_F(NxgcfgTest, ConcurrentSearchesKeepEveryAddressInTheIpList) {
  home.UseEthernet(Ipv4(127, 0, 30, 16));
  std::vector<std::unique_ptr<SimProcess>> sims;
  std::vector<std::string> lines;
  for (int last : {16, 17}) {
    lines.push_back((home.Root() / ("COM" + std::to_string(last))).string());
    sims.push_back(std::make_unique<SimProcess>(
        std::vector<std::string>{"--address", Address(last), "--serial", "--link", lines.back(),
                                 "--modules", "1", "--ip-base", Address(last)}));
    ASSERT_TRUE(sims.back()->WaitReady());
  }
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE(round);
    fs::remove(home.ConfigDir() / "IPList.ini");
    std::vector<FILE*> runs;
    for (const std::string& line : lines) {
      runs.push_back(::popen(
          (std::string(NXGCFG_PROGRAM) + " search --serial '" + line + "' >/dev/null 2>&1").c_str(),
          "r"));
    }
    for (FILE* run : runs) EXPECT_EQ(::pclose(run), 0);
    const std::string list = home.ReadConfigFile("IPList.ini");
    EXPECT_THAT(list, HasSubstr("IPCount=2\n"));
    for (int last : {16, 17}) EXPECT_THAT(list, HasSubstr("=" + Address(last) + "\n"));
  }
}

TEST_F(NxgcfgTest, LinkSettingsAreShownAndChanged) {
  home.UseEthernet(Ipv4(127, 0, 30, 11));
  const auto shown = Nxgcfg({"link", "--json"});
  ASSERT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_EQ(Json::parse(shown.out)["remoteAddress"], Address(11));
  const auto serial = Nxgcfg({"link", "--serial", "COM3", "--device", "/dev/ttyUSB1", "--json"});
  ASSERT_EQ(serial.exitCode, 0) << serial.err;
  const Json j = Json::parse(serial.out);
  EXPECT_EQ(j["commType"], "serial");
  EXPECT_EQ(j["comPort"], 3);
  EXPECT_EQ(j["device"], "/dev/ttyUSB1");
  EXPECT_EQ(Nxgcfg({"link", "--ethernet", "127.0.30.12"}).exitCode, 0);
  EXPECT_THAT(home.ReadConfigFile("PortLink.ini"), HasSubstr("RemoteIP=127.0.30.12"));
}

}  // namespace
}  // namespace gw::test
