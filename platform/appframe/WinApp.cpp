#include "WinApp.h"

#include <algorithm>

#include "Resources.h"

namespace af {

namespace {

ModuleState*& CurrentStatePointer() {
  static ModuleState* current = &ProcessModuleState();
  return current;
}

// Never destroyed: static application objects unregister from them while
// the process ends.
std::vector<ModuleState*>& Chain() {
  static auto* chain = new std::vector<ModuleState*>;
  return *chain;
}

std::vector<CWinApp*>& Constructed() {
  static auto* apps = new std::vector<CWinApp*>;
  return *apps;
}

}  // namespace

ModuleState& ProcessModuleState() {
  static ModuleState state;
  return state;
}

ModuleState& CurrentModuleState() { return *CurrentStatePointer(); }

ModuleStateScope::ModuleStateScope(ModuleState& state) : previous_(CurrentStatePointer()) {
  CurrentStatePointer() = &state;
}

ModuleStateScope::~ModuleStateScope() { CurrentStatePointer() = previous_; }

ResourceModule* AfxGetResourceHandle() { return CurrentModuleState().resourceHandle; }

void AfxSetResourceHandle(ResourceModule* module) { CurrentModuleState().resourceHandle = module; }

void AfxAddResourceChain(ModuleState& state) {
  if (std::find(Chain().begin(), Chain().end(), &state) == Chain().end()) {
    Chain().push_back(&state);
  }
}

void AfxRemoveResourceChain(ModuleState& state) { std::erase(Chain(), &state); }

QString AfxLoadString(int id) {
  if (const ResourceModule* current = AfxGetResourceHandle(); current && current->HasString(id)) {
    return current->LoadString(id);
  }
  for (const ModuleState* state : Chain()) {
    if (state->resourceHandle && state->resourceHandle->HasString(id)) {
      return state->resourceHandle->LoadString(id);
    }
  }
  return {};
}

CWinApp::CWinApp(const char* appName) : appName_(appName ? QString::fromUtf8(appName) : QString()) {
  Constructed().push_back(this);
}

CWinApp::~CWinApp() {
  std::erase(Constructed(), this);
  AfxRemoveResourceChain(state_);
}

bool CWinApp::InitInstance() { return true; }

int CWinApp::ExitInstance() { return 0; }

std::vector<CWinApp*> CWinApp::TakeConstructed() {
  std::vector<CWinApp*> apps;
  apps.swap(Constructed());
  return apps;
}

}  // namespace af
