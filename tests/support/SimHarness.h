#pragma once
// The module simulator nxgsim as a child process of a test: started with the
// test's arguments, waited for until it listens, its log at hand, and ended
// with the test.

#include <sys/types.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gw::test {

// nxgsim beside the running test program (every program of the build lands
// in one folder).
std::filesystem::path NxgsimProgram();

class SimProcess {
 public:
  struct Launch {
    std::filesystem::path program = NxgsimProgram();
    // Logs every request and reply on stderr (the log below).
    bool verbose = true;
    // Runs in the child between fork and exec (for example to enter a
    // network namespace); false ends the child with exit code 127.
    std::function<bool()> beforeExec;
  };

  // Starts nxgsim with `args` and "--ready-file" in a folder of its own; its
  // output goes to files there. "{dir}" in an argument stands for that
  // folder. Use WaitReady before talking to it. Nothing is started when the
  // test's configuration does not keep the traffic on loopback
  // (TransportSafetyProblem); WaitReady then says why.
  explicit SimProcess(std::vector<std::string> args);
  SimProcess(std::vector<std::string> args, Launch launch);
  // Ends the process if it still runs, and removes its folder.
  ~SimProcess();
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  // Waits until the simulator listens: success, or a failure with its
  // error output when it ended or did not get ready in time.
  ::testing::AssertionResult WaitReady(std::chrono::milliseconds wait = std::chrono::seconds(10));
  // The ready file's lines: "udp A:P" and/or "serial PATH".
  const std::string& ReadyText() const { return ready_; }
  // The pseudo-terminal from the ready file (empty without --serial).
  std::string SerialDevice() const;

  // SIGTERM, then the exit code; -1 when it did not end within 5 s (it is
  // then killed) or was not running.
  int Stop();

  pid_t Pid() const { return pid_; }
  const std::filesystem::path& Dir() const { return dir_; }
  const std::vector<std::string>& Args() const { return args_; }

  // What it wrote on stderr so far (with verbose: one line per request and
  // reply, and the faults that struck).
  std::string Log() const;
  // Lines of the log that contain `text`.
  std::size_t CountLogLines(std::string_view text) const;

 private:
  std::string Read(const char* name) const;

  std::vector<std::string> args_;
  std::filesystem::path dir_;
  std::filesystem::path readyFile_;
  std::string ready_;
  std::string refusal_;
  pid_t pid_ = -1;
};

}  // namespace gw::test
