#pragma once
// How a user names a module on the command line: its MAC address
// ("00:60:E9:10:20:01", dashes also accepted), its index in the last search
// ("#3", as the node list labels it), or its module number ("300").

#include <string>
#include <variant>

#include "model/NodeTable.h"

namespace gw::cli {

struct FoundModule {
  int index = -1;     // slot in the node table, or -1
  std::string error;  // why none was found
};

FoundModule FindModule(const NodeTable& nodes, const std::string& reference);

// "AA:BB:CC:DD:EE:FF" or with dashes, any case; false when it is not one.
bool ParseMac(const std::string& text, MacAddress& mac);

}  // namespace gw::cli
