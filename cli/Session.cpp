#include "Session.h"

#include <cstdio>
#include <cstdlib>

#include "KeptNodes.h"
#include "ModuleRef.h"

namespace gw::cli {

Session::Session(CliUi& ui) : ui_(ui), doc_(ui, clock_, store_, CommSettings()) {
  doc_.Link().Bind(SystemLoader(), [](int) { std::exit(kExitSetup); });
  tap_ = std::make_unique<PortTap>(doc_.Link());
}

void Session::LoadNodes() {
  if (const auto error = LoadKeptNodes(Nodes())) ui_.Message(*error, Buttons::Ok, Icon::Error);
}

bool Session::StoreNodes() {
  const NodeRecord* current = Nodes().CurrentRecord();
  const auto error = current != nullptr ? KeepNode(*current) : std::nullopt;
  if (error) ui_.Message(*error, Buttons::Ok, Icon::Error);
  return !error;
}

bool Session::ReplaceNodes() {
  const auto error = KeepNodes(Nodes());
  if (error) ui_.Message(*error, Buttons::Ok, Icon::Error);
  return !error;
}

int Session::FindNode(const std::string& reference) {
  LoadNodes();
  const FoundModule found = FindModule(Nodes(), reference);
  if (found.index < 0) std::fprintf(stderr, "%s\n", found.error.c_str());
  return found.index;
}

int Session::OpenModule(const std::string& reference) {
  const int index = FindNode(reference);
  if (index < 0) return -1;
  if (doc_.OpenNode(index) != OpenResult::Opened) return -1;
  return index;
}

void* Session::PortLinkSymbol(const char* name) {
  return SystemLoader().Symbol(Link().PortLink().module, name);
}

}  // namespace gw::cli
