#pragma once
// The plug-ins of the host: every library in the Plugins folder of the host's
// folders, loaded at start, with the document template each one gives.

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "appframe/DocTemplate.h"
#include "appframe/PluginLibrary.h"

namespace gw::host {

class PluginSet {
 public:
  PluginSet() = default;
  // Templates go first (with their documents), then the libraries.
  ~PluginSet();
  PluginSet(const PluginSet&) = delete;
  PluginSet& operator=(const PluginSet&) = delete;

  // Loads lib*.so from <folder>/Plugins of every host folder (a file name
  // found twice is loaded once). Returns the number of templates gained;
  // failures are collected in Errors().
  int LoadAll();
  // Loads one library and takes its template.
  bool Load(const QString& path);

  std::vector<af::CDocTemplate*> Templates() const;
  const QStringList& Errors() const { return errors_; }
  const std::vector<std::unique_ptr<af::PluginLibrary>>& Libraries() const { return libraries_; }

  // Closes every template's documents and drops the templates, then unloads
  // the libraries.
  void Unload();

 private:
  std::vector<std::unique_ptr<af::PluginLibrary>> libraries_;
  std::vector<std::unique_ptr<af::CDocTemplate>> templates_;
  QStringList errors_;
};

// The Plugins folders, in search order.
QStringList PluginFolders();

}  // namespace gw::host
