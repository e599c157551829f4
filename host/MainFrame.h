#pragma once
// The host's main window: the document area, the menus (the active plug-in
// frame's menu, else the host's), toolbars, status bar prompts, the Output
// and Workspace panes, and the host's own commands.

#include <QPointer>
#include <map>

#include "CommandActions.h"
#include "appframe/MainFrame.h"

class QListWidget;
class QPlainTextEdit;
class QToolBar;
class QDockWidget;

namespace af {
class CDocTemplate;
class CDocument;
}  // namespace af

namespace gw::host {

class PluginSet;

class CMainFrame : public af::CMDIFrameWnd {
  Q_OBJECT

 public:
  explicit CMainFrame(PluginSet& plugins);
  ~CMainFrame() override;

  // The start of a session: a new document of the first template, which then
  // loads the node list from the store (10901) and runs the first search
  // (10900). Null when there is no template.
  af::CDocument* Start();
  af::CDocument* NewDocument();
  af::CDocument* OpenDocument(const QString& path);

  // A command from a menu or a toolbar: the host's file commands are the
  // framework's, everything goes the framework's route.
  void Dispatch(int id);
  // Enables and checks every action as its command's route says.
  void UpdateCommandStates();
  QAction* CommandAction(int id) { return actions_.Action(id); }

  const QPlainTextEdit* OutputPane() const { return output_; }
  const QListWidget* WorkspacePane() const { return workspace_; }

  void OnHostMessage(int message, qintptr wParam, qintptr lParam, const QString& text) override;
  void OnDocumentClosing(af::CDocument& document) override;

 signals:
  void hostMessage(int message, qintptr wParam, qintptr lParam, const QString& text);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void RegisterCommands();
  void BuildToolBars();
  void BuildDocks();
  void ShowMenuOf(af::CDocTemplate* active);
  void RefreshWorkspace();
  af::CDocTemplate* ActiveTemplate() const;
  af::CDocTemplate* FirstTemplate() const;
  void ToggleVisible(QWidget* widget);

  PluginSet& plugins_;
  CommandActions actions_;
  std::map<int, QToolBar*> toolbars_;
  QDockWidget* outputDock_ = nullptr;
  QDockWidget* workspaceDock_ = nullptr;
  QPlainTextEdit* output_ = nullptr;
  QListWidget* workspace_ = nullptr;
  const af::MenuResource* shownMenu_ = nullptr;
  af::MenuResource shownMenuCopy_;
};

// Host command numbers as the framework knows them (New, Open, Save, Save As).
int FrameworkCommand(int hostId);

}  // namespace gw::host
