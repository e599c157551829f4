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

std::vector<CDocument*> CDocTemplate::Documents() const {
  std::vector<CDocument*> documents;
  for (const auto& document : documents_) documents.push_back(document.get());
  return documents;
}

void CDocTemplate::RemoveDocument(CDocument* document) {
  const auto it = std::find_if(documents_.begin(), documents_.end(),
                               [document](const auto& owned) { return owned.get() == document; });
  if (it == documents_.end()) return;
  const std::unique_ptr<CDocument> closed = std::move(*it);
  documents_.erase(it);
  closed->template_ = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument() {
  std::unique_ptr<CDocument> document(documentFactory_ ? documentFactory_() : nullptr);
  if (!document) return nullptr;
  document->template_ = this;
  documents_.push_back(std::move(document));
  return documents_.back().get();
}

CMDIChildWnd* CDocTemplate::CreateNewFrame(CDocument* document) {
  std::unique_ptr<CMDIChildWnd> frame(frameFactory_ ? frameFactory_() : nullptr);
  std::unique_ptr<CView> view(viewFactory_ ? viewFactory_() : nullptr);
  if (!frame || !view) return nullptr;
  CREATESTRUCT cs;
  if (!frame->PreCreateWindow(cs)) return nullptr;
  document->AddView(view.get());
  // The frame holds the view as its widget; the document closes the frame.
  frame->Create(view.release(), cs, AfxGetMainWnd(), icon_);
  frame->setWindowTitle(document->GetTitle());
  return frame.release();
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
