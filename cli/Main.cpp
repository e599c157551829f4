// nxgcfg: find, inspect and keep NXG4120-T modules from a shell.
#include <CLI/CLI.hpp>
#include <cstdio>

#include "CliCommands.h"
#include "CliUi.h"
#include "Session.h"

using namespace gw::cli;

int main(int argc, char** argv) {
  CLI::App app{"Find, inspect and keep NXG4120-T gateway modules.", "nxgcfg"};
  app.require_subcommand(1);
  bool yes = false;
  app.set_version_flag("--version", "nxgcfg 0.1");
  // Options of the tool may stand after the command too.
  app.fallthrough();
  std::string trace;
  app.add_option("--trace", trace,
                 "Write every frame sent and received to FILE (monotonic time, direction, "
                 "length, hex; login keys and passwords masked)");

  SearchOptions search;
  auto* searchCmd = app.add_subcommand("search", "Search for modules and list them.");
  auto* ipOpt = searchCmd->add_option(
      "--ip", search.ip, "Search this address (through routers) instead of broadcasting");
  auto* settingsOpt = searchCmd->add_flag(
      "--settings-address", search.settingsAddress,
      "Search the address that NXG4120-T.ini names ([CommConf] IPAddress), as the IP search does");
  settingsOpt->excludes(ipOpt);
  searchCmd
      ->add_option("--serial", search.serial, "Search over a serial line: COMn or a device path")
      ->excludes(ipOpt)
      ->excludes(settingsOpt);
  searchCmd->add_flag("--json", search.json, "Print JSON");

  std::string module;
  bool json = false;
  auto* showCmd = app.add_subcommand("show", "Read every parameter of a module and print it.");
  showCmd->add_option("MODULE", module, "MAC address, #index of the last search, or module number")
      ->required();
  showCmd->add_flag("--json", json, "Print JSON");

  int block = -1;
  ReadOptions read;
  auto* readCmd = app.add_subcommand("read", "Read one parameter block of a module.");
  readCmd->add_option("MODULE", module, "MAC address, #index or module number")->required();
  readCmd->add_option("BLOCK", block, "Block number (0, 1, 2, 4, 6, 8, 9, 10, 11, 13, 44, 47-50)")
      ->required();
  auto* hexOpt = readCmd->add_flag("--hex", read.hex, "Print only the hexadecimal dump");
  readCmd->add_flag("--json", read.json, "Print JSON")->excludes(hexOpt);
  readCmd->add_flag("--reveal", read.reveal, "Show the password bytes of block 0 instead of **");

  auto* loginCmd = app.add_subcommand(
      "login", "Log in to a password-locked module (password from a prompt or NXGCFG_PASSWORD).");
  loginCmd->add_option("MODULE", module, "MAC address, #index or module number")->required();

  auto* resetCmd = app.add_subcommand("factory-reset", "Return a module to its factory setting.");
  resetCmd->add_option("MODULE", module, "MAC address, #index or module number")->required();
  resetCmd->add_flag("--yes,-y", yes, "Do not ask");

  std::string file;
  auto* exportCmd = app.add_subcommand("export", "Save all parameters of a module to a .mod file.");
  exportCmd->add_option("MODULE", module, "MAC address, #index or module number")->required();
  exportCmd->add_option("FILE", file, "Parameter file to write")->required();

  auto* decodeCmd = app.add_subcommand("decode", "Print the parameters held in a .mod file.");
  decodeCmd->add_option("FILE", file, "Parameter file to read")->required();
  decodeCmd->add_flag("--json", json, "Print JSON");

  std::string page;
  auto* fieldsCmd = app.add_subcommand("fields", "List the keys that set and diff take.");
  fieldsCmd->add_option("PAGE", page, "Only this page's keys (Overview, Basic, Security...)");
  fieldsCmd->add_flag("--json", json, "Print JSON");

  SetOptions set;
  auto* setCmd = app.add_subcommand(
      "set", "Change parameters of a module or a .mod file through the pages' own rules.");
  setCmd->add_option("TARGET", set.target, "MAC address, #index, module number, or FILE.mod")
      ->required();
  setCmd->add_option("KEY=VALUE", set.assignments, "Values, applied in the order given")
      ->required();
  setCmd->add_flag("--dry-run", set.dryRun,
                   "Print the blocks and change masks that would be written; send nothing");
  setCmd->add_flag("--json", set.json, "Print the writes of --dry-run as JSON");
  setCmd->add_flag("--login", set.login,
                   "Log in to a locked module first (password from a prompt or NXGCFG_PASSWORD)");

  ImportOptions import;
  auto* importCmd = app.add_subcommand(
      "import",
      "Load a .mod file into a module as the Security page's Import does, then apply every page.");
  importCmd->add_option("MODULE", import.module, "MAC address, #index or module number")
      ->required();
  importCmd->add_option("FILE", import.file, "Parameter file to load (FILE.mod)")->required();
  importCmd->add_flag("--keep-network", import.keepNetwork,
                      "Keep the module's own name, IP configuration, address, netmask, gateway "
                      "and IPv6 settings");
  importCmd->add_flag("--dry-run", import.dryRun,
                      "Print the blocks and change masks that would be written; send nothing");
  importCmd->add_flag("--json", import.json, "Print the writes of --dry-run as JSON");
  importCmd->add_flag("--login", import.login,
                      "Log in to a locked module first (password from a prompt or "
                      "NXGCFG_PASSWORD)");

  std::string other;
  auto* diffCmd = app.add_subcommand(
      "diff", "Compare the parameters of two modules or .mod files (exit 0 equal, 1 different).");
  diffCmd->add_option("A", module, "A module or FILE.mod")->required();
  diffCmd->add_option("B", other, "A module or FILE.mod")->required();
  diffCmd->add_flag("--json", json, "Print JSON");

  BatchOptions batch;
  auto* batchCmd = app.add_subcommand(
      "batch", "Run the set, import, login and export lines of a file, several modules at a time.");
  batchCmd
      ->add_option("FILE", batch.file,
                   "One command per line, each naming its module (- for standard input): "
                   "set MODULE KEY=VALUE..., import MODULE FILE.mod [--keep-network], "
                   "login MODULE, export MODULE FILE; # starts a comment")
      ->required();
  batchCmd
      ->add_option("--jobs,-j", batch.jobs,
                   "Modules at a time, each with its own link (default 8; 1 on a serial line)")
      ->check(CLI::Range(1, 64));
  batchCmd->add_option("--password-file", batch.passwordFile,
                       "Password of locked modules: the first line of this file, which only its "
                       "owner may read (else NXGCFG_PASSWORD)");
  batchCmd->add_flag("--json", batch.json, "Print JSON: one object per module");
  MonitorOptions monitor;
  auto* monitorCmd = app.add_subcommand(
      "monitor",
      "Watch the live values of a monitor table as the Monitor page does (Ctrl+C ends).");
  monitorCmd->add_option("MODULE", monitor.module, "MAC address, #index or module number")
      ->required();
  auto* bitsOpt = monitorCmd->add_flag("--bits", monitor.bits, "The bit device table");
  monitorCmd->add_flag("--words", monitor.words, "The word device table")->excludes(bitsOpt);
  monitorCmd->add_option("--count", monitor.count, "End after N ticks (default: at Ctrl+C)")
      ->check(CLI::PositiveNumber);
  monitorCmd
      ->add_option("--interval", monitor.intervalMs,
                   "Milliseconds between ticks (default: the page's, 500 bits, 300 words)")
      ->check(CLI::Range(1, 3600000));
  monitorCmd->add_option("--format", monitor.format, "Every word row's Format: hex, dec or bin")
      ->check(CLI::IsMember({"hex", "dec", "bin"}, CLI::ignore_case));
  auto* monitorJson =
      monitorCmd->add_flag("--json", monitor.json, "One JSON object per tick, one per line");
  monitorCmd->add_flag("--csv", monitor.csv, "The CSV log's lines (a header, then one per tick)")
      ->excludes(monitorJson);
  monitorCmd->add_flag("--login", monitor.login,
                       "Log in to a locked module first (password from a prompt or "
                       "NXGCFG_PASSWORD)");

  LinkOptions link;
  auto* linkCmd = app.add_subcommand("link", "Show or change the transport settings.");
  auto* ethOpt =
      linkCmd->add_option("--ethernet", link.ethernet, "Use Ethernet with this remote address");
  linkCmd->add_option("--serial", link.serial, "Use this serial port (COMn)")->excludes(ethOpt);
  linkCmd->add_option("--device", link.device, "Device path of the serial port")->excludes(ethOpt);
  linkCmd->add_flag("--json", link.json, "Print JSON");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return kExitUsage;
  }

  if (!trace.empty()) {
    if (const auto error = OpenTraceFile(trace)) {
      std::fprintf(stderr, "%s\n", error->c_str());
      return kExitFailed;
    }
  }
  CliUi ui(yes);
  if (*searchCmd) return RunSearch(ui, search);
  if (*showCmd) return RunShow(ui, module, json);
  if (*readCmd) return RunRead(ui, module, block, read);
  if (*loginCmd) return RunLogin(ui, module);
  if (*resetCmd) return RunFactoryReset(ui, module);
  if (*exportCmd) return RunExport(ui, module, file);
  if (*decodeCmd) return RunDecode(ui, file, json);
  if (*linkCmd) return RunLink(ui, link);
  if (*fieldsCmd) return RunFields(page, json);
  if (*setCmd) return RunSet(ui, set);
  if (*importCmd) return RunImport(ui, import);
  if (*diffCmd) return RunDiff(ui, module, other, json);
  if (*batchCmd) return RunBatch(ui, batch);
  if (*monitorCmd) return RunMonitor(ui, monitor);
  return kExitUsage;
}
