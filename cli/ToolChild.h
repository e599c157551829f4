#pragma once
// Another run of this very program as a child process: each module of a
// batch runs its commands in a process of its own, since the transport
// library keeps one link and its settings per process.

#include <string>
#include <vector>

namespace gw::cli {

struct ChildResult {
  int exitCode = -1;  // 128 + the signal that ended it; -1 when it could not start
  std::string error;  // what it wrote on standard error
};

// Runs this program with `args` (without the program name) and the
// environment `environment` ("NAME=value"), standard input and output on
// /dev/null, and waits for it.
ChildResult RunThisProgram(const std::vector<std::string>& args,
                           const std::vector<std::string>& environment);

}  // namespace gw::cli
