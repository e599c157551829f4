#pragma once
// The commands of nxgcfg. Each returns the process exit code.

#include <optional>
#include <string>

namespace gw::cli {

class CliUi;

struct SearchOptions {
  std::string ip;      // search this address instead of broadcasting
  bool settingsAddress = false;  // search the address the settings file names
  std::string serial;  // COMn or a device path: search over a serial line
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
  bool hex = false;     // only the hexadecimal dump
  bool json = false;
  bool reveal = false;  // show secret fields (the password) instead of "**"
};
int RunRead(CliUi& ui, const std::string& module, int block, const ReadOptions& options);
int RunLogin(CliUi& ui, const std::string& module);
int RunFactoryReset(CliUi& ui, const std::string& module);
int RunExport(CliUi& ui, const std::string& module, const std::string& file);
int RunDecode(CliUi& ui, const std::string& file, bool json);

}  // namespace gw::cli
