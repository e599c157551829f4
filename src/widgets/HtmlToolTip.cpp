#include "HtmlToolTip.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace gw::widgets {

CHtmlToolTip::CHtmlToolTip(QWidget* owner) : owner_(owner) {}

void CHtmlToolTip::AddTool(const QRect& area, const QString& text) {
  tools_.push_back({area, text});
}

const CHtmlToolTip::Tool* CHtmlToolTip::ToolAt(const QPoint& point) const {
  for (const Tool& tool : tools_) {
    if (tool.area.contains(point)) return &tool;
  }
  return nullptr;
}

QString CHtmlToolTip::TextAt(const QPoint& point) const {
  const Tool* tool = ToolAt(point);
  return tool ? tool->text : QString();
}

bool CHtmlToolTip::HandleEvent(QHelpEvent* event) {
  if (!active_) return false;
  const Tool* tool = ToolAt(event->pos());
  if (!tool) {
    QToolTip::hideText();
    event->ignore();
    return true;
  }
  QToolTip::showText(event->globalPos(), ToHtml(tool->text), owner_, tool->area);
  return true;
}

QString CHtmlToolTip::ToHtml(const QString& plain) {
  QString html = plain.toHtmlEscaped();
  html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
  return QStringLiteral("<html><body><b>") + html.section(QStringLiteral("<br>"), 0, 0) +
         QStringLiteral("</b>") +
         (html.contains(QStringLiteral("<br>"))
              ? QStringLiteral("<br>") + html.section(QStringLiteral("<br>"), 1)
              : QString()) +
         QStringLiteral("</body></html>");
}

}  // namespace gw::widgets
