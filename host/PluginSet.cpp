#include "PluginSet.h"

#include <QDir>
#include <QSet>

#include "appframe/HostFolders.h"

namespace gw::host {

QStringList PluginFolders() {
  QStringList folders;
  for (const QString& folder : af::AfxHostFolders()) {
    const QString plugins = QDir(folder).filePath(QStringLiteral("Plugins"));
    if (QDir(plugins).exists()) folders << plugins;
  }
  return folders;
}

PluginSet::~PluginSet() { Unload(); }

std::vector<af::CDocTemplate*> PluginSet::Templates() const {
  std::vector<af::CDocTemplate*> templates;
  for (const auto& docTemplate : templates_) templates.push_back(docTemplate.get());
  return templates;
}

int PluginSet::LoadAll() {
  const std::size_t before = templates_.size();
  QSet<QString> seen;
  for (const QString& folder : PluginFolders()) {
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList({QStringLiteral("lib*.so")}, QDir::Files, QDir::Name)) {
      if (seen.contains(name)) continue;
      seen.insert(name);
      Load(dir.filePath(name));
    }
  }
  return static_cast<int>(templates_.size() - before);
}

bool PluginSet::Load(const QString& path) {
  QString error;
  std::unique_ptr<af::PluginLibrary> library = af::PluginLibrary::Load(path, &error);
  if (!library) {
    errors_ << error;
    return false;
  }
  std::unique_ptr<af::CDocTemplate> docTemplate(library->DocTemplate());
  if (!docTemplate) {
    errors_ << QStringLiteral("%1 gave no document template").arg(path);
    return false;
  }
  docTemplate->LoadTemplate();
  templates_.push_back(std::move(docTemplate));
  libraries_.push_back(std::move(library));
  return true;
}

void PluginSet::Unload() {
  templates_.clear();
  while (!libraries_.empty()) libraries_.pop_back();
}

}  // namespace gw::host
