#include "SimChild.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "BenchHome.h"

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
  // The figures that do not monitor leave Modbus off rather than reach for 502.
  if (std::find(args.begin(), args.end(), "--modbus-port") == args.end()) {
    args.insert(args.end(), {"--modbus-port", "0"});
  }
  args.push_back("--ready-file");
  args.push_back(ready.string());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  const std::string out = (folder_ / "out").string();
  const std::string err = (folder_ / "err").string();
  const pid_t parent = ::getpid();
  pid_t child = ::fork();
  if (child == 0) {
    // The simulator ends with this program, however this program ends.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent) ::_exit(127);
    const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (outFd < 0 || errFd < 0 || ::dup2(outFd, 1) < 0 || ::dup2(errFd, 2) < 0) ::_exit(127);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  if (child < 0) {
    std::error_code ec;
    fs::remove_all(folder_, ec);
    throw std::runtime_error("cannot start " + args.front());
  }
  pid_ = child;

  const auto until = Steady::now() + readyWait;
  while (!fs::exists(ready)) {
    int status = 0;
    const bool ended = ::waitpid(pid_, &status, WNOHANG) == pid_;
    if (ended || Steady::now() > until) {
      if (ended) pid_ = -1;
      std::string error = "nxgsim did not get ready: " + ErrorOutput();
      if (ended && WIFEXITED(status) && WEXITSTATUS(status) == 127) {
        error = "cannot run " + args.front();
      }
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
