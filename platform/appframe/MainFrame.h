#pragma once
// The main window of a multi-document program: the document area with the
// frames, the routing of commands to the active view, its document, its
// template and its frame, and the host's notification messages.

#include <QMainWindow>

#include "CmdTarget.h"

class QMdiArea;

namespace af {

class CDocument;
class CMDIChildWnd;
class CView;

class CMDIFrameWnd : public QMainWindow, public CCmdTarget {
  Q_OBJECT

 public:
  CMDIFrameWnd();
  ~CMDIFrameWnd() override;

  QMdiArea* MdiArea() const { return mdiArea_; }
  // The current frame of the document area, or null.
  CMDIChildWnd* MDIGetActive() const;
  std::vector<CMDIChildWnd*> Frames() const;

  // Runs command `id` in the first of: the active view, its document, the
  // document's template, the active frame, this window. False when none
  // handles it.
  bool RouteCommand(int id);
  // The state of command `id` along the same route; false for a command that
  // nobody handles.
  bool CommandEnabled(int id);

  // A notification message from a frame, view or document.
  virtual void OnHostMessage(int message, qintptr wParam, qintptr lParam, const QString& text);
  // The last frame of `document` is closing.
  virtual void OnDocumentClosing(CDocument& document);

 protected:
  bool event(QEvent* event) override;

 private:
  QMdiArea* mdiArea_;
};

// The program's main window, or null before it exists.
CMDIFrameWnd* AfxGetMainWnd();

}  // namespace af
