#include "Session.h"

#include <cstdio>
#include <cstdlib>

#include "ModuleRef.h"

namespace gw::cli {

Session::Session(CliUi& ui) : ui_(ui), doc_(ui, clock_, store_, CommSettings()) {
  doc_.Link().Bind(SystemLoader(), [](int) { std::exit(kExitSetup); });
}

int Session::FindNode(const std::string& reference) {
  LoadNodes();
  const FoundModule found = FindModule(Nodes(), reference);
  if (found.index < 0) std::fprintf(stderr, "%s\n", found.error.c_str());
  return found.index;
}

void* Session::PortLinkSymbol(const char* name) {
  return SystemLoader().Symbol(Link().PortLink().module, name);
}

}  // namespace gw::cli
