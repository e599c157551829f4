#include "Figures.h"

#include <algorithm>
#include <cstdio>

namespace gw::bench {

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t mid = values.size() / 2;
  return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

double MillisecondsBetween(std::chrono::steady_clock::time_point from,
                           std::chrono::steady_clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

std::string Ms(double milliseconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f ms", milliseconds);
  return text;
}

void PrintHeader(const BenchOptions& options) {
  std::printf(
      "gwbench: median of %d runs per figure (%d of the UDP inquiry); "
      "a MISS is a figure, not a failure\n",
      options.runs, options.runs * 4);
  std::printf("%-52s %12s %12s %7s %7s  %s\n", "figure", "measured ms", "floor ms", "ratio",
              "target", "verdict");
  std::fflush(stdout);
}

void PrintFigure(const Figure& f) {
  const double ratio = f.floorMs > 0 ? f.measuredMs / f.floorMs : 0;
  char target[16];
  std::snprintf(target, sizeof target, "<=%.2f", f.targetRatio);
  // Figures under 10 ms with three decimals, so that a fraction of a
  // millisecond still shows.
  const auto column = [](double ms) {
    char text[32];
    std::snprintf(text, sizeof text, ms < 10 ? "%.3f" : "%.1f", ms);
    return std::string(text);
  };
  std::printf("%-52s %12s %12s %7.3f %7s  %s\n", f.what.c_str(), column(f.measuredMs).c_str(),
              column(f.floorMs).c_str(), ratio, target,
              ratio > 0 && ratio <= f.targetRatio ? "PASS" : "MISS");
  std::fflush(stdout);
}

void PrintDetail(const std::string& text) {
  std::printf("    %s\n", text.c_str());
  std::fflush(stdout);
}

}  // namespace gw::bench
