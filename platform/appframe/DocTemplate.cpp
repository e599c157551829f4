#include "DocTemplate.h"

#include <algorithm>

#include "ChildFrame.h"
#include "Document.h"
#include "MainFrame.h"
#include "View.h"
#include "WinApp.h"

namespace af {

CDocTemplate::CDocTemplate(int resourceId, DocumentFactory document, FrameFactory frame,
                           ViewFactory view)
    : resourceId_(resourceId),
      documentFactory_(std::move(document)),
      frameFactory_(std::move(frame)),
      viewFactory_(std::move(view)) {}

CDocTemplate::~CDocTemplate() {
  // Documents still open go with their template (their frames first).
  while (!documents_.empty()) documents_.back()->OnCloseDocument();
}

void CDocTemplate::LoadTemplate() {
  const ResourceModule* resources = AfxGetResourceHandle();
  if (!resources) return;
  docString_ = resources->LoadString(resourceId_);
  if (const MenuResource* menu = resources->Menu(resourceId_)) menu_ = *menu;
  icon_ = resources->Icon(resourceId_);
}

QString CDocTemplate::GetDocString(DocStringIndex index) const {
  return SubString(docString_, static_cast<int>(index));
}

void CDocTemplate::RemoveDocument(CDocument* document) {
  const auto it = std::find(documents_.begin(), documents_.end(), document);
  if (it == documents_.end()) return;
  documents_.erase(it);
  document->template_ = nullptr;
  delete document;
}

CDocument* CDocTemplate::CreateNewDocument() {
  CDocument* document = documentFactory_ ? documentFactory_() : nullptr;
  if (!document) return nullptr;
  document->template_ = this;
  documents_.push_back(document);
  return document;
}

CMDIChildWnd* CDocTemplate::CreateNewFrame(CDocument* document) {
  CMDIChildWnd* frame = frameFactory_ ? frameFactory_() : nullptr;
  CView* view = viewFactory_ ? viewFactory_() : nullptr;
  if (!frame || !view) {
    delete frame;
    delete view;
    return nullptr;
  }
  CREATESTRUCT cs;
  if (!frame->PreCreateWindow(cs)) {
    delete frame;
    delete view;
    return nullptr;
  }
  document->AddView(view);
  frame->Create(view, cs, AfxGetMainWnd(), icon_);
  frame->setWindowTitle(document->GetTitle());
  return frame;
}

void CDocTemplate::InitialUpdateFrame(CMDIChildWnd* frame, CDocument* document, bool makeVisible) {
  frame->setWindowTitle(document->GetTitle());
  if (CView* view = frame->GetActiveView()) view->OnInitialUpdate();
  frame->ActivateFrame(makeVisible);
}

void CDocTemplate::SetDefaultTitle(CDocument* document) {
  QString title = GetDocString(docName);
  if (title.isEmpty()) title = QStringLiteral("Untitled");
  document->SetTitle(title);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(const QString& path, bool makeVisible) {
  CDocument* document = CreateNewDocument();
  if (!document) return nullptr;
  CMDIChildWnd* frame = CreateNewFrame(document);
  if (!frame) {
    RemoveDocument(document);
    return nullptr;
  }
  if (path.isEmpty()) {
    SetDefaultTitle(document);
    if (!document->OnNewDocument()) {
      document->OnCloseDocument();
      return nullptr;
    }
  } else {
    if (!document->OnOpenDocument(path)) {
      document->OnCloseDocument();
      return nullptr;
    }
    document->SetPathName(path);
  }
  InitialUpdateFrame(frame, document, makeVisible);
  return document;
}

}  // namespace af
