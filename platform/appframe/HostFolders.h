#pragma once
// The host's folders, where its plug-ins (Plugins/), icons (Icons/) and other
// files are looked for: $GWSUITE_HOME when it is set, then the folder of the
// running program.

#include <QString>
#include <QStringList>

namespace af {

QStringList AfxHostFolders();
// `relative` in the first host folder that has it; empty when none has.
QString AfxFindHostFile(const QString& relative);

}  // namespace af
