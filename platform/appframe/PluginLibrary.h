#pragma once
// A plug-in library: loading it runs its application object's InitInstance
// (a false result fails the load) and registers its resources in the chain;
// unloading runs ExitInstance. The entry DLLDocTemplate gives its document
// template.

#include <QString>
#include <memory>
#include <vector>

namespace af {

class CDocTemplate;
class CWinApp;

class PluginLibrary {
 public:
  // Null with the reason in `error` when the library cannot be loaded, has
  // no entry DLLDocTemplate, or its InitInstance fails.
  static std::unique_ptr<PluginLibrary> Load(const QString& path, QString* error);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  const QString& Path() const { return path_; }
  // A new template from the library's entry; the caller owns it. Null when
  // the library cannot make one.
  CDocTemplate* DocTemplate();
  const std::vector<CWinApp*>& Apps() const { return apps_; }

 private:
  PluginLibrary(QString path, void* handle, std::vector<CWinApp*> apps);

  QString path_;
  void* handle_;
  std::vector<CWinApp*> apps_;
};

}  // namespace af
