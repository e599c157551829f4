#include "MainFrame.h"

#include <QMdiArea>

#include "ChildFrame.h"
#include "DocTemplate.h"
#include "Document.h"
#include "HostMessage.h"
#include "View.h"

namespace af {

namespace {

CMDIFrameWnd*& MainWindowPointer() {
  static CMDIFrameWnd* main = nullptr;
  return main;
}

// The command targets in routing order.
std::vector<CCmdTarget*> Route(CMDIFrameWnd& main) {
  std::vector<CCmdTarget*> route;
  if (CMDIChildWnd* frame = main.MDIGetActive()) {
    CView* view = frame->GetActiveView();
    CDocument* document = view ? view->GetDocument() : nullptr;
    if (view) route.push_back(view);
    if (document) route.push_back(document);
    if (document && document->GetDocTemplate()) route.push_back(document->GetDocTemplate());
    route.push_back(frame);
  }
  route.push_back(&main);
  return route;
}

}  // namespace

CMDIFrameWnd* AfxGetMainWnd() { return MainWindowPointer(); }

CMDIFrameWnd::CMDIFrameWnd() : mdiArea_(new QMdiArea(this)) {
  setCentralWidget(mdiArea_);
  MainWindowPointer() = this;
}

CMDIFrameWnd::~CMDIFrameWnd() {
  if (MainWindowPointer() == this) MainWindowPointer() = nullptr;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const {
  return qobject_cast<CMDIChildWnd*>(mdiArea_->currentSubWindow());
}

std::vector<CMDIChildWnd*> CMDIFrameWnd::Frames() const {
  std::vector<CMDIChildWnd*> frames;
  for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
    if (auto* frame = qobject_cast<CMDIChildWnd*>(window)) frames.push_back(frame);
  }
  return frames;
}

bool CMDIFrameWnd::RouteCommand(int id) {
  for (CCmdTarget* target : Route(*this)) {
    if (target->OnCmdMsg(id)) return true;
  }
  return false;
}

bool CMDIFrameWnd::CommandEnabled(int id) {
  for (CCmdTarget* target : Route(*this)) {
    CCmdUI ui(id);
    if (target->OnUpdateCmdUI(ui)) return ui.Enabled();
  }
  return false;
}

void CMDIFrameWnd::OnHostMessage(int, qintptr, qintptr, const QString&) {}

void CMDIFrameWnd::OnDocumentClosing(CDocument&) {}

bool CMDIFrameWnd::event(QEvent* event) {
  if (event->type() == HostMessageEvent::EventType()) {
    auto* message = static_cast<HostMessageEvent*>(event);
    OnHostMessage(message->Message(), message->WParam(), message->LParam(), message->Text());
    event->accept();
    return true;
  }
  return QMainWindow::event(event);
}

}  // namespace af
