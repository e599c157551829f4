#pragma once
// A document: the data behind one or more views, its title and path, its
// modified flag, its commands, and its serialization.

#include <QString>
#include <vector>

#include "CmdTarget.h"

namespace af {

class CArchive;
class CDocTemplate;
class CMDIChildWnd;
class CView;

class CDocument : public CCmdTarget {
 public:
  CDocument();
  ~CDocument() override;
  CDocument(const CDocument&) = delete;
  CDocument& operator=(const CDocument&) = delete;

  const QString& GetTitle() const { return title_; }
  virtual void SetTitle(const QString& title);
  const QString& GetPathName() const { return pathName_; }
  virtual void SetPathName(const QString& path);
  bool IsModified() const { return modified_; }
  virtual void SetModifiedFlag(bool modified = true) { modified_ = modified; }
  CDocTemplate* GetDocTemplate() const { return template_; }

  const std::vector<CView*>& Views() const { return views_; }
  void AddView(CView* view);
  // The last view going away closes the document.
  void RemoveView(CView* view);
  // Every view but `sender` updates itself.
  void UpdateAllViews(CView* sender, int hint = 0);
  // The frames that show this document's views.
  std::vector<CMDIChildWnd*> Frames() const;

  virtual bool OnNewDocument();
  virtual bool OnOpenDocument(const QString& path);
  virtual bool OnSaveDocument(const QString& path);
  // Destroys the frames, clears the contents and, unless `keep`, deletes the
  // document through its template.
  virtual void OnCloseDocument();
  virtual void DeleteContents() {}
  virtual void Serialize(CArchive& ar);
  // Asks to save a modified document; false when the user cancels.
  virtual bool SaveModified();

  // Saves to `path`, or asks for one when it is empty (Save As).
  bool DoSave(const QString& path, bool replace = true);

 private:
  friend class CDocTemplate;
  CDocTemplate* template_ = nullptr;
  QString title_;
  QString pathName_;
  bool modified_ = false;
  bool autoDelete_ = true;
  std::vector<CView*> views_;
};

}  // namespace af
