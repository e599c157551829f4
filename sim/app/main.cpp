// nxgsim: plays NXG4120-T modules on the configuration protocol, over UDP
// and over a pseudo-terminal, for tests, demos and training.
#include <signal.h>

#include <cstdio>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "SimServer.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const auto options = gw::sim::ParseCommandLine(args, error);
  if (!options) {
    std::fprintf(stderr, "nxgsim: %s\nTry nxgsim --help.\n", error.c_str());
    return 2;
  }
  if (options->help) {
    std::fputs(gw::sim::UsageText().c_str(), stdout);
    return 0;
  }
  // The signals that end the simulator are taken through a descriptor.
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  sigprocmask(SIG_BLOCK, &signals, nullptr);
  signal(SIGPIPE, SIG_IGN);

  gw::sim::SimServer server(*options);
  return server.Run();
}
