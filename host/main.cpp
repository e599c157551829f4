// gwsuite: the desktop host. Loads the plug-ins from the Plugins folder of
// each host folder ($GWSUITE_HOME, the program's folder, the installed
// tree's library folder), opens a document of the first plug-in, and runs
// until the main window closes. Files named on the command line are opened
// as documents.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QTimer>
#include <cstdio>

#include "HostResources.h"
#include "MainFrame.h"
#include "PluginSet.h"
#include "SignalQuit.h"
#include "appframe/Dialogs.h"
#include "appframe/HostFolders.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("GwSuite"));
  QApplication::setOrganizationName(QStringLiteral("Orvane"));
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
  gw::host::InitHostResources();

  // Files named on the command line, before the working folder changes.
  QStringList files;
  for (const QString& argument : QApplication::arguments().mid(1)) {
    files << QFileInfo(argument).absoluteFilePath();
  }
  // Like a desktop shortcut, start in the program's folder, or in the host
  // folder that holds the translations (share/gwsuite once installed): the
  // plug-ins find their Language folder relative to the current one.
  const QString language = af::AfxFindHostFile(QStringLiteral("Language"));
  QDir::setCurrent(language.isEmpty() ? QApplication::applicationDirPath()
                                      : QFileInfo(language).absolutePath());

  gw::host::PluginSet plugins;
  plugins.LoadAll();
  for (const QString& error : plugins.Errors())
    std::fprintf(stderr, "gwsuite: %s\n", qPrintable(error));

  int result = 0;
  {
    gw::host::CMainFrame mainFrame(plugins);
    gw::host::CloseWindowsOnSignals(&mainFrame);
    mainFrame.show();
    if (plugins.Templates().empty()) {
      const QStringList errors = plugins.Errors();
      af::AfxMessageBox(
          QStringLiteral("No plug-in could be loaded from the Plugins folder of %1.%2")
              .arg(af::AfxHostFolders().join(QStringLiteral(" or ")),
                   errors.isEmpty() ? QString() : "\n\n" + errors.join('\n')),
          af::MB_ICONWARNING);
    }
    QTimer::singleShot(0, &mainFrame, [&] {
      if (files.isEmpty()) {
        mainFrame.Start();
      } else {
        for (const QString& file : files) mainFrame.OpenDocument(file);
      }
    });
    result = QApplication::exec();
  }
  plugins.Unload();
  return result;
}
