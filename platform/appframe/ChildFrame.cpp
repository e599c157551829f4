#include "ChildFrame.h"

#include <QCloseEvent>
#include <QMdiArea>

#include "AfxIds.h"
#include "Document.h"
#include "MainFrame.h"
#include "View.h"

namespace af {

CMDIChildWnd::CMDIChildWnd() { setAttribute(Qt::WA_DeleteOnClose); }

CMDIChildWnd::~CMDIChildWnd() = default;

bool CMDIChildWnd::PreCreateWindow(CREATESTRUCT&) { return true; }

void CMDIChildWnd::Create(CView* view, const CREATESTRUCT& cs, CMDIFrameWnd* mainFrame,
                          const QIcon& icon) {
  view_ = view;
  style_ = cs.style;
  setWidget(view);
  if (!icon.isNull()) setWindowIcon(icon);
  if (mainFrame) {
    mainFrame->MdiArea()->addSubWindow(this);
    hide();
  }
}

void CMDIChildWnd::ActivateFrame(bool makeVisible) {
  if (!makeVisible && !(style_ & WS_VISIBLE)) return;
  if (style_ & WS_MAXIMIZE) {
    showMaximized();
  } else {
    show();
  }
  if (QMdiArea* area = mdiArea()) area->setActiveSubWindow(this);
}

CDocument* CMDIChildWnd::GetActiveDocument() const {
  return view_ ? view_->GetDocument() : nullptr;
}

bool CMDIChildWnd::OnClose() {
  CDocument* document = GetActiveDocument();
  if (document && document->Frames().size() == 1) {
    if (!document->SaveModified()) return false;
    if (CMDIFrameWnd* main = AfxGetMainWnd()) main->OnDocumentClosing(*document);
  }
  return true;
}

void CMDIChildWnd::closeEvent(QCloseEvent* event) {
  if (!OnClose()) {
    event->ignore();
    return;
  }
  QMdiSubWindow::closeEvent(event);
}

}  // namespace af
