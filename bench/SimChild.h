#pragma once
// nxgsim as a child process: started with the given options in a folder of
// its own (its output goes to files there), ready once it has written its
// ready file, ended with SIGTERM.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace gw::bench {

// The simulator beside the running program.
std::filesystem::path SimulatorProgram();

class SimChild {
 public:
  // "{dir}" in an argument stands for the child's folder. Throws
  // std::runtime_error when the program cannot be started or does not get
  // ready within `readyWait`.
  explicit SimChild(std::vector<std::string> args,
                    std::chrono::milliseconds readyWait = std::chrono::seconds(10));
  ~SimChild();
  SimChild(const SimChild&) = delete;
  SimChild& operator=(const SimChild&) = delete;

  const std::filesystem::path& Folder() const { return folder_; }
  // What the simulator wrote on standard error so far.
  std::string ErrorOutput() const;

 private:
  void Stop();

  std::filesystem::path folder_;
  pid_t pid_ = -1;
};

}  // namespace gw::bench
