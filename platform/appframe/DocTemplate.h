#pragma once
// Document templates: the recipe, by resource number, for a kind of document
// with its frame and view. A multi-document template opens any number of
// documents, each in its own frame inside the main window.

#include <QIcon>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "CmdTarget.h"
#include "Resources.h"

namespace af {

class CDocument;
class CMDIChildWnd;
class CView;

class CDocTemplate : public CCmdTarget {
 public:
  // Fields of the document string.
  enum DocStringIndex {
    windowTitle,
    docName,
    fileNewName,
    filterName,
    filterExt,
    regFileTypeId,
    regFileTypeName
  };

  using DocumentFactory = std::function<CDocument*()>;
  using FrameFactory = std::function<CMDIChildWnd*()>;
  using ViewFactory = std::function<CView*()>;

  CDocTemplate(int resourceId, DocumentFactory document, FrameFactory frame, ViewFactory view);
  ~CDocTemplate() override;
  CDocTemplate(const CDocTemplate&) = delete;
  CDocTemplate& operator=(const CDocTemplate&) = delete;

  // Loads the document string, the menu and the icon of the resource number
  // from the current resources.
  virtual void LoadTemplate();
  // A new document (empty path) or one read from `path`, in a new frame;
  // null when it cannot be created or read.
  virtual CDocument* OpenDocumentFile(const QString& path, bool makeVisible = true) = 0;

  int ResourceId() const { return resourceId_; }
  QString GetDocString(DocStringIndex index) const;
  const MenuResource& Menu() const { return menu_; }
  const QIcon& Icon() const { return icon_; }

  std::vector<CDocument*> Documents() const;
  // Deletes a document that has closed.
  void RemoveDocument(CDocument* document);

 protected:
  CDocument* CreateNewDocument();
  // A frame with a view of `document`; null when the frame refuses.
  CMDIChildWnd* CreateNewFrame(CDocument* document);
  void InitialUpdateFrame(CMDIChildWnd* frame, CDocument* document, bool makeVisible);
  void SetDefaultTitle(CDocument* document);

 private:
  int resourceId_;
  DocumentFactory documentFactory_;
  FrameFactory frameFactory_;
  ViewFactory viewFactory_;
  QString docString_;
  MenuResource menu_;
  QIcon icon_;
  std::vector<std::unique_ptr<CDocument>> documents_;
};

class CMultiDocTemplate : public CDocTemplate {
 public:
  using CDocTemplate::CDocTemplate;
  CDocument* OpenDocumentFile(const QString& path, bool makeVisible = true) override;
};

}  // namespace af
