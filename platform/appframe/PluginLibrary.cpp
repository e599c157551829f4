#include "PluginLibrary.h"

#include <dlfcn.h>

#include "WinApp.h"

namespace af {

namespace {

using DocTemplateEntry = CDocTemplate* (*)();

void* EntryPoint(void* handle) { return dlsym(handle, "DLLDocTemplate"); }

}  // namespace

std::unique_ptr<PluginLibrary> PluginLibrary::Load(const QString& path, QString* error) {
  CWinApp::TakeConstructed();
  void* handle = dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    if (error) *error = QString::fromLocal8Bit(dlerror());
    return nullptr;
  }
  std::vector<CWinApp*> apps = CWinApp::TakeConstructed();
  if (!EntryPoint(handle)) {
    if (error) *error = QStringLiteral("%1 has no entry DLLDocTemplate").arg(path);
    dlclose(handle);
    return nullptr;
  }
  for (CWinApp* app : apps) {
    if (!app->InitInstance()) {
      if (error) *error = QStringLiteral("%1 failed to initialise").arg(path);
      dlclose(handle);
      return nullptr;
    }
    AfxAddResourceChain(app->State());
  }
  return std::unique_ptr<PluginLibrary>(new PluginLibrary(path, handle, std::move(apps)));
}

PluginLibrary::PluginLibrary(QString path, void* handle, std::vector<CWinApp*> apps)
    : path_(std::move(path)), handle_(handle), apps_(std::move(apps)) {}

PluginLibrary::~PluginLibrary() {
  for (CWinApp* app : apps_) {
    AfxRemoveResourceChain(app->State());
    app->ExitInstance();
  }
  dlclose(handle_);
}

CDocTemplate* PluginLibrary::DocTemplate() {
  auto entry = reinterpret_cast<DocTemplateEntry>(EntryPoint(handle_));
  return entry ? entry() : nullptr;
}

}  // namespace af
