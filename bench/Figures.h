#pragma once
// The figures the benchmark prints and what it needs to make them.

#include <chrono>
#include <string>
#include <vector>

namespace gw::bench {

struct BenchOptions {
  int runs = 5;                 // measurements per figure; the median is shown
  int searchModules = 252;      // 252: the search ends with its full reply wait
  unsigned firstAddress = 211;  // simulators go on 127.0.0.<first> or above
  bool search = true;
  bool udpInquiry = true;
  bool serialInquiry = true;
  bool batch = true;
  bool monitor = true;
  int monitorTicks = 10000;  // ticks of the monitor's CPU and memory figure
  bool verbose = false;      // the serial inquiry request by request
};

// One printed line: what was timed, its median, the floor it is held
// against, and the largest ratio that still counts as on target.
struct Figure {
  std::string what;
  double measuredMs = 0;
  double floorMs = 0;
  double targetRatio = 1;
};

double Median(std::vector<double> values);
void PrintHeader(const BenchOptions& options);
void PrintFigure(const Figure& figure);
// An indented line of detail under a figure.
void PrintDetail(const std::string& text);
std::string Ms(double milliseconds);

double MillisecondsBetween(std::chrono::steady_clock::time_point from,
                           std::chrono::steady_clock::time_point to);

// Each returns false when the figure could not be made (its reason printed).
bool SearchFigure(const BenchOptions& options);
bool UdpInquiryFigure(const BenchOptions& options);
bool SerialInquiryFigure(const BenchOptions& options);
// nxgcfg batch on 50 modules, eight at a time against one after another.
bool BatchFigure(const BenchOptions& options);
// The word pane's poll tick against mbpoll's two reads; its CPU time and
// resident memory over many ticks.
bool MonitorFigure(const BenchOptions& options);

}  // namespace gw::bench
