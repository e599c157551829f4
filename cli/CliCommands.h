#pragma once
// The commands of nxgcfg. Each returns the process exit code.

#include <optional>
#include <string>
#include <vector>

#include "model/NodeRecord.h"

namespace gw::pages {
class SheetRules;
}

namespace gw::cli {

class CliUi;

struct SearchOptions {
  std::string ip;                // search this address instead of broadcasting
  bool settingsAddress = false;  // search the address the settings file names
  std::string serial;            // COMn or a device path: search over a serial line
  bool json = false;
};
int RunSearch(CliUi& ui, const SearchOptions& options);

struct LinkOptions {
  std::string ethernet;  // remote address
  std::string serial;    // COMn
  std::string device;    // device path for the serial port
  bool json = false;
};
int RunLink(CliUi& ui, const LinkOptions& options);

int RunShow(CliUi& ui, const std::string& module, bool json);
struct ReadOptions {
  bool hex = false;  // only the hexadecimal dump
  bool json = false;
  bool reveal = false;  // show secret fields (the password) instead of "**"
};
int RunRead(CliUi& ui, const std::string& module, int block, const ReadOptions& options);
int RunLogin(CliUi& ui, const std::string& module);
int RunFactoryReset(CliUi& ui, const std::string& module);
int RunExport(CliUi& ui, const std::string& module, const std::string& file);
int RunDecode(CliUi& ui, const std::string& file, bool json);

// A name that ends in ".mod" is a parameter file, not a module.
bool IsParameterFileName(const std::string& name);
// The node record a parameter file holds; nothing after saying why.
std::optional<NodeRecord> ReadModFile(CliUi& ui, const std::string& file);

// The keys, of every page or of one (its caption or the first part of its keys).
int RunFields(const std::string& page, bool json);

struct SetOptions {
  std::string target;                    // a module, or a .mod file
  std::vector<std::string> assignments;  // KEY=VALUE
  bool dryRun = false;
  bool json = false;   // the dry run's writes as JSON
  bool login = false;  // log in first (password from a prompt or NXGCFG_PASSWORD)
};
int RunSet(CliUi& ui, const SetOptions& options);
// Why `word` is no value set takes (not KEY=VALUE, no such key, a key that is
// shown only); nothing when it is one.
std::optional<std::string> AssignmentProblem(const std::string& word);

struct ImportOptions {
  std::string module;
  std::string file;          // FILE.mod
  bool keepNetwork = false;  // the module keeps its name and network settings
  bool dryRun = false;
  bool json = false;
  bool login = false;
};
int RunImport(CliUi& ui, const ImportOptions& options);

struct BatchOptions {
  std::string file;          // the commands; "-" for standard input
  int jobs = 8;              // modules at a time
  std::string passwordFile;  // the password of locked modules, readable by its owner only
  bool json = false;
};
// Exit 0 when every line succeeded, 1 when one did not, 2 when a line is
// malformed or the password cannot be had (nothing runs then).
int RunBatch(CliUi& ui, const BatchOptions& options);

// Exit 0 when the parameters of A and B are equal, 1 when they differ.
int RunDiff(CliUi& ui, const std::string& a, const std::string& b, bool json);

// The Security page's login, as a user types the password (from a prompt or
// NXGCFG_PASSWORD) and confirms; false after saying why it could not start.
bool LogIn(pages::SheetRules& sheet);

struct MonitorOptions {
  std::string module;
  bool bits = false;  // the bit table, or
  bool words = false;
  int count = 0;       // ticks; 0: until Ctrl+C
  int intervalMs = 0;  // 0: the pane's own interval
  std::string format;  // hex|dec|bin: every row's Format (words only)
  bool json = false;   // one object per tick
  bool csv = false;    // the CSV log's lines
  bool login = false;
};
// The Monitor pane's poll loop; exit 0 after the ticks or on Ctrl+C.
int RunMonitor(CliUi& ui, const MonitorOptions& options);

}  // namespace gw::cli
