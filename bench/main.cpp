// gwbench: prints how long the tool's search, inquiry, batch and monitor tick
// take against real simulated modules on loopback, beside the floor of each.
//
//   gwbench [--runs N] [--modules N] [--address-from X]
//           [--only search|udp|serial|batch|monitor]... [--ticks N] [--verbose]
#include <stdlib.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "Figures.h"

namespace {

void Usage(std::FILE* out) {
  std::fprintf(out,
               "usage: gwbench [--runs N] [--modules N] [--address-from X] "
               "[--only search|udp|serial|batch|monitor]... [--ticks N] [--verbose]\n"
               "  --runs N          measurements per figure (default 5)\n"
               "  --modules N       simulated modules of the search (default 252)\n"
               "  --address-from X  simulators on 127.0.0.X or the next free one (default 211)\n"
               "  --only NAME       only this figure (repeatable)\n"
               "  --ticks N         monitor ticks of its CPU and memory figure (default 10000)\n"
               "  --verbose         the serial inquiry request by request\n");
}

bool ParseNumber(const char* text, int low, int high, int& value) {
  char* end = nullptr;
  const long parsed = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || parsed < low || parsed > high) return false;
  value = static_cast<int>(parsed);
  return true;
}

bool ParseArguments(int argc, char** argv, gw::bench::BenchOptions& options) {
  bool only = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    int number = 0;
    if (arg == "--verbose") {
      options.verbose = true;
      continue;
    }
    if (arg == "--runs" && value && ParseNumber(value, 1, 1000, number)) {
      options.runs = number;
    } else if (arg == "--modules" && value && ParseNumber(value, 1, 1000, number)) {
      options.searchModules = number;
    } else if (arg == "--address-from" && value && ParseNumber(value, 1, 254, number)) {
      options.firstAddress = static_cast<unsigned>(number);
    } else if (arg == "--ticks" && value && ParseNumber(value, 1, 10000000, number)) {
      options.monitorTicks = number;
    } else if (arg == "--only" && value) {
      if (!only) {
        options.search = options.udpInquiry = options.serialInquiry = options.batch =
            options.monitor = false;
      }
      only = true;
      const std::string name = value;
      if (name == "search")
        options.search = true;
      else if (name == "udp")
        options.udpInquiry = true;
      else if (name == "serial")
        options.serialInquiry = true;
      else if (name == "batch")
        options.batch = true;
      else if (name == "monitor")
        options.monitor = true;
      else
        return false;
    } else {
      return false;
    }
    ++i;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  gw::bench::BenchOptions options;
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    Usage(stdout);
    return 0;
  }
  if (!ParseArguments(argc, argv, options)) {
    Usage(stderr);
    return 2;
  }
  // Nothing this program starts may send outside loopback.
  ::setenv("GWSUITE_LOOPBACK_ONLY", "1", 1);
  // Output into a closed pipe (gwbench | head) must not end the program
  // before it has stopped its simulators and removed its folders.
  std::signal(SIGPIPE, SIG_IGN);
  gw::bench::PrintHeader(options);
  bool ok = true;
  const auto run = [&ok](const char* name, bool (*figure)(const gw::bench::BenchOptions&),
                         const gw::bench::BenchOptions& o) {
    try {
      ok = figure(o) && ok;
    } catch (const std::exception& e) {
      std::printf("%s: %s\n", name, e.what());
      ok = false;
    }
  };
  if (options.search) run("search", gw::bench::SearchFigure, options);
  if (options.udpInquiry) run("UDP inquiry", gw::bench::UdpInquiryFigure, options);
  if (options.serialInquiry) run("serial inquiry", gw::bench::SerialInquiryFigure, options);
  if (options.batch) run("batch", gw::bench::BatchFigure, options);
  if (options.monitor) run("monitor", gw::bench::MonitorFigure, options);
  return ok ? 0 : 1;
}
