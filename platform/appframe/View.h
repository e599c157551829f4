#pragma once
// Views: windows that show a document. A view draws with one routine for the
// screen and the printer and offers the framework's printing; a scrolling
// view also keeps scroll sizes in a mapping mode.

#include <QAbstractScrollArea>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "CmdTarget.h"

class QPainter;
class QPrinter;

namespace af {

class CDocument;
class CMDIChildWnd;

// Where a drawing goes.
struct DrawContext {
  bool printing = false;
  double dpiX = 96.0;  // dots per inch of the device
  double dpiY = 96.0;
  QRect clientRect;  // the view's client area or the printable page, device pixels
  QPoint scroll;     // scroll position in device pixels; zero when printing
};

class CView : public QAbstractScrollArea, public CCmdTarget {
  Q_OBJECT

 public:
  CView();
  ~CView() override;

  CDocument* GetDocument() const { return document_; }
  CMDIChildWnd* GetParentFrame() const;

  virtual void OnInitialUpdate();
  // The document changed; the default repaints the whole view.
  virtual void OnUpdate(CView* sender, int hint);
  // Draws the view on the screen or a printer page; the painter's origin is
  // the top left of the document (already moved by the scroll position).
  virtual void OnDraw(QPainter& painter, const DrawContext& context) = 0;

  // Draws one page on `printer`; false when the printer cannot be started.
  bool PrintTo(QPrinter& printer);

  // The client area's dots per inch.
  double DpiX() const;
  double DpiY() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  virtual QPoint ScrollPosition() const { return {}; }

  // Printing commands: print with the printer dialog, print without it, and
  // print preview.
  void OnFilePrint();
  void OnFilePrintDirect();
  void OnFilePrintPreview();

 private:
  friend class CDocument;
  CDocument* document_ = nullptr;
};

class CScrollView : public CView {
  Q_OBJECT

 public:
  enum MapMode { MM_TEXT, MM_LOENGLISH };

  // Sizes in the units of `mode` (pixels, or hundredths of an inch). An
  // empty page is a tenth of the total, an empty line a tenth of the page.
  void SetScrollSizes(MapMode mode, QSize total, QSize page = {}, QSize line = {});
  QPoint GetScrollPosition() const { return ScrollPosition(); }
  MapMode GetMapMode() const { return mapMode_; }
  // The scroll range in device pixels.
  QSize TotalDeviceSize() const { return total_; }

 protected:
  QPoint ScrollPosition() const override;
  void scrollContentsBy(int dx, int dy) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateBars();
  QSize ToDevice(QSize size) const;

  MapMode mapMode_ = MM_TEXT;
  QSize total_;
  QSize page_;
  QSize line_;
};

}  // namespace af
