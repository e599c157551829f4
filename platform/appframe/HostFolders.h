#pragma once
// The host's folders, where its plug-ins (Plugins/), icons (Icons/) and other
// files are looked for: $GWSUITE_HOME when it is set, then the folder of the
// running program, then, in an installed tree, the package's private library
// folder (../lib/<multiarch>/gwsuite) and data folder (../share/gwsuite).

#include <QString>
#include <QStringList>

namespace af {

QStringList AfxHostFolders();
// `relative` in the first host folder that has it; empty when none has.
QString AfxFindHostFile(const QString& relative);

}  // namespace af
