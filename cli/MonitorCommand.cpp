// monitor: the Monitor page's live values on a terminal. The pane itself
// polls, as its window timer would make it: "Start Monitor" pressed, one
// whole tick per interval, the button released at the end, which closes the
// Modbus link. Every rule (the requests, the expansion into points, the "X"
// of a point the module marks not valid, the formats) is the pane's.
#include <strings.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <optional>

#include "CliCommands.h"
#include "Json.h"
#include "Session.h"
#include "keys/KeyTable.h"
#include "monitor/Monitor1Dlg.h"
#include "monitor/MonitorCsvLog.h"
#include "report/ParameterReport.h"

namespace gw::cli {

namespace {

using monitor::CDeviceMonitorPane;
using monitor::MonitorStatusGrid;
using monitor::MonitorTick;
using monitor::PointReading;
using monitor::Table;

// Ctrl+C is held back while the program monitors, so that a tick always
// ends whole and the button is released; the loop asks whether one came.
class InterruptGate {
 public:
  InterruptGate() {
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    sigprocmask(SIG_BLOCK, &interrupt, &saved_);
  }
  ~InterruptGate() {
    // A Ctrl+C that came is taken here rather than ending the program.
    if (Interrupted()) {
      sigset_t interrupt;
      sigemptyset(&interrupt);
      sigaddset(&interrupt, SIGINT);
      int taken = 0;
      sigwait(&interrupt, &taken);
    }
    sigprocmask(SIG_SETMASK, &saved_, nullptr);
  }
  InterruptGate(const InterruptGate&) = delete;
  InterruptGate& operator=(const InterruptGate&) = delete;

  static bool Interrupted() {
    sigset_t pending;
    sigemptyset(&pending);
    return sigpending(&pending) == 0 && sigismember(&pending, SIGINT) == 1;
  }

 private:
  sigset_t saved_;
};

// Sleeps on the document's clock until `until`, in short steps so that a
// Ctrl+C ends the wait soon; false when one came.
bool WaitUntil(Clock& clock, std::chrono::steady_clock::time_point until) {
  constexpr std::chrono::milliseconds kStep{50};
  for (auto now = clock.Now(); now < until; now = clock.Now()) {
    if (InterruptGate::Interrupted()) return false;
    clock.Sleep(std::min(kStep, std::chrono::ceil<std::chrono::milliseconds>(until - now)));
  }
  return !InterruptGate::Interrupted();
}

const char* TableName(Table table) { return table == Table::Bits ? "bits" : "words"; }

// One object per tick, on one line.
void PrintJson(const MonitorTick& tick) {
  Json points = Json::array();
  for (const PointReading& p : tick.points) {
    points.push_back({{"station", p.station},
                      {"address", monitor::HexAddress(p.address)},
                      {"number", monitor::PointNumber(p.typeDigit, p.address)},
                      {"valid", p.valid},
                      {"value", p.valid ? Json(p.value) : Json(nullptr)},
                      {"text", p.text}});
  }
  const Json out = {{"time", monitor::IsoLocalTime(tick.time)},
                    {"table", TableName(tick.table)},
                    {"points", std::move(points)}};
  std::printf("%s\n", out.dump(-1, ' ', false, Json::error_handler_t::replace).c_str());
  std::fflush(stdout);
}

// The status rows as the status grid shows them, under a line with the
// time; at a terminal each table is drawn over the last one.
class TablePrinter {
 public:
  explicit TablePrinter(std::string title)
      : title_(std::move(title)), terminal_(isatty(STDOUT_FILENO) == 1) {}

  void Print(const CDeviceMonitorPane& pane, const MonitorTick& tick) {
    const MonitorStatusGrid& grid = pane.StatusGrid();
    std::vector<std::vector<std::string>> rows{{}};
    for (int column = MonitorStatusGrid::kStation; column <= MonitorStatusGrid::kValue; ++column) {
      rows.front().push_back(grid.Column(column).heading);
    }
    for (int row = 0; row < grid.Rows() && !grid.Text(MonitorStatusGrid::kStation, row).empty();
         ++row) {
      rows.emplace_back();
      for (int column = MonitorStatusGrid::kStation; column <= MonitorStatusGrid::kValue;
           ++column) {
        rows.back().push_back(grid.Text(column, row));
      }
    }
    std::string text = title_ + "  " + monitor::IsoLocalTime(tick.time) + "\n";
    const auto widths = ColumnWidths(rows);
    for (const auto& row : rows) text += AlignedRow(row, widths);
    if (!pane.Ctl().statusLine.text.empty()) text += pane.Ctl().statusLine.text + "\n";
    winsize size{};
    if (terminal_ && lines_ > 0 && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 &&
        size.ws_row > 0 && lines_ >= size.ws_row) {
      std::fputs("\033[H\033[2J", stdout);  // taller than the screen: from its top
    } else if (terminal_ && lines_ > 0) {
      std::printf("\033[%dA\033[J", lines_);  // back to the last table's first line
    } else if (lines_ > 0) {
      text.insert(text.begin(), '\n');
    }
    lines_ = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);
  }

 private:
  std::string title_;
  bool terminal_;
  int lines_ = 0;
};

// Why the pane's "Start Monitor" is disabled, in a user's words.
std::string StartDisabledReason(Session& session) {
  if (session.Link().CommTypeCopy() == kCommSerial) {
    return "the monitor reads the module over Ethernet (Modbus TCP), and the link is set to a "
           "serial line ('nxgcfg link --ethernet ADDR')";
  }
  return "the page has Start Monitor disabled for this module (its tables are read-only while "
         "the module is a serial slave or serial device server)";
}

// The pane of the table, on its tab of the Monitor page, ready to start
// with every row in the chosen format; null after saying why it cannot.
CDeviceMonitorPane* PaneToMonitor(Session& session, pages::SheetRules& sheet,
                                  const MonitorOptions& options, unsigned number) {
  if (options.login && !LogIn(sheet)) return nullptr;
  if (session.Nodes().Locked()) {
    std::fprintf(stderr,
                 "Module %u is password locked: its Monitor page opens after a login in the same "
                 "run (--login, the password from a prompt or NXGCFG_PASSWORD).\n",
                 number);
    return nullptr;
  }
  auto* page = sheet.Find<monitor::CMonitor1Dlg>();
  if (page == nullptr || !sheet.SetActivePage(pages::PageIndex(pages::PageId::Monitor))) {
    std::fprintf(stderr, "The Monitor page cannot be opened for module %u.\n", number);
    return nullptr;
  }
  const Table table = options.bits ? Table::Bits : Table::Words;
  page->Tabs().Click(table == Table::Bits ? 0 : 1);
  CDeviceMonitorPane& pane = page->Pane(table);
  if (!pane.AddressGrid().FirstRowHasStation()) {
    std::fprintf(stderr,
                 "The %s table of module %u is empty (row 1 has no station); 'nxgcfg set' with "
                 "monitor.%s.1.station, .address or .number, and .amount gives it one.\n",
                 pane.Traits().caption, number, TableName(table));
    return nullptr;
  }
  if (!pane.Ctl().startMonitor.enabled) {
    std::fprintf(stderr, "Module %u cannot be monitored: %s.\n", number,
                 StartDisabledReason(session).c_str());
    return nullptr;
  }
  const auto& names = monitor::kFormatNames;
  const auto* name = std::find_if(names.begin(), names.end(), [&](const char* n) {
    return strcasecmp(n, options.format.c_str()) == 0;
  });
  for (int row = 0; name != names.end() && row < pane.StatusGrid().Rows(); ++row) {
    keys::EditCell(pane.StatusGrid(), {MonitorStatusGrid::kFormat, row}, *name);
  }
  return &pane;
}

}  // namespace

int RunMonitor(CliUi& ui, const MonitorOptions& options) {
  if (options.bits == options.words) {
    std::fprintf(stderr, "Name one table: --bits or --words.\n");
    return kExitUsage;
  }
  if (!options.format.empty() && options.bits) {
    std::fprintf(stderr, "--format is the word table's Format column; the bit table has none.\n");
    return kExitUsage;
  }
  Session session(ui);
  const int index = session.OpenModule(options.module);
  if (index < 0) return kExitFailed;
  session.StoreNodes();
  const auto sheet = pages::OpenParameterSheet(session.Doc(), pages::SheetUse::CommandLine);
  const unsigned number = session.Nodes().Node(index).ModuleNumber();
  CDeviceMonitorPane* const pane = PaneToMonitor(session, *sheet, options, number);
  if (pane == nullptr) return kExitFailed;

  std::optional<MonitorTick> last;
  pane->SetTickListener([&last](const MonitorTick& tick) { last = tick; });
  monitor::MonitorCsvLog csv(std::cout, "standard output");
  TablePrinter printer("Module " + std::to_string(number) + "  " + pane->Traits().caption);
  const std::chrono::milliseconds interval =
      options.intervalMs > 0 ? std::chrono::milliseconds(options.intervalMs) : pane->Interval();
  Clock& clock = session.Doc().TheClock();

  const InterruptGate gate;
  const std::size_t shown = ui.Messages().size();
  pane->OnStartMonitor(true);
  if (!pane->Monitoring()) {
    if (ui.Messages().size() == shown) {
      std::fprintf(stderr, "The Modbus link to module %u could not be opened.\n", number);
    }
    return kExitFailed;
  }
  int result = kExitOk;
  auto due = clock.Now();
  for (int tick = 0; options.count == 0 || tick < options.count; ++tick) {
    if (tick > 0 && !WaitUntil(clock, due)) break;
    due = clock.Now() + interval;
    last.reset();
    pane->OnTimer();
    if (!pane->Monitoring() || !last) {  // the pane said "Communication error"
      result = kExitFailed;
      break;
    }
    if (options.json) {
      PrintJson(*last);
    } else if (options.csv) {
      if (!csv.Write(*last)) {
        std::fprintf(stderr, "%s\n", csv.Error().c_str());
        result = kExitFailed;
        break;
      }
    } else {
      printer.Print(*pane, *last);
    }
    if (InterruptGate::Interrupted()) break;
  }
  pane->OnStartMonitor(false);
  return result;
}

}  // namespace gw::cli
