#include "Programs.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

extern char** environ;

namespace gw::test {

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

pid_t Spawn(std::vector<std::string> args, const std::vector<std::string>& env,
            const fs::path& in, const fs::path& out, const fs::path& err) {
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::vector<std::string> envText = env;
  std::vector<char*> envp;
  for (auto& e : envText) envp.push_back(e.data());
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// The environment of the test (its GWSUITE_HOME included) without a password.
std::vector<std::string> Environment() {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    if (entry.rfind("NXGCFG_", 0) == 0) continue;
    env.push_back(entry);
  }
  return env;
}

}  // namespace

CliHome::CliHome(const std::string& remote) {
  in_addr address{};
  ::inet_pton(AF_INET, remote.c_str(), &address);
  home_.UseEthernet(ntohl(address.s_addr));
}

void CliHome::WriteConfig(const std::string& name, const std::string& text) const {
  fs::create_directories(Config());
  std::ofstream(Config() / name) << text;
}

ProgramResult CliHome::Nxgcfg(const std::vector<std::string>& args,
                              const std::vector<std::string>& extraEnv,
                              const std::string& input) const {
  std::vector<std::string> argv{NXGCFG_PROGRAM};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<std::string> env = Environment();
  env.insert(env.end(), extraEnv.begin(), extraEnv.end());
  const fs::path in = Root() / "stdin", out = Root() / "stdout", err = Root() / "stderr";
  std::ofstream(in) << input;
  ProgramResult result;
  const pid_t pid = Spawn(argv, env, in, out, err);
  if (pid < 0) return result;
  int status = 0;
  ::waitpid(pid, &status, 0);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadAll(out);
  result.err = ReadAll(err);
  return result;
}

}  // namespace gw::test
