// The Monitor page's word pane against one simulated module serving Modbus
// TCP on loopback: one poll tick's Modbus exchange (7 registers from 0x235F,
// 100 from 0x22FB) held against Debian's mbpoll reading the same two ranges
// (process start included), then the CPU time and the resident memory of
// the pane ticking back to back in this process.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "BenchHome.h"
#include "Figures.h"
#include "LoopbackAddress.h"
#include "SimChild.h"
#include "ToolSession.h"
#include "model/RecordLayout.h"
#include "monitor/Monitor1Dlg.h"
#include "sheet/SheetPages.h"

extern char** environ;

namespace gw::bench {

namespace {

using Steady = std::chrono::steady_clock;
using monitor::CDeviceMonitorPane;
using monitor::MonitorAddressGrid;

// The values change this often, so that ticks see changing registers.
constexpr int kModbusStepMs = 100;
constexpr int kStation = 1;
constexpr double kIntervalMs = 300;     // the word pane's timer
constexpr double kCpuSharePercent = 1;  // of one core at that interval
constexpr double kGrowthLimitMiB = 1;   // after the first 1 000 ticks
constexpr int kWarmTicks = 1000;
constexpr double kLongestRunMs = 60000;  // of the ticks back to back

// mbpoll once, its output read and dropped: whether it read `count`
// registers and ended well.
bool Mbpoll(const std::string& ip, std::uint16_t port, std::uint16_t start, std::uint16_t count) {
  // A single poll (-1) of zero-based (-0) holding registers shown in hex,
  // with a reply wait of 10 s.
  std::vector<std::string> args = {"mbpoll", "-m", "tcp", "-1", "-0", "-t", "4:hex", "-o", "10"};
  const std::pair<const char*, int> numbers[] = {
      {"-a", kStation}, {"-r", start}, {"-c", count}, {"-p", port}};
  for (const auto& [flag, value] : numbers) args.insert(args.end(), {flag, std::to_string(value)});
  args.push_back(ip);
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  int out[2];
  if (::pipe2(out, O_CLOEXEC) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  const int spawned = ::posix_spawnp(&pid, "mbpoll", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  std::string said;
  char chunk[4096];
  for (ssize_t n; spawned == 0 && (n = ::read(out[0], chunk, sizeof chunk)) > 0;) {
    said.append(chunk, static_cast<std::size_t>(n));
  }
  ::close(out[0]);
  int status = 0;
  if (spawned != 0 || ::waitpid(pid, &status, 0) != pid) return false;
  std::size_t lines = 0;
  for (std::size_t at = 0; (at = said.find("]: \t0x", at)) != std::string::npos; ++at) ++lines;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 && lines == count;
}

double CpuMs() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double ResidentMiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) /
         (1024.0 * 1024.0);
}

std::string Fixed(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// One module on a free loopback address, found by a search and opened, its
// word table of three holding registers from 0x0100 written through the
// pane, and the pane monitoring.
class MonitorRig {
 public:
  MonitorRig(std::uint32_t address, std::uint16_t modbusPort)
      // The module reports the simulator's own address as its IpAddress, so
      // that the Modbus link and the tick's block 44 re-read both reach it.
      : sim_({"--address", AddressText(address), "--ip-base", AddressText(address), "--modules",
              "1", "--modbus-port", std::to_string(modbusPort), "--modbus-step",
              std::to_string(kModbusStepMs)}),
        home_(EthernetIni(address) + "ModbusTCPPort=" + std::to_string(modbusPort) + "\n"),
        tool_(store_) {
    tool_.Doc().SearchAt(address);
    if (tool_.Nodes().Count() != 1) {
      throw std::runtime_error("the search found " + std::to_string(tool_.Nodes().Count()) +
                               " modules instead of 1");
    }
    if (!IsLoopbackAddress(tool_.Nodes().Node(0).IpAddress())) {
      throw std::runtime_error("the module reports an address outside 127.0.0.0/8");
    }
    if (tool_.Doc().OpenNode(0) != OpenResult::Opened) throw std::runtime_error(Trouble("open"));
    sheet_ = pages::OpenParameterSheet(tool_.Doc(), pages::SheetUse::CommandLine);
    pane_ = &sheet_->Find<monitor::CMonitor1Dlg>()->Pane(monitor::Table::Words);
    MonitorAddressGrid& grid = pane_->AddressGrid();
    for (const auto& [column, text] :
         {std::pair{MonitorAddressGrid::kStation, std::to_string(kStation)},
          std::pair{MonitorAddressGrid::kHex, std::string("0100")},
          std::pair{MonitorAddressGrid::kAmount, std::string("3")}}) {
      grid.DoubleClick({column, 0});
      grid.SetEditText(text);
      if (!grid.FinishEdit()) throw std::runtime_error(Trouble("enter the word table"));
    }
    if (!sheet_->Apply() || !tool_.Ui().Messages().empty()) {
      throw std::runtime_error(Trouble("write the word table"));
    }
    pane_->OnStartMonitor(true);
    if (!pane_->Monitoring()) throw std::runtime_error(Trouble("start monitoring"));
  }

  CDeviceMonitorPane& Pane() { return *pane_; }
  DocumentCore& Doc() { return tool_.Doc(); }
  std::string ModuleAddress() { return AddressText(tool_.Nodes().Node(0).IpAddress()); }
  std::size_t MessageCount() { return tool_.Ui().Messages().size(); }

  std::string Trouble(const std::string& what) {
    const auto& messages = tool_.Ui().Messages();
    return "cannot " + what + (messages.empty() ? "" : ": " + messages.back());
  }

 private:
  SimChild sim_;
  BenchHome home_;
  MemoryStore store_;
  ToolSession tool_;
  std::unique_ptr<pages::SheetRules> sheet_;
  CDeviceMonitorPane* pane_ = nullptr;
};

struct TickTimes {
  std::vector<double> exchange, finish, whole;
  int unanswered = 0;  // exchanges that brought no valid point
};

// A tick in its two halves, each timed, and whole ticks.
TickTimes TimeTicks(CDeviceMonitorPane& pane, int count) {
  TickTimes times;
  for (int i = 0; i < count && pane.Monitoring(); ++i) {
    auto start = Steady::now();
    auto exchange = pane.BeginPoll();
    if (!exchange) break;
    const monitor::PollReplies replies = (*exchange)();
    const auto exchanged = Steady::now();
    if (std::all_of(replies.validity.begin(), replies.validity.end(),
                    [](std::uint8_t b) { return b == 0; })) {
      ++times.unanswered;
    }
    pane.FinishPoll(replies);
    times.exchange.push_back(MillisecondsBetween(start, exchanged));
    times.finish.push_back(MillisecondsBetween(exchanged, Steady::now()));
    start = Steady::now();
    pane.OnTimer();
    times.whole.push_back(MillisecondsBetween(start, Steady::now()));
  }
  return times;
}

// The block 44 re-read the tick ends with, alone.
double ReRead(DocumentCore& doc) {
  const auto start = Steady::now();
  doc.OnOwnLink([](DeviceLink& link) { return link.ReadBlock(kDeviceMonitorBlock); });
  return MillisecondsBetween(start, Steady::now());
}

void ResourceFigure(MonitorRig& rig, int ticks) {
  CDeviceMonitorPane& pane = rig.Pane();
  const std::size_t messagesBefore = rig.MessageCount();
  const double residentStart = ResidentMiB();
  double residentWarm = residentStart;
  const double cpuStart = CpuMs();
  const auto start = Steady::now();
  int done = 0;
  for (; done < ticks && pane.Monitoring(); ++done) {
    if (done == kWarmTicks) residentWarm = ResidentMiB();
    pane.OnTimer();
  }
  const double cpu = CpuMs() - cpuStart;
  const double wall = MillisecondsBetween(start, Steady::now());
  const double residentEnd = ResidentMiB();
  if (done < ticks) {
    PrintDetail("monitoring stopped after " + std::to_string(done) +
                " ticks: " + rig.Trouble("go on"));
  }
  if (done == 0) return;
  if (done <= kWarmTicks) residentWarm = residentEnd;

  Figure figure;
  figure.what = "CPU per word tick, " + std::to_string(done) + " ticks";
  figure.measuredMs = cpu / done;
  figure.floorMs = kIntervalMs * kCpuSharePercent / 100;
  figure.targetRatio = 1;
  PrintFigure(figure);
  PrintDetail("floor: 1 % of one core at the 300 ms interval; this process used " +
              Fixed("%.3f %%", 100 * figure.measuredMs / kIntervalMs) + " (" + Fixed("%.0f", cpu) +
              " ms CPU in " + Fixed("%.0f", wall) + " ms back to back, " +
              Fixed("%.0f%% of it CPU)", 100 * cpu / wall));
  const double growth = residentEnd - residentWarm;
  PrintDetail(
      "resident: " + Fixed("%.2f MiB", residentStart) + " at the start, " +
      Fixed("%.2f MiB", residentWarm) + " after " + std::to_string(std::min(done, kWarmTicks)) +
      " ticks, " + Fixed("%.2f MiB", residentEnd) + " after " + std::to_string(done) + ": " +
      Fixed("%+.0f KiB", growth * 1024) +
      " after the first ticks (target < 1 MiB): " + (growth < kGrowthLimitMiB ? "PASS" : "MISS"));
  if (rig.MessageCount() > messagesBefore) {
    PrintDetail(std::to_string(rig.MessageCount() - messagesBefore) +
                " messages while ticking, the last: " + rig.Trouble("re-read"));
  }
}

}  // namespace

bool MonitorFigure(const BenchOptions& options) {
  const auto address = FreeLoopbackAddress(static_cast<std::uint8_t>(options.firstAddress));
  const std::uint16_t modbusPort = address ? FreeTcpPort(*address) : 0;
  if (!address || modbusPort == 0) {
    std::printf("monitor: no free loopback address and port from 127.0.0.%u\n",
                options.firstAddress);
    return false;
  }
  MonitorRig rig(*address, modbusPort);
  const monitor::TableTraits& traits = rig.Pane().Traits();
  const std::string module = rig.ModuleAddress();

  // Not counted: the first tick and the first mbpoll bring everything in.
  TimeTicks(rig.Pane(), 1);
  if (!Mbpoll(module, modbusPort, traits.validity.start, traits.validity.count)) {
    std::printf("monitor: mbpoll could not read %s port %u\n", module.c_str(), modbusPort);
    return false;
  }
  const int measurements = options.runs * 20;
  const TickTimes ticks = TimeTicks(rig.Pane(), measurements);
  std::vector<double> mbpoll;
  int mbpollFailed = 0;
  for (int i = 0; i < measurements; ++i) {
    const auto start = Steady::now();
    const bool ok = Mbpoll(module, modbusPort, traits.validity.start, traits.validity.count) &&
                    Mbpoll(module, modbusPort, traits.values.start, traits.values.count);
    if (!ok) ++mbpollFailed;
    mbpoll.push_back(MillisecondsBetween(start, Steady::now()));
  }
  std::vector<double> reRead;
  for (int i = 0; i < measurements; ++i) reRead.push_back(ReRead(rig.Doc()));
  if (ticks.exchange.empty()) {
    std::printf("monitor: the pane stopped monitoring: %s\n", rig.Trouble("poll").c_str());
    return false;
  }

  Figure figure;
  figure.what = "word tick's Modbus exchange (2 requests), TCP";
  figure.measuredMs = Median(ticks.exchange);
  figure.floorMs = Median(mbpoll);
  figure.targetRatio = 1;
  PrintFigure(figure);
  PrintDetail(
      "floor: mbpoll reading 7 registers from 0x235F, then 100 from 0x22FB, two "
      "processes (median of " +
      std::to_string(mbpoll.size()) + ", " + std::to_string(ticks.exchange.size()) + " ticks)");
  PrintDetail("whole tick (exchange, status update, block 44 re-read, reload): " +
              Ms(Median(ticks.whole)) + "; after the exchange " + Ms(Median(ticks.finish)) +
              ", of which the re-read alone " + Ms(Median(reRead)));
  if (ticks.unanswered > 0) {
    PrintDetail(std::to_string(ticks.unanswered) + " exchanges brought no valid point");
  }
  if (mbpollFailed > 0) PrintDetail(std::to_string(mbpollFailed) + " mbpoll pairs failed");

  // A tick whose re-read goes unanswered waits for the reply wait: the many
  // ticks are then cut to about a minute.
  int resourceTicks = options.monitorTicks;
  if (const double whole = Median(ticks.whole); whole * resourceTicks > kLongestRunMs) {
    resourceTicks = std::max(1, static_cast<int>(kLongestRunMs / whole));
    PrintDetail("a whole tick takes " + Ms(whole) + ": " + std::to_string(resourceTicks) +
                " ticks instead of " + std::to_string(options.monitorTicks));
  }
  ResourceFigure(rig, resourceTicks);
  return rig.Pane().Monitoring();
}

}  // namespace gw::bench
