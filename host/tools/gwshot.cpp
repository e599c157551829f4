// gwshot: pictures of the desktop program for the documentation. Runs a
// session of the host like gwsuite does (the plug-ins, a new document, the
// stored node list, the first search), then saves PNG pictures of the main
// window, of it with the first node selected, and of the first node's
// parameter sheet (its Overview, Basic, Mail, NTP, Slave Mode, IP Filter,
// User Define and Security pages, both Monitor panes while they monitor, and
// a trend) into the folder given. Run it on the offscreen platform:
//   QT_QPA_PLATFORM=offscreen gwshot docs/screenshots
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <cstdio>
#include <utility>

#include "HostTool.h"
#include "appframe/PropertySheet.h"

namespace {

bool Save(QWidget& widget, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  const bool ok = widget.grab().save(path);
  std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
  return ok;
}

// The pages of the sheet pictured, by tab position.
constexpr std::pair<int, const char*> kSheetPictures[] = {
    {0, "parameter-sheet.png"},   {1, "sheet-basic.png"},      {2, "sheet-mail.png"},
    {3, "sheet-ntp.png"},         {5, "sheet-slave-mode.png"}, {6, "sheet-ip-filter.png"},
    {7, "sheet-user-define.png"}, {8, "sheet-security.png"}};

// The Monitor page (tab 4): each pane monitoring for a while, then a trend of
// the first word rows. The widgets are found by their object names.
bool SaveMonitor(af::CPropertySheet& sheet, const QDir& folder) {
  sheet.SetActivePage(4);
  sheet.resize(QSize(1120, 560));
  auto* tabs = sheet.findChild<QTabWidget*>(QStringLiteral("monitorTabs"));
  if (tabs == nullptr) return false;
  bool ok = true;
  const char* pictures[] = {"sheet-monitor-bits.png", "sheet-monitor-words.png"};
  for (int pane = 0; pane < 2; ++pane) {
    tabs->setCurrentIndex(pane);
    QWidget* window = tabs->widget(pane);
    auto* start = window->findChild<QPushButton*>(QStringLiteral("startMonitor"));
    if (start == nullptr || !start->isEnabled()) {
      std::printf("the first module's %s pane cannot monitor\n", pane == 0 ? "bit" : "word");
      return false;
    }
    start->click();
    gw::host::Run(1500);
    ok = Save(sheet, folder, QString::fromLatin1(pictures[pane])) && ok;
  }
  // Back on the bits, which the other tab stopped: a trend of four coils.
  tabs->setCurrentIndex(0);
  QWidget* bits = tabs->widget(0);
  bits->findChild<QPushButton*>(QStringLiteral("startMonitor"))->click();
  gw::host::Run(800);
  if (auto* status = bits->findChild<QTableView*>(QStringLiteral("statusGrid"))) {
    status->selectionModel()->select(
        QItemSelection(status->model()->index(0, 0), status->model()->index(3, 3)),
        QItemSelectionModel::ClearAndSelect);
  }
  if (auto* trend = bits->findChild<QPushButton*>(QStringLiteral("trend"))) trend->click();
  gw::host::Run(9000);
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->isVisible() && top->windowTitle() == QStringLiteral("Trend")) {
      top->resize(720, 420);
      gw::host::Run(300);
      ok = Save(*top, folder, QStringLiteral("monitor-trend.png")) && ok;
      top->close();
    }
  }
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: gwshot FOLDER\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "gwshot: cannot make %s\n", argv[1]);
    return 1;
  }
  gw::host::HostTool host;
  if (!host.Start("gwshot")) return 1;
  gw::host::CMainFrame& main = host.Main();
  bool ok = Save(main, folder, QStringLiteral("main-window.png"));
  if (!gw::host::SelectFirstNode(main)) return 1;
  ok = Save(main, folder, QStringLiteral("selected-node.png")) && ok;
  ok = gw::host::WithFirstSheet(main,
                                [&folder](af::CPropertySheet& sheet) {
                                  bool saved = true;
                                  for (const auto& [page, name] : kSheetPictures) {
                                    sheet.SetActivePage(page);
                                    sheet.resize(sheet.sizeHint().expandedTo(QSize(660, 420)));
                                    QApplication::processEvents();
                                    saved = Save(sheet, folder, QString::fromLatin1(name)) && saved;
                                  }
                                  return SaveMonitor(sheet, folder) && saved;
                                }) &&
       ok;
  return ok ? 0 : 1;
}
