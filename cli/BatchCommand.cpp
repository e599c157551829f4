// batch: the set, import, login and export lines of a file, module by module
// in child processes of this program, several modules at a time.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <thread>

#include "BatchFile.h"
#include "CliCommands.h"
#include "Json.h"
#include "ModuleRef.h"
#include "Session.h"
#include "ToolChild.h"

extern char** environ;

namespace gw::cli {

namespace {

constexpr const char* kPasswordVariable = "NXGCFG_PASSWORD";
constexpr std::size_t kPasswordFileLimit = 256;

// The lines of one module, run in file order by one worker.
struct ModuleRun {
  std::string name;     // as the first of its lines names it
  std::string target;   // its MAC address, as every command of the run names it
  std::string unknown;  // why the module is not known; nothing runs then
  std::vector<const BatchLine*> lines;
  // What came of it.
  int done = 0;  // lines that succeeded
  const BatchLine* failed = nullptr;
  int exitCode = 0;
  std::string message;
};

// The password of locked modules from `file`, which only its owner may read;
// nothing after saying why.
std::optional<std::string> ReadPasswordFile(const std::string& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    std::fprintf(stderr, "Cannot read the password file %s: %s.\n", file.c_str(),
                 std::strerror(errno));
    return std::nullopt;
  }
  struct stat info {};
  std::string text;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    std::fprintf(stderr, "The password file %s is not a file.\n", file.c_str());
  } else if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
    std::fprintf(stderr,
                 "The password file %s may be read or changed by others (mode %04o); make it "
                 "readable by its owner only (chmod 600).\n",
                 file.c_str(), static_cast<unsigned>(info.st_mode & 07777));
  } else {
    char chunk[kPasswordFileLimit];
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n > 0) text.assign(chunk, static_cast<std::size_t>(n));
    text = text.substr(0, text.find_first_of("\r\n"));
    if (text.empty())
      std::fprintf(stderr, "The password file %s holds no password.\n", file.c_str());
  }
  ::close(fd);
  if (text.empty()) return std::nullopt;
  return text;
}

// The environment of every command: this program's, with the password of the
// password file when there is one.
std::vector<std::string> ChildEnvironment(const std::optional<std::string>& password) {
  std::vector<std::string> environment;
  const std::string prefix = std::string(kPasswordVariable) + "=";
  for (char** e = environ; *e != nullptr; ++e) {
    if (!password || std::strncmp(*e, prefix.c_str(), prefix.size()) != 0) {
      environment.emplace_back(*e);
    }
  }
  if (password) environment.push_back(prefix + *password);
  return environment;
}

// The lines grouped by the module they name, in the order modules first
// appear; two names of one module (its MAC address and its #index) are one.
std::vector<ModuleRun> GroupByModule(const BatchFile& batch, const NodeTable& nodes) {
  std::vector<ModuleRun> runs;
  std::map<std::string, std::size_t> byTarget;
  for (const BatchLine& line : batch.lines) {
    const FoundModule found = FindModule(nodes, line.Module());
    const std::string target =
        found.index >= 0 ? MacText(nodes.Node(found.index).Mac()) : "?" + line.Module();
    auto [at, added] = byTarget.try_emplace(target, runs.size());
    if (added) {
      ModuleRun run;
      run.name = line.Module();
      run.target = target;
      if (found.index < 0) run.unknown = found.error;
      runs.push_back(std::move(run));
    }
    runs[at->second].lines.push_back(&line);
  }
  return runs;
}

// The standard error of a command on one line; a line repeated by the
// retries shows once.
std::string OneLine(const std::string& text) {
  std::string line;
  std::string last;
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t end = text.find('\n', from);
    if (end == std::string::npos) end = text.size();
    const std::string part = text.substr(from, end - from);
    if (part.find_first_not_of(" \t\r") != std::string::npos && part != last) {
      line += (line.empty() ? "" : "; ") + part;
    }
    last = part;
    from = end + 1;
  }
  return line;
}

// One module's lines, one command after another; the first that fails ends
// the module's run. A login holds for the module's later set and import.
void RunModule(ModuleRun& run, const std::vector<std::string>& environment) {
  if (!run.unknown.empty()) {
    run.failed = run.lines.front();
    run.exitCode = kExitFailed;
    run.message = run.unknown;
    return;
  }
  bool loggedIn = false;
  for (const BatchLine* line : run.lines) {
    const ChildResult result =
        RunThisProgram(ToolArguments(*line, run.target, loggedIn), environment);
    if (result.exitCode != kExitOk) {
      run.failed = line;
      run.exitCode = result.exitCode;
      run.message = OneLine(result.error);
      if (run.message.empty()) run.message = "exit code " + std::to_string(result.exitCode);
      return;
    }
    ++run.done;
    loggedIn = loggedIn || line->Verb() == "login";
  }
}

void RunAll(std::vector<ModuleRun>& runs, int jobs, const std::vector<std::string>& environment) {
  std::atomic<std::size_t> next{0};
  const auto worker = [&] {
    for (std::size_t i = next++; i < runs.size(); i = next++) RunModule(runs[i], environment);
  };
  std::vector<std::jthread> workers;
  for (int j = 0; j < jobs && static_cast<std::size_t>(j) < runs.size(); ++j) {
    workers.emplace_back(worker);
  }
}

std::string Plural(std::size_t n, const char* word) {
  return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

void PrintResults(const std::vector<ModuleRun>& runs, bool json) {
  Json list = Json::array();
  for (const ModuleRun& run : runs) {
    const std::size_t skipped =
        run.lines.size() - static_cast<std::size_t>(run.done) - (run.failed != nullptr ? 1 : 0);
    const std::string mac = run.unknown.empty() ? run.target : "";
    if (json) {
      Json j = {{"module", run.name},
                {"mac", mac},
                {"ok", run.failed == nullptr},
                {"commands", run.lines.size()},
                {"done", run.done}};
      if (run.failed != nullptr) {
        j["line"] = run.failed->number;
        j["command"] = run.failed->text;
        j["exitCode"] = run.exitCode;
        j["message"] = run.message;
        j["skipped"] = skipped;
      }
      list.push_back(j);
      continue;
    }
    const std::string who = run.name + (mac.empty() || mac == run.name ? "" : " (" + mac + ")");
    if (run.failed == nullptr) {
      std::printf("%s: ok, %s\n", who.c_str(), Plural(run.lines.size(), "command").c_str());
    } else {
      std::printf("%s: failed at line %d (%s): %s%s\n", who.c_str(), run.failed->number,
                  run.failed->text.c_str(), run.message.c_str(),
                  skipped > 0 ? ("; " + Plural(skipped, "command") + " skipped").c_str() : "");
    }
  }
  if (json) std::printf("%s\n", DumpJson(list).c_str());
}

}  // namespace

int RunBatch(CliUi& ui, const BatchOptions& options) {
  BatchFile batch;
  const std::string name = options.file == "-" ? "standard input" : options.file;
  if (options.file == "-") {
    batch = ReadBatch(std::cin);
  } else {
    std::ifstream in(options.file);
    if (!in) {
      std::fprintf(stderr, "Cannot read %s: %s.\n", name.c_str(), std::strerror(errno));
      return kExitUsage;
    }
    batch = ReadBatch(in);
  }
  for (const std::string& error : batch.errors) {
    std::fprintf(stderr, "%s, %s.\n", name.c_str(), error.c_str());
  }
  if (!batch.errors.empty()) {
    std::fprintf(stderr, "Nothing was run.\n");
    return kExitUsage;
  }
  if (batch.lines.empty()) std::fprintf(stderr, "%s holds no commands.\n", name.c_str());
  std::optional<std::string> password;
  if (!options.passwordFile.empty()) {
    password = ReadPasswordFile(options.passwordFile);
    if (!password) return kExitUsage;
  }
  for (const BatchLine& line : batch.lines) {
    if (line.Verb() == "login" && !password && std::getenv(kPasswordVariable) == nullptr) {
      std::fprintf(stderr,
                   "%s, line %d: login needs a password: set %s or give --password-file.\n"
                   "Nothing was run.\n",
                   name.c_str(), line.number, kPasswordVariable);
      return kExitUsage;
    }
  }

  // The parent binds the libraries (a missing one ends the run before any
  // command) and reads the kept list once to tell the modules apart; the
  // commands themselves run in the children.
  Session session(ui);
  int jobs = options.jobs;
  if (session.Link().CommType() == kCommSerial && jobs > 1) {
    std::fprintf(stderr, "The link is a serial line: the modules run one at a time.\n");
    jobs = 1;
  }
  session.LoadNodes();
  std::vector<ModuleRun> runs = GroupByModule(batch, session.Nodes());
  RunAll(runs, jobs, ChildEnvironment(password));
  PrintResults(runs, options.json);
  for (const ModuleRun& run : runs) {
    if (run.failed != nullptr) return kExitFailed;
  }
  return kExitOk;
}

}  // namespace gw::cli
