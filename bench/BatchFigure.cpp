// One Basic field set on 50 simulated modules by `nxgcfg batch`: eight
// modules at a time against the same batch run one module after another.
// Every write is read back by the set itself; after each run, outside the
// timing, `show --json` of every module checks the value it holds.
#include <stdio.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "BenchHome.h"
#include "Figures.h"
#include "LoopbackAddress.h"
#include "SimChild.h"

namespace gw::bench {

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using Clock = std::chrono::steady_clock;

constexpr int kModules = 50;
constexpr int kJobs = 8;
constexpr double kTargetSpeedUp = 6.0;
// The pauses of one set of one block: after the write, before the
// read-back, after the read-back request (100 ms each).
constexpr double kPausesPerSetMs = 300;

struct ToolRun {
  int exitCode = -1;
  std::string out;
  double ms = 0;
};

// nxgcfg beside this program, with the current GWSUITE_HOME.
ToolRun Nxgcfg(const std::vector<std::string>& args) {
  std::string command = (SimulatorProgram().parent_path() / "nxgcfg").string();
  for (const std::string& a : args) command += " '" + a + "'";
  command += " </dev/null 2>&1";
  ToolRun run;
  const auto start = Clock::now();
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char chunk[4096];
  while (const std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe)) run.out.append(chunk, n);
  const int status = ::pclose(pipe);
  run.ms = MillisecondsBetween(start, Clock::now());
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string NameOf(const std::string& tag, std::size_t k) { return tag + " " + std::to_string(k); }

// The batch that names module k "<tag> k".
fs::path WriteBatch(const fs::path& folder, const std::vector<std::string>& macs,
                    const std::string& tag) {
  const fs::path file = folder / (tag + ".batch");
  std::ofstream out(file);
  for (std::size_t k = 0; k < macs.size(); ++k) {
    out << "set " << macs[k] << " 'basic.module-name=" << NameOf(tag, k) << "'\n";
  }
  return file;
}

// That batch with `jobs` modules at a time.
ToolRun Batch(const fs::path& folder, const std::vector<std::string>& macs, const std::string& tag,
              int jobs, bool json = false) {
  std::vector<std::string> args = {"batch", WriteBatch(folder, macs, tag).string(), "--jobs",
                                   std::to_string(jobs)};
  if (json) args.push_back("--json");
  return Nxgcfg(args);
}

// Modules whose show --json holds the name the batch set when it should not
// (those in `refusing`, positions from 1) or does not hold it when it should.
int WrongNames(const std::vector<std::string>& macs, const std::string& tag,
               const std::vector<std::size_t>& refusing = {}) {
  int wrong = 0;
  for (std::size_t k = 0; k < macs.size(); ++k) {
    const bool refused = std::find(refusing.begin(), refusing.end(), k + 1) != refusing.end();
    const ToolRun show = Nxgcfg({"show", macs[k], "--json"});
    const std::string name = Json::parse(show.out, nullptr, false)
                                 .value("keys", Json::object())
                                 .value("basic.module-name", "");
    if ((show.exitCode == 0 && name == NameOf(tag, k)) == refused) ++wrong;
  }
  return wrong;
}

// The MAC addresses the search finds at `address`; throws when they are not
// the 50 modules.
std::vector<std::string> Search(std::uint32_t address) {
  const ToolRun search = Nxgcfg({"search", "--ip", AddressText(address), "--json"});
  std::vector<std::string> macs;
  const Json found = Json::parse(search.out, nullptr, false);
  if (found.is_array()) {
    for (const Json& m : found) macs.push_back(m.value("mac", ""));
  }
  if (macs.size() != kModules) {
    throw std::runtime_error("the search found " + std::to_string(macs.size()) +
                             " modules instead of " + std::to_string(kModules));
  }
  return macs;
}

// 50 simulated modules on a free loopback address, found by a search in a
// configuration folder of their own.
struct Modules {
  Modules(const BenchOptions& options, std::vector<std::string> simArgs)
      : address(FreeLoopbackAddress(static_cast<std::uint8_t>(options.firstAddress)).value_or(0)),
        sim(WithAddress(address, std::move(simArgs))),
        home(EthernetIni(address)),
        macs(Search(address)) {}

  static std::vector<std::string> WithAddress(std::uint32_t address,
                                              std::vector<std::string> args) {
    if (address == 0) throw std::runtime_error("no free loopback address");
    args.insert(args.begin(),
                {"--address", AddressText(address), "--modules", std::to_string(kModules)});
    return args;
  }

  std::uint32_t address;
  SimChild sim;
  BenchHome home;
  std::vector<std::string> macs;
};

// The simulator's modules 7, 23 and 41 refuse every write: the batch must
// report exactly those and apply the other 47.
void FailingModules(const BenchOptions& options) {
  const std::vector<std::size_t> refusing = {7, 23, 41};
  const Modules modules(options, {"--fault", "refuse", "--fault-modules", "7,23,41"});
  const ToolRun run = Batch(modules.home.Root(), modules.macs, "Some", kJobs, true);
  const Json results = Json::parse(run.out, nullptr, false);
  std::vector<std::size_t> failed;
  for (std::size_t k = 0; results.is_array() && k < results.size(); ++k) {
    if (!results[k].value("ok", true)) failed.push_back(k + 1);
  }
  const int wrong = WrongNames(modules.macs, "Some", refusing);
  std::string list;
  for (std::size_t k : failed) list += (list.empty() ? "" : ", ") + std::to_string(k);
  PrintDetail("modules 7, 23 and 41 refusing writes: exit " + std::to_string(run.exitCode) +
              ", reported failed: " + list + "; " + std::to_string(wrong) +
              " of 50 show --json other than expected");
  if (run.exitCode != 1 || failed != refusing || wrong != 0) {
    throw std::runtime_error("the batch with failing modules did not report exactly those");
  }
}

}  // namespace

bool BatchFigure(const BenchOptions& options) {
  std::vector<double> serial, parallel;
  int wrong = 0;
  {
    const Modules modules(options, {});
    // Not counted: brings the program's files into the page cache.
    Nxgcfg({"show", modules.macs[0], "--json"});
    for (int i = 0; i < std::min(options.runs, 3); ++i) {
      for (const int jobs : {1, kJobs}) {
        const std::string tag = "Jobs" + std::to_string(jobs) + "-" + std::to_string(i);
        const ToolRun run = Batch(modules.home.Root(), modules.macs, tag, jobs);
        if (run.exitCode != 0) {
          std::printf("batch --jobs %d failed: %s\n", jobs, run.out.c_str());
          return false;
        }
        (jobs == 1 ? serial : parallel).push_back(run.ms);
        wrong += WrongNames(modules.macs, tag);
      }
    }
  }
  Figure figure;
  figure.what = "set of 1 field on 50 modules, batch --jobs 8";
  figure.measuredMs = Median(parallel);
  figure.floorMs = Median(serial);
  figure.targetRatio = 1 / kTargetSpeedUp;
  PrintFigure(figure);
  char line[160];
  std::snprintf(line, sizeof line,
                "floor: the same batch one module after another (--jobs 1); %.2fx faster, "
                "target %.0fx (median of %zu runs)",
                figure.floorMs / figure.measuredMs, kTargetSpeedUp, parallel.size());
  PrintDetail(line);
  // Eight workers take the 50 modules in ceil(50 / 8) = 7 rounds.
  const double perModule = figure.floorMs / kModules;
  const int rounds = (kModules + kJobs - 1) / kJobs;
  std::snprintf(line, sizeof line,
                "one module: %.1f ms, of which %.0f ms the protocol's pauses; %d rounds of 8 at "
                "best %.1f ms (%.2fx)",
                perModule, kPausesPerSetMs, rounds, rounds * perModule,
                static_cast<double>(kModules) / rounds);
  PrintDetail(line);
  if (wrong > 0) {
    PrintDetail(std::to_string(wrong) + " modules did not show the name they were set");
  }
  FailingModules(options);
  return wrong == 0;
}

}  // namespace gw::bench
