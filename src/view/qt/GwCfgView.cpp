#include "GwCfgView.h"

#include <QFont>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "ParameterSheet.h"
#include "appframe/HostFolders.h"
#include "protocol/HostCommands.h"
#include "view/NodeLayout.h"

namespace gw::view {

namespace {

QColor ToQColor(Color color) { return QColor(Red(color), Green(color), Blue(color)); }

QRect ToQRect(const Rect& r) {
  return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

// The labels' font: a cell `style.height` units high, as the drawing asks.
QFont LabelFont(const FontStyle& style) {
  QFont font(QString::fromLatin1(style.face));
  font.setStyleHint(QFont::Serif, QFont::PreferQuality);
  font.setWeight(style.weight >= 700 ? QFont::Bold : QFont::Normal);
  font.setPixelSize(style.height);
  const int cell = QFontMetrics(font).height();
  if (cell > style.height) {
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(style.height * style.height / double(cell)))));
  }
  return font;
}

// One centred line over its own background, cut with an ellipsis.
void DrawLabel(QPainter& painter, const TextItem& item) {
  const QRect box = ToQRect(item.box);
  const QFontMetrics metrics = painter.fontMetrics();
  const QString text =
      metrics.elidedText(QString::fromStdString(item.text), Qt::ElideRight, box.width());
  if (text.isEmpty()) return;
  const QRect extent = metrics.boundingRect(box, Qt::AlignHCenter | Qt::AlignTop, text);
  painter.fillRect(QRect(extent.left(), box.top(), extent.width(), metrics.height()),
                   ToQColor(item.background));
  painter.setPen(ToQColor(item.foreground));
  painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, text);
}

}  // namespace

CGwCfgView::CGwCfgView() : tooltip_(viewport()) {
  OnCommand(kIdRefresh, [this] { Refresh(); });
}

CNodeDocument* CGwCfgView::GetDocument() const {
  return static_cast<CNodeDocument*>(CScrollView::GetDocument());
}

void CGwCfgView::OnInitialUpdate() {
  SetScrollSizes(MM_LOENGLISH, QSize(kInitialScrollSize, kInitialScrollSize));
  tooltip_.Activate(true);
  CScrollView::OnInitialUpdate();
}

QString CGwCfgView::IconPath() { return af::AfxFindHostFile(QString::fromLatin1(kNodeIconFile)); }

Point CGwCfgView::ToLogical(QPoint client) const {
  const QPoint scroll = GetScrollPosition();
  return {ToLogicalUnits(client.x() + scroll.x(), DpiX()),
          ToLogicalUnits(client.y() + scroll.y(), DpiY())};
}

int CGwCfgView::LogicalWidth() const { return ToLogicalUnits(viewport()->width(), DpiX()); }

QRect CGwCfgView::ToClient(const Rect& logical) const {
  const QPoint scroll = GetScrollPosition();
  const double sx = DpiX() / kLogicalDpi;
  const double sy = DpiY() / kLogicalDpi;
  return QRect(
      QPoint(qRound(logical.left * sx) - scroll.x(), qRound(logical.top * sy) - scroll.y()),
      QPoint(qRound(logical.right * sx) - scroll.x() - 1,
             qRound(logical.bottom * sy) - scroll.y() - 1));
}

void CGwCfgView::OnDraw(QPainter& painter, const af::DrawContext& context) {
  CNodeDocument* doc = GetDocument();
  if (!doc) return;
  const double sx = context.dpiX / kLogicalDpi;
  const double sy = context.dpiY / kLogicalDpi;
  const int width = ToLogicalUnits(context.clientRect.width(), context.dpiX);
  const DrawList list = LayoutNodes(doc->Nodes(), width);
  if (!context.printing) tooltip_.ClearTools();
  if (!list.drawn) return;

  painter.save();
  painter.scale(sx, sy);
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const LineItem& line : list.lines) {
    painter.setPen(QPen(ToQColor(line.color), line.width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(line.from.x, line.from.y, line.to.x, line.to.y);
  }
  const QString iconPath = IconPath();
  const QIcon icon = iconPath.isEmpty() ? QIcon() : QIcon(iconPath);
  if (!icon.isNull()) {
    for (const IconItem& item : list.icons) {
      icon.paint(&painter, QRect(item.topLeft.x, item.topLeft.y, item.size, item.size));
    }
  }
  painter.setFont(LabelFont(list.font));
  for (const TextItem& text : list.texts) DrawLabel(painter, text);
  painter.restore();

  if (context.printing) return;
  for (const TipItem& tip : list.tips) {
    tooltip_.AddTool(ToClient(tip.area), QString::fromStdString(tip.text));
  }
  const QSize client = viewport()->size();
  SetScrollSizes(
      MM_LOENGLISH, QSize(list.scrollTotalWidth, list.scrollTotalHeight),
      QSize(qRound(client.width() * 100 / DpiX()), qRound(client.height() * 100 / DpiY())),
      QSize(0, list.scrollLineHeight));
}

void CGwCfgView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && GetDocument()) {
    SelectNodeAt(GetDocument()->Nodes(), LogicalWidth(), ToLogical(event->position().toPoint()));
    viewport()->update();
  }
  CScrollView::mousePressEvent(event);
}

void CGwCfgView::mouseDoubleClickEvent(QMouseEvent* event) {
  CNodeDocument* doc = GetDocument();
  if (event->button() == Qt::LeftButton && doc) {
    OpenNodeAt(
        doc->Nodes(), LogicalWidth(), ToLogical(event->position().toPoint()),
        [doc](int index) { return doc->Core().OpenNode(index); }, [this] { ShowSheet(); });
    viewport()->update();
  }
  CScrollView::mouseDoubleClickEvent(event);
}

bool CGwCfgView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip && tooltip_.HandleEvent(static_cast<QHelpEvent*>(event))) {
    return true;
  }
  return CScrollView::viewportEvent(event);
}

void CGwCfgView::ShowSheet() {
  const std::unique_ptr<CParameterSheet> sheet = BuildParameterSheet(GetDocument()->Core(), this);
  sheet->DoModal();
}

void CGwCfgView::Refresh() {
  CNodeDocument* doc = GetDocument();
  if (!doc) return;
  doc->Core().SearchAt(doc->Core().Link().RemoteAddressCopy());
  viewport()->update();
}

}  // namespace gw::view
