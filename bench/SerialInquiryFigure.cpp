// The inquiry of one module over a pseudo-terminal that the simulator paces
// at 19200 baud (1920 bytes/s). The line and the fixed 400 ms wait after
// each request set the floor; it is shown two ways:
//  - line time of all requests and replies plus the fourteen waits, added up;
//  - the waits and the replies overlapped: a reply streams in while the tool
//    waits, so each block takes at least the longer of the two.
// The second is the one the link really imposes, so a tool that wastes time
// shows there; the first is an upper bound of it.
#include <algorithm>
#include <cstdio>

#include "BenchHome.h"
#include "Figures.h"
#include "InquirySetup.h"
#include "SimChild.h"
#include "protocol/ModuleSearch.h"

namespace gw::bench {

namespace {

constexpr double kBytesPerMs = 1.92;

struct SerialFloors {
  double summedMs = 0;
  double overlappedMs = 0;
  std::size_t sent = 0;
  std::size_t received = 0;
};

// The floors of one inquiry; `verbose` prints each request's share.
SerialFloors FloorsOf(const InquiryRun& run, bool verbose) {
  SerialFloors floors;
  const double waitMs = static_cast<double>(TransportFor(kCommSerial)->readPause.count());
  for (std::size_t i = 0; i < run.sends.size(); ++i) {
    const auto from = run.sends[i].at;
    const auto until = i + 1 < run.sends.size() ? run.sends[i + 1].at : Steady::time_point::max();
    std::size_t reply = 0;
    for (const WireReceive& r : run.receives) {
      if (r.at >= from && r.at < until) reply += static_cast<std::size_t>(r.length);
    }
    floors.sent += run.sends[i].bytes.size();
    floors.received += reply;
    floors.overlappedMs += std::max(waitMs, static_cast<double>(reply) / kBytesPerMs);
    if (verbose) {
      const auto end = i + 1 < run.sends.size() ? run.sends[i + 1].at : run.receives.back().at;
      char line[128];
      std::snprintf(line, sizeof line, "request %2zu: %zu + %zu bytes, %.1f ms, floor %.1f ms",
                    i + 1, run.sends[i].bytes.size(), reply, MillisecondsBetween(from, end),
                    std::max(waitMs, static_cast<double>(reply) / kBytesPerMs));
      PrintDetail(line);
    }
  }
  floors.summedMs = static_cast<double>(floors.sent + floors.received) / kBytesPerMs +
                    waitMs * static_cast<double>(run.sends.size());
  return floors;
}

}  // namespace

bool SerialInquiryFigure(const BenchOptions& options) {
  SimChild sim({"--serial", "--link", "{dir}/line", "--pace", "--modules", "1"});
  const std::string ini = SerialIni(sim.Folder() / "line");
  MemoryStore store;
  {
    BenchHome home(ini);
    const int found = FindNodes(store, 0x7F000001U);
    if (found != 1) {
      std::printf("serial inquiry: the search found %d modules instead of 1\n", found);
      return false;
    }
  }
  std::vector<double> tool, summed, overlapped;
  SerialFloors last;
  int failed = 0;
  for (int i = 0; i < options.runs; ++i) {
    const InquiryRun run = TimedInquiry(store, ini);
    if (!run.ok || run.sends.size() != 14) {
      ++failed;
      for (const std::string& m : run.messages) PrintDetail("tool: " + m);
      continue;
    }
    last = FloorsOf(run, options.verbose && i == 0);
    tool.push_back(run.ms);
    summed.push_back(last.summedMs);
    overlapped.push_back(last.overlappedMs);
  }
  if (tool.empty()) {
    std::printf("serial inquiry: no inquiry succeeded\n");
    return false;
  }
  Figure figure;
  figure.what = "inquiry of 1 module, serial 19200 (line+waits)";
  figure.measuredMs = Median(tool);
  figure.floorMs = Median(summed);
  figure.targetRatio = 1.05;
  PrintFigure(figure);
  figure.what = "inquiry of 1 module, serial 19200 (overlapped)";
  figure.floorMs = Median(overlapped);
  PrintFigure(figure);
  PrintDetail("line: " + std::to_string(last.sent) + " bytes of stuffed requests, " +
              std::to_string(last.received) + " bytes of stuffed replies at 1920 bytes/s; " +
              "14 waits of 400 ms");
  if (failed > 0) PrintDetail(std::to_string(failed) + " inquiries failed");
  return true;
}

}  // namespace gw::bench
