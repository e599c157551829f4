#pragma once
// The application object of a module and the module state that says whose
// resources are current. A plug-in library holds one static application
// object; the framework runs its InitInstance when the library is loaded and
// its ExitInstance when it is unloaded.

#include <QString>
#include <vector>

namespace af {

class ResourceModule;

// Per module: the resources its code loads from. The host's state is current
// unless a plug-in entry point makes its own current for a call.
struct ModuleState {
  ResourceModule* resourceHandle = nullptr;
};

ModuleState& ProcessModuleState();
ModuleState& CurrentModuleState();

// Makes `state` current for the lifetime of the scope.
class ModuleStateScope {
 public:
  explicit ModuleStateScope(ModuleState& state);
  ~ModuleStateScope();
  ModuleStateScope(const ModuleStateScope&) = delete;
  ModuleStateScope& operator=(const ModuleStateScope&) = delete;

 private:
  ModuleState* previous_;
};

ResourceModule* AfxGetResourceHandle();
void AfxSetResourceHandle(ResourceModule* module);

// The chain of resource modules searched after the current one: each loaded
// plug-in's module state is added when its library has been initialised.
void AfxAddResourceChain(ModuleState& state);
void AfxRemoveResourceChain(ModuleState& state);
// String `id` from the current resources, else from the chain; empty when
// no module has it.
QString AfxLoadString(int id);

class CWinApp {
 public:
  // Registers the object with the library being loaded.
  explicit CWinApp(const char* appName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual bool InitInstance();
  virtual int ExitInstance();

  const QString& AppName() const { return appName_; }
  ModuleState& State() { return state_; }

  // The application objects constructed since the last call, in order.
  static std::vector<CWinApp*> TakeConstructed();

 private:
  QString appName_;
  ModuleState state_;
};

}  // namespace af
