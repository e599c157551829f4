#pragma once
// The frame around one view inside the main window's document area.

#include <QIcon>
#include <QMdiSubWindow>

#include "CmdTarget.h"

namespace af {

class CDocument;
class CMDIFrameWnd;
class CView;

// What a frame's PreCreateWindow may change before the frame is made.
struct CREATESTRUCT {
  unsigned style = 0;
};

class CMDIChildWnd : public QMdiSubWindow, public CCmdTarget {
  Q_OBJECT

 public:
  CMDIChildWnd();
  ~CMDIChildWnd() override;

  // False refuses the frame.
  virtual bool PreCreateWindow(CREATESTRUCT& cs);

  // Puts `view` into the frame and the frame into `mainFrame`'s document
  // area (hidden until ActivateFrame).
  void Create(CView* view, const CREATESTRUCT& cs, CMDIFrameWnd* mainFrame, const QIcon& icon);
  // Shows the frame as its creation style says: maximised with WS_MAXIMIZE,
  // and visible when asked or with WS_VISIBLE.
  void ActivateFrame(bool makeVisible);

  unsigned Style() const { return style_; }
  CView* GetActiveView() const { return view_; }
  CDocument* GetActiveDocument() const;

 protected:
  // The frame is asked to close. The framework's steps: the last frame of a
  // modified document asks to save it, and the main window learns that the
  // document is closing. False keeps the frame open.
  virtual bool OnClose();
  void closeEvent(QCloseEvent* event) override;

 private:
  CView* view_ = nullptr;
  unsigned style_ = 0;
};

}  // namespace af
