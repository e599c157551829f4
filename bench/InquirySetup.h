#pragma once
// What both inquiry figures share: a node list found once by a search, kept
// in memory as the tool keeps it between starts, and one timed inquiry of its
// first node in a fresh configuration folder.

#include <string>
#include <vector>

#include "ToolSession.h"
#include "WireTap.h"

namespace gw::bench {

// Searches once with the current GWSUITE_HOME and keeps the node list in
// `store`; the number of nodes found.
int FindNodes(MemoryStore& store, std::uint32_t searchAddress);

struct InquiryRun {
  bool ok = false;
  double ms = 0;
  std::vector<WireSend> sends;
  std::vector<WireReceive> receives;
  std::vector<std::string> messages;
};

// Loads the node list from `store` and reads node 0's blocks between
// OpenLink and CloseLink, timing InquireModule alone, in a configuration
// folder with `portLinkIni`.
InquiryRun TimedInquiry(MemoryStore& store, const std::string& portLinkIni);

}  // namespace gw::bench
