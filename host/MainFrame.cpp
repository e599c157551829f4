#include "MainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

#include "CommSettingsDialog.h"
#include "HostResources.h"
#include "LanguageDialog.h"
#include "PluginSet.h"
#include "appframe/AfxIds.h"
#include "appframe/ChildFrame.h"
#include "appframe/Dialogs.h"
#include "appframe/DocTemplate.h"
#include "appframe/Document.h"
#include "appframe/Printing.h"
#include "appframe/WinApp.h"
#include "frame/Resource.h"
#include "protocol/HostCommands.h"

namespace gw::host {

using namespace gw::frame;

namespace {

constexpr int kIdleUpdateMs = 250;

// The Communication menu, inserted before Window: the plug-ins' search
// commands, Refresh and the settings.
af::MenuResource WithCommunicationMenu(const af::MenuResource& menu) {
  std::vector<af::MenuItem> items;
  for (int id : {kIdSearch, kIdIpSearch}) {
    const QString text = af::SubString(af::AfxLoadString(id), 0);
    if (!text.isEmpty()) items.push_back(af::MenuItem::Command(id, text));
  }
  if (!items.empty()) items.push_back(af::MenuItem::Separator());
  items.push_back(af::MenuItem::Command(ID_TOOLS_COMM_SETTING, "&Communication Setting"));
  af::MenuResource result;
  for (const af::MenuItem& popup : menu) {
    if (popup.text == QStringLiteral("&Window")) {
      result.push_back(af::MenuItem::Popup("&Communication", items));
    }
    result.push_back(popup);
  }
  return result;
}

}  // namespace

int FrameworkCommand(int hostId) {
  switch (hostId) {
    case ID_HOST_FILE_NEW:
      return af::ID_FILE_NEW;
    case ID_HOST_FILE_OPEN:
      return af::ID_FILE_OPEN;
    case ID_HOST_FILE_SAVE:
      return af::ID_FILE_SAVE;
    case ID_HOST_FILE_SAVE_AS:
      return af::ID_FILE_SAVE_AS;
    default:
      return hostId;
  }
}

CMainFrame::CMainFrame(PluginSet& plugins)
    : plugins_(plugins), actions_(this, [this](int id) { Dispatch(id); }) {
  InitHostResources();
  setWindowTitle(QStringLiteral("GwSuite"));
  if (af::CDocTemplate* first = FirstTemplate(); first && !first->Icon().isNull()) {
    setWindowIcon(first->Icon());
  }
  MdiArea()->setViewMode(QMdiArea::SubWindowView);
  RegisterCommands();
  BuildToolBars();
  BuildDocks();
  ShowMenuOf(nullptr);
  statusBar()->showMessage(tr("Ready"));
  connect(MdiArea(), &QMdiArea::subWindowActivated, this, [this] {
    ShowMenuOf(ActiveTemplate());
    RefreshWorkspace();
    UpdateCommandStates();
  });
  auto* idle = new QTimer(this);
  connect(idle, &QTimer::timeout, this, &CMainFrame::UpdateCommandStates);
  idle->start(kIdleUpdateMs);
  resize(1000, 700);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::RegisterCommands() {
  OnCommand(af::ID_FILE_NEW, [this] { NewDocument(); });
  OnCommand(af::ID_FILE_OPEN, [this] {
    af::FileDialogOptions options;
    options.open = true;
    if (af::CDocTemplate* t = FirstTemplate()) {
      const QString name = t->GetDocString(af::CDocTemplate::filterName);
      const QString ext = t->GetDocString(af::CDocTemplate::filterExt);
      if (!name.isEmpty() && !ext.isEmpty()) options.filter = name + "|*" + ext + "||";
    }
    if (const std::optional<QString> path = af::AfxDoFileDialog(options)) OpenDocument(*path);
  });
  OnCommand(af::ID_FILE_PRINT_SETUP, [this] { af::AfxPrintSetup(this); });
  OnCommand(af::ID_APP_EXIT, [this] { close(); });
  OnCommand(af::ID_APP_ABOUT, [this] {
    QMessageBox::about(this, tr("About GwSuite"),
                       tr("<b>GwSuite</b><br>Configuration and monitoring of gateway modules."
                          "<br>Plug-ins: %1")
                           .arg(static_cast<int>(plugins_.Templates().size())));
  });
  OnCommand(ID_HELP_MANUAL, [] {
    af::AfxMessageBox(tr("The user manual is the README of GwSuite and the manual page "
                         "nxgcfg(1)."),
                      af::MB_ICONINFORMATION);
  });
  OnCommand(af::ID_WINDOW_CASCADE, [this] { MdiArea()->cascadeSubWindows(); });
  OnCommand(af::ID_WINDOW_TILE_HORZ, [this] { MdiArea()->tileSubWindows(); });
  OnCommand(af::ID_VIEW_STATUS_BAR, [this] { ToggleVisible(statusBar()); });
  OnCommand(ID_VIEW_WORKSPACE, [this] { ToggleVisible(workspaceDock_); });
  OnCommand(ID_VIEW_OUTPUT, [this] { ToggleVisible(outputDock_); });
  for (int id : {ID_VIEW_TOOLBAR_STANDARD, ID_VIEW_TOOLBAR_EDIT, ID_VIEW_TOOLBAR_COMMUNICATION,
                 ID_VIEW_TOOLBAR_WINDOW}) {
    OnCommand(id, [this, id] { ToggleVisible(toolbars_.at(id)); });
  }
  OnCommand(ID_TOOLS_COMM_SETTING, [this] {
    CommSettingsDialog dialog(this);
    dialog.exec();
  });
  OnCommand(ID_TOOLS_LANGUAGE, [this] {
    LanguageDialog dialog(this);
    dialog.exec();
  });
}

void CMainFrame::ToggleVisible(QWidget* widget) {
  if (widget) widget->setVisible(widget->isHidden());
  UpdateCommandStates();
}

void CMainFrame::BuildToolBars() {
  QStyle* s = style();
  const auto icon = [s](QStyle::StandardPixmap pixmap) { return s->standardIcon(pixmap); };
  actions_.Action(ID_HOST_FILE_NEW)->setIcon(icon(QStyle::SP_FileIcon));
  actions_.Action(ID_HOST_FILE_OPEN)->setIcon(icon(QStyle::SP_DialogOpenButton));
  actions_.Action(ID_HOST_FILE_SAVE)->setIcon(icon(QStyle::SP_DialogSaveButton));
  actions_.Action(af::ID_FILE_PRINT)
      ->setIcon(QIcon::fromTheme(QStringLiteral("document-print"),
                                 icon(QStyle::SP_FileDialogDetailedView)));
  actions_.Action(ID_EDIT_CUT)->setIcon(QIcon::fromTheme(QStringLiteral("edit-cut")));
  actions_.Action(ID_EDIT_COPY)->setIcon(QIcon::fromTheme(QStringLiteral("edit-copy")));
  actions_.Action(ID_EDIT_PASTE)->setIcon(QIcon::fromTheme(QStringLiteral("edit-paste")));
  actions_.Action(ID_EDIT_CUT)->setText(tr("Cu&t"));
  actions_.Action(ID_EDIT_COPY)->setText(tr("&Copy"));
  actions_.Action(ID_EDIT_PASTE)->setText(tr("&Paste"));
  actions_.Action(kIdSearch)->setIcon(icon(QStyle::SP_FileDialogContentsView));
  actions_.Action(kIdIpSearch)->setIcon(icon(QStyle::SP_DriveNetIcon));
  actions_.Action(kIdRefresh)->setIcon(icon(QStyle::SP_BrowserReload));
  actions_.Action(ID_TOOLS_COMM_SETTING)->setIcon(icon(QStyle::SP_ComputerIcon));
  actions_.Action(af::ID_WINDOW_CASCADE)->setIcon(icon(QStyle::SP_TitleBarNormalButton));
  actions_.Action(af::ID_WINDOW_TILE_HORZ)->setIcon(icon(QStyle::SP_FileDialogListView));
  for (int id : {kIdSearch, kIdIpSearch}) {
    actions_.Action(id)->setText(af::SubString(af::AfxLoadString(id), 0));
  }
  actions_.Action(kIdRefresh)->setText(tr("&Refresh"));

  const struct {
    int id;
    const char* title;
    std::vector<int> commands;
  } bars[] = {
      {ID_VIEW_TOOLBAR_STANDARD,
       "Standard",
       {ID_HOST_FILE_NEW, ID_HOST_FILE_OPEN, ID_HOST_FILE_SAVE, af::ID_FILE_PRINT}},
      {ID_VIEW_TOOLBAR_EDIT, "Edit", {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE}},
      {ID_VIEW_TOOLBAR_COMMUNICATION,
       "Communication",
       {kIdSearch, kIdIpSearch, kIdRefresh, ID_TOOLS_COMM_SETTING}},
      {ID_VIEW_TOOLBAR_WINDOW, "Window", {af::ID_WINDOW_CASCADE, af::ID_WINDOW_TILE_HORZ}},
  };
  for (const auto& bar : bars) {
    QToolBar* toolbar = addToolBar(tr(bar.title));
    toolbar->setObjectName(QString::fromLatin1(bar.title));
    for (int id : bar.commands) toolbar->addAction(actions_.Action(id));
    toolbars_[bar.id] = toolbar;
  }
}

void CMainFrame::BuildDocks() {
  output_ = new QPlainTextEdit(this);
  output_->setReadOnly(true);
  output_->setMaximumBlockCount(1000);
  outputDock_ = new QDockWidget(tr("Output"), this);
  outputDock_->setObjectName(QStringLiteral("Output"));
  outputDock_->setWidget(output_);
  addDockWidget(Qt::BottomDockWidgetArea, outputDock_);

  workspace_ = new QListWidget(this);
  workspaceDock_ = new QDockWidget(tr("Workspace"), this);
  workspaceDock_->setObjectName(QStringLiteral("Workspace"));
  workspaceDock_->setWidget(workspace_);
  addDockWidget(Qt::LeftDockWidgetArea, workspaceDock_);
  connect(workspace_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    const int index = workspace_->row(item);
    const std::vector<af::CMDIChildWnd*> frames = Frames();
    if (index >= 0 && index < static_cast<int>(frames.size())) {
      MdiArea()->setActiveSubWindow(frames[static_cast<std::size_t>(index)]);
    }
  });
  resizeDocks({workspaceDock_}, {180}, Qt::Horizontal);
  resizeDocks({outputDock_}, {110}, Qt::Vertical);
}

af::CDocTemplate* CMainFrame::FirstTemplate() const {
  return plugins_.Templates().empty() ? nullptr : plugins_.Templates().front();
}

af::CDocTemplate* CMainFrame::ActiveTemplate() const {
  af::CMDIChildWnd* frame = MDIGetActive();
  af::CDocument* document = frame ? frame->GetActiveDocument() : nullptr;
  return document ? document->GetDocTemplate() : nullptr;
}

void CMainFrame::ShowMenuOf(af::CDocTemplate* active) {
  const af::MenuResource* menu = active && !active->Menu().empty() ? &active->Menu() : &HostMenu();
  if (menu == shownMenu_) return;
  shownMenu_ = menu;
  shownMenuCopy_ = WithCommunicationMenu(*menu);
  actions_.BuildMenuBar(menuBar(), shownMenuCopy_, [this](QMenu*) { UpdateCommandStates(); });
  UpdateCommandStates();
}

void CMainFrame::RefreshWorkspace() {
  workspace_->clear();
  for (af::CMDIChildWnd* frame : Frames()) {
    // A document saved under a new name renames its frame.
    connect(frame, &QWidget::windowTitleChanged, this, &CMainFrame::RefreshWorkspace,
            Qt::UniqueConnection);
    auto* item = new QListWidgetItem(frame->windowIcon(), frame->windowTitle(), workspace_);
    if (frame == MDIGetActive()) workspace_->setCurrentItem(item);
  }
}

af::CDocument* CMainFrame::NewDocument() {
  af::CDocTemplate* docTemplate = ActiveTemplate() ? ActiveTemplate() : FirstTemplate();
  if (!docTemplate) return nullptr;
  af::CDocument* document = docTemplate->OpenDocumentFile({}, true);
  RefreshWorkspace();
  return document;
}

af::CDocument* CMainFrame::OpenDocument(const QString& path) {
  af::CDocTemplate* docTemplate = ActiveTemplate() ? ActiveTemplate() : FirstTemplate();
  if (!docTemplate) return nullptr;
  af::CMDIChildWnd* previous = MDIGetActive();
  af::CDocument* document = docTemplate->OpenDocumentFile(path, true);
  // A file that could not be read leaves the document that was active
  // before; its frame came and went on the way.
  const std::vector<af::CMDIChildWnd*> frames = Frames();
  if (!document && std::find(frames.begin(), frames.end(), previous) != frames.end()) {
    MdiArea()->setActiveSubWindow(previous);
  }
  RefreshWorkspace();
  return document;
}

af::CDocument* CMainFrame::Start() {
  af::CDocument* document = NewDocument();
  if (!document) return nullptr;
  document->OnCmdMsg(kIdLoadNodeList);
  document->OnCmdMsg(kIdFirstSearch);
  return document;
}

void CMainFrame::Dispatch(int id) {
  RouteCommand(FrameworkCommand(id));
  UpdateCommandStates();
}

void CMainFrame::UpdateCommandStates() {
  for (const auto& [id, action] : actions_.All()) {
    const bool grayed = action->property("grayed").toBool();
    action->setEnabled(!grayed && CommandEnabled(FrameworkCommand(id)));
  }
  const auto check = [this](int id, const QWidget* widget) {
    QAction* action = actions_.Action(id);
    action->setCheckable(true);
    action->setChecked(widget && !widget->isHidden());
  };
  for (const auto& [id, toolbar] : toolbars_) check(id, toolbar);
  check(af::ID_VIEW_STATUS_BAR, statusBar());
  check(ID_VIEW_WORKSPACE, workspaceDock_);
  check(ID_VIEW_OUTPUT, outputDock_);
}

void CMainFrame::OnHostMessage(int message, qintptr wParam, qintptr lParam, const QString& text) {
  emit hostMessage(message, wParam, lParam, text);
  if (message == kMsgNotFound) {
    output_->appendPlainText(text);
  } else if (message == kMsgFrameClosing) {
    // The frame is still there; list the frames once it has gone.
    QTimer::singleShot(0, this, &CMainFrame::RefreshWorkspace);
  }
}

void CMainFrame::OnDocumentClosing(af::CDocument& document) { document.OnCmdMsg(kIdStoreNodeList); }

void CMainFrame::closeEvent(QCloseEvent* event) {
  for (af::CMDIChildWnd* frame : Frames()) {
    if (!frame->close()) {
      event->ignore();
      return;
    }
  }
  event->accept();
}

}  // namespace gw::host
