#pragma once
// Running nxgcfg as a user does, against an nxgsim of the test's own, in a
// configuration folder of the test's own that aims the link at loopback.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/TestHome.h"

namespace gw::test {

struct ProgramResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// A temporary GWSUITE_HOME (set for this process and so for nxgcfg) whose
// PortLink.ini aims the link at `remote` (a 127.x.y.z address) with the
// broadcast replaced by 127.255.255.255.
class CliHome {
 public:
  explicit CliHome(const std::string& remote);
  const std::filesystem::path& Root() const { return home_.Root(); }
  std::filesystem::path Config() const { return home_.ConfigDir(); }
  std::string ReadConfig(const std::string& name) const { return home_.ReadConfigFile(name); }
  void WriteConfig(const std::string& name, const std::string& text) const;

  // nxgcfg with these arguments, `extraEnv` ("NAME=value") and standard input
  // from `input`.
  ProgramResult Nxgcfg(const std::vector<std::string>& args,
                       const std::vector<std::string>& extraEnv = {},
                       const std::string& input = "") const;

 private:
  TempHome home_;
};

}  // namespace gw::test
