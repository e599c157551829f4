#include "View.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>

#include "AfxIds.h"
#include "ChildFrame.h"
#include "Document.h"
#include "Printing.h"

namespace af {

CView::CView() {
  viewport()->setAutoFillBackground(true);
  QPalette palette = viewport()->palette();
  palette.setColor(QPalette::Window, Qt::white);
  viewport()->setPalette(palette);
  setFrameShape(QFrame::NoFrame);
  OnCommand(ID_FILE_PRINT, [this] { OnFilePrint(); });
  OnCommand(ID_FILE_PRINT_DIRECT, [this] { OnFilePrintDirect(); });
  OnCommand(ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
}

CView::~CView() {
  if (document_) document_->RemoveView(this);
}

CMDIChildWnd* CView::GetParentFrame() const {
  for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
    if (auto* frame = qobject_cast<CMDIChildWnd*>(w)) return frame;
  }
  return nullptr;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0); }

void CView::OnUpdate(CView*, int) { viewport()->update(); }

double CView::DpiX() const { return viewport()->logicalDpiX(); }

double CView::DpiY() const { return viewport()->logicalDpiY(); }

void CView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  DrawContext context;
  context.dpiX = DpiX();
  context.dpiY = DpiY();
  context.clientRect = viewport()->rect();
  context.scroll = ScrollPosition();
  painter.translate(-context.scroll);
  OnDraw(painter, context);
}

bool CView::PrintTo(QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  DrawContext context;
  context.printing = true;
  context.dpiX = printer.logicalDpiX();
  context.dpiY = printer.logicalDpiY();
  const QSize page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
  context.clientRect = QRect(QPoint(0, 0), page);
  OnDraw(painter, context);
  return painter.end();
}

void CView::OnFilePrint() {
  QPrintDialog dialog(&AfxPrinter(), this);
  if (dialog.exec() == QDialog::Accepted) PrintTo(AfxPrinter());
}

void CView::OnFilePrintDirect() { PrintTo(AfxPrinter()); }

void CView::OnFilePrintPreview() {
  QPrintPreviewDialog dialog(&AfxPrinter(), this);
  connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* printer) { PrintTo(*printer); });
  dialog.exec();
}

void CScrollView::SetScrollSizes(MapMode mode, QSize total, QSize page, QSize line) {
  mapMode_ = mode;
  const QSize totalDevice = ToDevice(total);
  const QSize pageDevice = page.isNull() ? totalDevice / 10 : ToDevice(page);
  const QSize lineDevice = line.isNull() ? pageDevice / 10 : ToDevice(line);
  if (totalDevice == total_ && pageDevice == page_ && lineDevice == line_) return;
  total_ = totalDevice;
  page_ = pageDevice;
  line_ = lineDevice;
  UpdateBars();
}

QSize CScrollView::ToDevice(QSize size) const {
  if (mapMode_ == MM_TEXT) return size;
  return QSize(qRound(size.width() * DpiX() / 100.0), qRound(size.height() * DpiY() / 100.0));
}

void CScrollView::UpdateBars() {
  const QSize client = viewport()->size();
  horizontalScrollBar()->setRange(0, qMax(0, total_.width() - client.width()));
  verticalScrollBar()->setRange(0, qMax(0, total_.height() - client.height()));
  horizontalScrollBar()->setPageStep(qMax(1, page_.width()));
  verticalScrollBar()->setPageStep(qMax(1, page_.height()));
  horizontalScrollBar()->setSingleStep(qMax(1, line_.width()));
  verticalScrollBar()->setSingleStep(qMax(1, line_.height()));
}

QPoint CScrollView::ScrollPosition() const {
  return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CScrollView::scrollContentsBy(int, int) { viewport()->update(); }

void CScrollView::resizeEvent(QResizeEvent* event) {
  CView::resizeEvent(event);
  UpdateBars();
}

}  // namespace af
