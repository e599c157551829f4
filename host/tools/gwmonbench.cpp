// gwmonbench: the desktop program monitoring, measured. Runs a session of the
// host like gwsuite does, opens the first node's parameter sheet, starts the
// "Word Device" pane of its Monitor page and lets it poll at its own 300 ms
// interval (the Modbus exchange on its worker thread, the status grid drawn)
// for the seconds given, then prints the share of one core the whole process
// used and its resident memory at the start, half-way and at the end. Run it
// on the offscreen platform against simulated modules: bench/gui-monitor.sh.
//   gwmonbench [SECONDS]      (default 60)
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "HostTool.h"
#include "appframe/PropertySheet.h"

namespace {

constexpr int kMonitorTab = 4;
constexpr int kWordPane = 1;
constexpr double kTargetCpuShare = 1.0;  // per cent of one core
constexpr double kTargetGrowthMiB = 1.0;

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](timeval t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double ResidentMiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
         (1024.0 * 1024.0);
}

bool Measure(af::CPropertySheet& sheet, int seconds) {
  sheet.SetActivePage(kMonitorTab);
  auto* tabs = sheet.findChild<QTabWidget*>(QStringLiteral("monitorTabs"));
  if (tabs == nullptr) return false;
  tabs->setCurrentIndex(kWordPane);
  auto* start = tabs->widget(kWordPane)->findChild<QPushButton*>(QStringLiteral("startMonitor"));
  if (start == nullptr || !start->isEnabled()) {
    std::printf("gwmonbench: the first module's word pane cannot monitor\n");
    return false;
  }
  start->click();
  gw::host::Run(2000);  // the first polls, the grid and the worker warmed up
  if (!start->isChecked()) {
    std::printf("gwmonbench: monitoring stopped by itself\n");
    return false;
  }
  const double cpu0 = CpuSeconds();
  const auto wall0 = std::chrono::steady_clock::now();
  const double rss0 = ResidentMiB();
  gw::host::Run(seconds * 500);
  const double rssHalf = ResidentMiB();
  gw::host::Run(seconds * 500);
  const double rss1 = ResidentMiB();
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
  const double share = 100.0 * (CpuSeconds() - cpu0) / wall;
  const bool monitoring = start->isChecked();
  start->click();
  std::printf("gwsuite monitoring the word pane at 300 ms for %.0f s (about %.0f polls)%s\n", wall,
              wall / 0.3, monitoring ? "" : ": MONITORING STOPPED");
  std::printf("  CPU: %.2f %% of one core (target under %.0f %%): %s\n", share, kTargetCpuShare,
              share < kTargetCpuShare ? "PASS" : "MISS");
  std::printf(
      "  resident: %.2f MiB at the start, %.2f half-way, %.2f at the end: %+.2f MiB "
      "(target under %.0f MiB): %s\n",
      rss0, rssHalf, rss1, rss1 - rss0, kTargetGrowthMiB,
      rss1 - rss0 < kTargetGrowthMiB ? "PASS" : "MISS");
  return monitoring;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
  if (argc > 2 || seconds < 2 || seconds > 86400) {
    std::fprintf(stderr, "usage: gwmonbench [SECONDS]   (2 to 86400, default 60)\n");
    return 2;
  }
  gw::host::HostTool host;
  if (!host.Start("gwmonbench")) return 1;
  return gw::host::WithFirstSheet(
             host.Main(), [seconds](af::CPropertySheet& sheet) { return Measure(sheet, seconds); })
             ? 0
             : 1;
}
