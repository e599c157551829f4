#include "Programs.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace gw::test {

namespace fs = std::filesystem;

namespace {

fs::path TempFolder(const char* stem) {
  std::string pattern = std::string("/tmp/") + stem + "-XXXXXX";
  return ::mkdtemp(pattern.data());
}

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

// The environment of the test, without the variables a test sets itself.
std::vector<std::string> BaseEnvironment() {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    if (entry.rfind("GWSUITE_", 0) == 0 || entry.rfind("NXGCFG_", 0) == 0) continue;
    env.push_back(entry);
  }
  return env;
}

}  // namespace

CliHome::CliHome(const std::string& remote) : root_(TempFolder("nxgcfg-test")) {
  WriteConfig("PortLink.ini", "[PortLink]\nCommType=1\nRemoteIP=" + remote +
                                  "\nBroadcastAddress=127.255.255.255\n");
}

CliHome::~CliHome() {
  std::error_code ec;
  fs::remove_all(root_, ec);
}

std::string CliHome::ReadConfig(const std::string& name) const { return ReadAll(Config() / name); }

void CliHome::WriteConfig(const std::string& name, const std::string& text) const {
  fs::create_directories(Config());
  std::ofstream(Config() / name) << text;
}

ProgramResult CliHome::Nxgcfg(const std::vector<std::string>& args,
                              const std::vector<std::string>& extraEnv,
                              const std::string& input) const {
  std::vector<std::string> argv{NXGCFG_PROGRAM};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<std::string> env = BaseEnvironment();
  env.push_back("GWSUITE_HOME=" + root_.string());
  env.push_back("GWSUITE_LOOPBACK_ONLY=1");
  env.insert(env.end(), extraEnv.begin(), extraEnv.end());
  const fs::path in = root_ / "stdin", out = root_ / "stdout", err = root_ / "stderr";
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

Simulator::Simulator(std::vector<std::string> args) : dir_(TempFolder("nxgsim-cli")) {
  const fs::path ready = dir_ / "ready";
  args.insert(args.begin(), NXGSIM_PROGRAM);
  args.push_back("--ready-file");
  args.push_back(ready.string());
  pid_ = Spawn(args, BaseEnvironment(), "/dev/null", dir_ / "out", dir_ / "err");
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (pid_ > 0 && !fs::exists(ready) && std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ready_ = fs::exists(ready);
}

Simulator::~Simulator() {
  if (pid_ > 0) {
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
  }
  std::error_code ec;
  fs::remove_all(dir_, ec);
}

}  // namespace gw::test
