#pragma once
// The module simulator nxgsim as a child process of a test: started with the
// test's arguments, waited for until it listens, its log at hand, and ended
// with the test.

#include <sys/types.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gw::test {

// nxgsim beside the running test program.
std::filesystem::path NxgsimProgram();

// A TCP port that nothing on 127.0.0.1 uses now (for nxgsim's --modbus-port;
// the kernel hands out each such port once in a long while); 0 on failure.
std::uint16_t FreeTcpPort();

class SimProcess {
 public:
  // Starts nxgsim with `args`, "--verbose" and "--ready-file" in a folder of
  // its own ("{dir}" in an argument stands for it), its output in files
  // there. `beforeExec` runs in the child before the exec (false ends it with
  // exit code 127). Nothing starts unless the test's configuration keeps the
  // traffic on loopback (TransportSafetyProblem); WaitReady then says why.
  explicit SimProcess(std::vector<std::string> args, std::function<bool()> beforeExec = {});
  // Ends the process if it still runs, and removes its folder.
  ~SimProcess();
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  // Success once the simulator listens, or a failure with its error output.
  ::testing::AssertionResult WaitReady(std::chrono::milliseconds wait = std::chrono::seconds(10));
  // The ready file's lines: "udp A:P" and/or "serial PATH".
  const std::string& ReadyText() const { return ready_; }
  // The pseudo-terminal from the ready file (empty without --serial).
  std::string SerialDevice() const;

  // SIGTERM, then the exit code; -1 when it had to be killed or was not running.
  int Stop();

  pid_t Pid() const { return pid_; }
  // Where its modules serve Modbus TCP (0: nowhere).
  std::uint16_t ModbusPort() const { return modbusPort_; }
  // The line of PortLink.ini that points the tool's Modbus link at it.
  std::string ModbusPortLine() const {
    return "ModbusTCPPort=" + std::to_string(modbusPort_) + "\n";
  }
  const std::filesystem::path& Dir() const { return dir_; }

  // Its stderr so far: one line per request and reply, and the faults that struck.
  std::string Log() const;
  // Lines of the log that contain `text`.
  std::size_t CountLogLines(std::string_view text) const;

 private:
  std::filesystem::path dir_;
  std::string ready_;
  std::string refusal_;
  pid_t pid_ = -1;
  std::uint16_t modbusPort_ = 0;
};

}  // namespace gw::test
