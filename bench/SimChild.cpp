#include "SimChild.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "BenchHome.h"

extern char** environ;

namespace gw::bench {

namespace fs = std::filesystem;
using Steady = std::chrono::steady_clock;

fs::path SimulatorProgram() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path("nxgsim") : self.parent_path() / "nxgsim";
}

SimChild::SimChild(std::vector<std::string> args, std::chrono::milliseconds readyWait)
    : folder_(MakeTempFolder("gwbench-sim")) {
  const fs::path ready = folder_ / "ready";
  for (std::string& a : args) {
    if (const auto at = a.find("{dir}"); at != std::string::npos) a.replace(at, 5, folder_);
  }
  args.insert(args.begin(), SimulatorProgram().string());
  args.push_back("--ready-file");
  args.push_back(ready.string());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, (folder_ / "out").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, (folder_ / "err").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int spawned = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    pid_ = -1;
    std::error_code ec;
    fs::remove_all(folder_, ec);
    throw std::runtime_error("cannot start " + args.front());
  }

  const auto until = Steady::now() + readyWait;
  while (!fs::exists(ready)) {
    int status = 0;
    const bool ended = ::waitpid(pid_, &status, WNOHANG) == pid_;
    if (ended || Steady::now() > until) {
      if (ended) pid_ = -1;
      const std::string error = "nxgsim did not get ready: " + ErrorOutput();
      Stop();
      std::error_code ec;
      fs::remove_all(folder_, ec);
      throw std::runtime_error(error);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

SimChild::~SimChild() {
  Stop();
  std::error_code ec;
  fs::remove_all(folder_, ec);
}

void SimChild::Stop() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  const auto until = Steady::now() + std::chrono::seconds(5);
  int status = 0;
  while (::waitpid(pid_, &status, WNOHANG) != pid_) {
    if (Steady::now() > until) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  pid_ = -1;
}

std::string SimChild::ErrorOutput() const {
  std::ifstream in(folder_ / "err");
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace gw::bench
