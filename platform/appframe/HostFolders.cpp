#include "HostFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace af {

QStringList AfxHostFolders() {
  QStringList folders;
  const auto add = [&folders](const QString& folder) {
    if (!folder.isEmpty() && !folders.contains(folder)) folders << folder;
  };
  const QString home = qEnvironmentVariable("GWSUITE_HOME");
  if (!home.isEmpty()) add(QDir(home).absolutePath());
  const QString program = QCoreApplication::applicationDirPath();
  add(program);
  // An installed tree keeps its libraries and its data apart from bin/.
  if (!program.isEmpty()) {
    for (const char* relative : {GW_INSTALLED_LIB_FOLDER, GW_INSTALLED_DATA_FOLDER}) {
      const QString folder = QDir::cleanPath(QDir(program).filePath(QString::fromUtf8(relative)));
      if (QFileInfo(folder).isDir()) add(folder);
    }
  }
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
