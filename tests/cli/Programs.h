#pragma once
// Running nxgcfg as a user does, against an nxgsim of the test's own, in a
// configuration folder of the test's own that aims the link at loopback.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace gw::test {

struct ProgramResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// A temporary GWSUITE_HOME whose PortLink.ini aims the link at `remote`
// (a 127.x.y.z address) with the broadcast replaced by 127.255.255.255.
class CliHome {
 public:
  explicit CliHome(const std::string& remote);
  ~CliHome();
  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path Config() const { return root_ / "Config"; }
  std::string ReadConfig(const std::string& name) const;
  void WriteConfig(const std::string& name, const std::string& text) const;

  // nxgcfg with these arguments, this home, GWSUITE_LOOPBACK_ONLY=1, `extraEnv`
  // ("NAME=value") and standard input from `input`.
  ProgramResult Nxgcfg(const std::vector<std::string>& args,
                       const std::vector<std::string>& extraEnv = {},
                       const std::string& input = "") const;

 private:
  std::filesystem::path root_;
};

// nxgsim with these arguments until the object goes; waits until it listens.
class Simulator {
 public:
  explicit Simulator(std::vector<std::string> args);
  ~Simulator();
  bool Ready() const { return ready_; }

 private:
  std::filesystem::path dir_;
  pid_t pid_ = -1;
  bool ready_ = false;
};

}  // namespace gw::test
