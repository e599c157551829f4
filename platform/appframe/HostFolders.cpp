#include "HostFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace af {

QStringList AfxHostFolders() {
  QStringList folders;
  const QString home = qEnvironmentVariable("GWSUITE_HOME");
  if (!home.isEmpty()) folders << QDir(home).absolutePath();
  const QString program = QCoreApplication::applicationDirPath();
  if (!program.isEmpty() && !folders.contains(program)) folders << program;
  return folders;
}

QString AfxFindHostFile(const QString& relative) {
  for (const QString& folder : AfxHostFolders()) {
    const QString path = QDir(folder).filePath(relative);
    if (QFileInfo::exists(path)) return path;
  }
  return {};
}

}  // namespace af
