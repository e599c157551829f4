#include "SimHarness.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "TestHome.h"

namespace gw::test {

namespace fs = std::filesystem;
using Steady = std::chrono::steady_clock;

namespace {

// Waits up to `wait` for the child to end: its exit code (-1 when a signal
// ended it), or nothing while it still runs.
std::optional<int> Reap(pid_t pid, std::chrono::milliseconds wait) {
  const auto until = Steady::now() + wait;
  for (;;) {
    int status = 0;
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid || (done < 0 && errno == ECHILD)) {
      return done == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    if (Steady::now() >= until) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace

fs::path NxgsimProgram() { return fs::read_symlink("/proc/self/exe").parent_path() / "nxgsim"; }

std::uint16_t FreeTcpPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return 0;
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof local;
  std::uint16_t port = 0;
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) == 0) {
    port = ntohs(local.sin_port);
  }
  ::close(fd);
  return port;
}

SimProcess::SimProcess(std::vector<std::string> args, std::function<bool()> beforeExec) {
  std::string pattern = (fs::temp_directory_path() / "gwtest-sim-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a folder");
  dir_ = pattern;
  refusal_ = TransportSafetyProblem();
  if (!refusal_.empty()) return;

  std::vector<std::string> argv = {NxgsimProgram().string()};
  for (std::string a : args) {
    if (auto at = a.find("{dir}"); at != std::string::npos) a.replace(at, 5, dir_.string());
    argv.push_back(a);
  }
  // A Modbus port of its own unless the test names one, so that simulators
  // side by side (and a machine where 502 is taken or privileged) do not meet.
  const auto named = std::find(argv.begin(), argv.end(), "--modbus-port");
  if (named == argv.end()) {
    modbusPort_ = FreeTcpPort();
    argv.insert(argv.end(), {"--modbus-port", std::to_string(modbusPort_)});
  } else if (named + 1 != argv.end()) {
    modbusPort_ = static_cast<std::uint16_t>(std::stoul(*(named + 1)));
  }
  argv.insert(argv.end(), {"--ready-file", (dir_ / "ready").string(), "--verbose"});
  std::vector<char*> pointers;
  for (std::string& a : argv) pointers.push_back(a.data());
  pointers.push_back(nullptr);
  const std::string out = (dir_ / "out").string(), err = (dir_ / "err").string();

  std::fflush(nullptr);
  pid_ = ::fork();
  if (pid_ == 0) {
    // A test that crashes takes its simulator with it.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (outFd < 0 || errFd < 0 || ::dup2(outFd, STDOUT_FILENO) < 0 ||
        ::dup2(errFd, STDERR_FILENO) < 0 || (beforeExec && !beforeExec())) {
      ::_exit(127);
    }
    ::execv(pointers[0], pointers.data());
    ::_exit(127);
  }
  if (pid_ < 0) throw std::runtime_error("cannot fork the simulator");
}

SimProcess::~SimProcess() {
  Stop();
  std::error_code ignored;
  fs::remove_all(dir_, ignored);
}

::testing::AssertionResult SimProcess::WaitReady(std::chrono::milliseconds wait) {
  if (!refusal_.empty()) {
    return ::testing::AssertionFailure() << "refusing to start nxgsim: " << refusal_;
  }
  const auto until = Steady::now() + wait;
  while (pid_ > 0) {
    std::error_code ec;
    if (fs::exists(dir_ / "ready", ec)) {
      ready_ = ReadFile(dir_ / "ready");
      return ::testing::AssertionSuccess();
    }
    if (const auto code = Reap(pid_, std::chrono::milliseconds(0))) {
      pid_ = -1;
      return ::testing::AssertionFailure()
             << "nxgsim ended with exit code " << *code << " before it was ready: " << Log();
    }
    if (Steady::now() >= until) {
      return ::testing::AssertionFailure() << "nxgsim did not get ready in time: " << Log();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return ::testing::AssertionFailure() << "nxgsim is not running";
}

std::string SimProcess::SerialDevice() const {
  const std::string text = "\n" + ready_;
  const auto at = text.find("\nserial ");
  if (at == std::string::npos) return {};
  return text.substr(at + 8, text.find('\n', at + 1) - at - 8);
}

int SimProcess::Stop() {
  if (pid_ <= 0) return -1;
  ::kill(pid_, SIGTERM);
  const auto code = Reap(pid_, std::chrono::seconds(5));
  if (!code) {
    ::kill(pid_, SIGKILL);
    Reap(pid_, std::chrono::seconds(5));
  }
  pid_ = -1;
  return code.value_or(-1);
}

std::string SimProcess::Log() const { return ReadFile(dir_ / "err"); }

std::size_t SimProcess::CountLogLines(std::string_view text) const {
  std::istringstream lines(Log());
  std::size_t count = 0;
  for (std::string line; std::getline(lines, line);) count += line.find(text) != std::string::npos;
  return count;
}

}  // namespace gw::test
