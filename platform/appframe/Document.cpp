#include "Document.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

#include "AfxIds.h"
#include "Archive.h"
#include "ChildFrame.h"
#include "Dialogs.h"
#include "DocTemplate.h"
#include "View.h"

namespace af {

CDocument::CDocument() {
  OnCommand(ID_FILE_SAVE, [this] { DoSave(GetPathName()); });
  OnCommand(ID_FILE_SAVE_AS, [this] { DoSave({}); });
  OnCommand(ID_FILE_CLOSE, [this] {
    if (SaveModified()) OnCloseDocument();
  });
}

CDocument::~CDocument() {
  for (CView* view : views_) view->document_ = nullptr;
}

void CDocument::SetTitle(const QString& title) {
  title_ = title;
  for (CMDIChildWnd* frame : Frames()) frame->setWindowTitle(title_);
}

void CDocument::SetPathName(const QString& path) {
  pathName_ = QFileInfo(path).absoluteFilePath();
  SetTitle(QFileInfo(path).fileName());
}

void CDocument::AddView(CView* view) {
  if (std::find(views_.begin(), views_.end(), view) != views_.end()) return;
  views_.push_back(view);
  view->document_ = this;
}

void CDocument::RemoveView(CView* view) {
  std::erase(views_, view);
  view->document_ = nullptr;
  if (views_.empty() && autoDelete_) OnCloseDocument();
}

void CDocument::UpdateAllViews(CView* sender, int hint) {
  for (CView* view : views_) {
    if (view != sender) view->OnUpdate(sender, hint);
  }
}

std::vector<CMDIChildWnd*> CDocument::Frames() const {
  std::vector<CMDIChildWnd*> frames;
  for (CView* view : views_) {
    CMDIChildWnd* frame = view->GetParentFrame();
    if (frame && std::find(frames.begin(), frames.end(), frame) == frames.end()) {
      frames.push_back(frame);
    }
  }
  return frames;
}

bool CDocument::OnNewDocument() {
  DeleteContents();
  SetModifiedFlag(false);
  return true;
}

bool CDocument::OnOpenDocument(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    AfxMessageBox(QStringLiteral("Cannot open %1.").arg(path), MB_ICONERROR);
    return false;
  }
  DeleteContents();
  CArchive archive(file, CArchive::load, path);
  Serialize(archive);
  if (archive.Failed()) {
    AfxMessageBox(archive.ErrorText(), MB_ICONERROR);
    return false;
  }
  SetModifiedFlag(false);
  return true;
}

bool CDocument::OnSaveDocument(const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    AfxMessageBox(QStringLiteral("Cannot write %1.").arg(path), MB_ICONERROR);
    return false;
  }
  CArchive archive(file, CArchive::store, path);
  Serialize(archive);
  if (archive.Failed() || !file.commit()) {
    AfxMessageBox(
        archive.Failed() ? archive.ErrorText() : QStringLiteral("Cannot write %1.").arg(path),
        MB_ICONERROR);
    return false;
  }
  SetModifiedFlag(false);
  return true;
}

void CDocument::OnCloseDocument() {
  const bool autoDelete = std::exchange(autoDelete_, false);
  for (CMDIChildWnd* frame : Frames()) delete frame;
  autoDelete_ = autoDelete;
  DeleteContents();
  if (autoDelete_ && template_) template_->RemoveDocument(this);
}

void CDocument::Serialize(CArchive&) {}

bool CDocument::SaveModified() {
  if (!IsModified()) return true;
  switch (AfxMessageBox(QStringLiteral("Save changes to %1?").arg(title_),
                        MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDCANCEL:
      return false;
    case IDYES:
      return DoSave(GetPathName());
    default:
      return true;
  }
}

bool CDocument::DoSave(const QString& path, bool replace) {
  QString target = path;
  if (target.isEmpty()) {
    FileDialogOptions options;
    options.open = false;
    if (template_) {
      const QString name = template_->GetDocString(CDocTemplate::filterName);
      const QString ext = template_->GetDocString(CDocTemplate::filterExt);
      if (!name.isEmpty() && !ext.isEmpty()) {
        options.filter = name + QLatin1Char('|') + QLatin1Char('*') + ext + QStringLiteral("||");
        options.defaultExtension = ext.mid(1);
      }
    }
    options.fileName = title_;
    const std::optional<QString> chosen = AfxDoFileDialog(options);
    if (!chosen) return false;
    target = *chosen;
  }
  if (!OnSaveDocument(target)) return false;
  if (replace) SetPathName(target);
  return true;
}

}  // namespace af
