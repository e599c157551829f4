#pragma once
// nxgcfg as a user runs it: through its command line, against nxgsim, in a
// configuration folder of the test's own that aims the link at loopback.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "support/SimHarness.h"
#include "support/TestHome.h"

extern char** environ;

namespace gw::test {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using ::testing::HasSubstr;
using ::testing::Not;

struct Result {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// A command, the one variable it gets ("NAME=value"), and what it must give.
struct Command {
  std::vector<std::string> args;
  std::string env;
  int exitCode;
  std::string out;  // a part of its standard output
  std::string err;
  std::string hidden = {};  // a text that must show nowhere
};

// Every test has its own address 127.0.<subnet>.<n>, so the tests run side by
// side; a file of tests takes a subnet of its own.
class NxgcfgTest : public ::testing::Test {
 protected:
  int subnet = 30;
  std::string Address(int last) const {
    return "127.0." + std::to_string(subnet) + "." + std::to_string(last);
  }
  // Aims the link at 127.0.30.<last> and starts nxgsim there with `simArgs`.
  std::unique_ptr<SimProcess> StartSim(int last, std::vector<std::string> simArgs) {
    home.UseEthernet(
        Ipv4(127, 0, static_cast<std::uint8_t>(subnet), static_cast<std::uint8_t>(last)));
    simArgs.insert(simArgs.begin(), {"--address", Address(last)});
    auto sim = std::make_unique<SimProcess>(simArgs);
    EXPECT_TRUE(sim->WaitReady());
    return sim;
  }
  void WriteConfig(const std::string& name, const std::string& text) {
    fs::create_directories(home.ConfigDir());
    std::ofstream(home.ConfigDir() / name) << text;
  }

  // The node list nxgcfg keeps between runs.
  fs::path KeptList() const { return home.ConfigDir() / "NxgcfgNodes.dat"; }

  // nxgcfg with `args`, without the password variables unless `env` sets
  // one; one that hangs is ended after a minute (exit code 124).
  Result Nxgcfg(const std::vector<std::string>& args, const std::string& env = "") {
    std::string command =
        "env -u NXGCFG_PASSWORD -u NXGCFG_NEW_PASSWORD " + env + " timeout 60 " NXGCFG_PROGRAM;
    for (const auto& a : args) command += " '" + a + "'";
    const fs::path err = home.Root() / "stderr";
    command += " </dev/null 2>" + err.string();
    Result run;
    FILE* pipe = ::popen(command.c_str(), "r");
    char chunk[4096];
    while (const std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe)) run.out.append(chunk, n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = gw::test::ReadFile(err);
    return run;
  }

  // nxgcfg with `args` at a terminal on which the user types `typed`.
  Result NxgcfgAtTerminal(const std::vector<std::string>& args, const std::string& typed) {
    Result run;
    int master = -1;
    int slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return run;
    const fs::path err = home.Root() / "stderr";
    std::vector<std::string> words{NXGCFG_PROGRAM};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, slave, STDIN_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addclose(&actions, master);
    posix_spawn_file_actions_addclose(&actions, slave);
    pid_t pid = -1;
    const bool spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    // The terminal keeps the line until the program reads it.
    if (spawned &&
        ::write(master, typed.data(), typed.size()) == static_cast<ssize_t>(typed.size())) {
      int status = 0;
      if (::waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    }
    ::close(master);
    ::close(slave);
    run.err = gw::test::ReadFile(err);
    return run;
  }

  void Check(const std::vector<Command>& commands) {
    for (const Command& c : commands) {
      std::string line = c.env;
      for (const auto& a : c.args) line += " " + a;
      SCOPED_TRACE(line);
      const Result run = Nxgcfg(c.args, c.env);
      EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
      EXPECT_THAT(run.out, HasSubstr(c.out));
      EXPECT_THAT(run.err, HasSubstr(c.err));
      if (const auto eq = c.env.find('='); eq != std::string::npos) {  // never shown
        EXPECT_THAT(run.out + run.err, Not(HasSubstr(c.env.substr(eq + 1))));
      }
      if (!c.hidden.empty()) {
        EXPECT_THAT(run.out + run.err, Not(HasSubstr(c.hidden)));
      }
    }
  }

  TempHome home;
};

}  // namespace gw::test
