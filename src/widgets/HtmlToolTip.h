#pragma once
// The tooltip of the node list view: areas of its owner window, each with a
// text shown as formatted (HTML) text while the pointer rests in the area.

#include <QRect>
#include <QString>
#include <vector>

class QHelpEvent;
class QWidget;

namespace gw::widgets {

class CHtmlToolTip {
 public:
  explicit CHtmlToolTip(QWidget* owner);

  void Activate(bool active) { active_ = active; }
  bool IsActive() const { return active_; }
  void ClearTools() { tools_.clear(); }
  // `area` in the owner's coordinates; `text` plain, lines separated by '\n'.
  void AddTool(const QRect& area, const QString& text);
  std::size_t ToolCount() const { return tools_.size(); }

  // The text for a point of the owner, empty when no area holds it.
  QString TextAt(const QPoint& point) const;
  // Shows or hides the tip for a tooltip event of the owner; true when the
  // event was handled.
  bool HandleEvent(QHelpEvent* event);

  // Plain text as formatted text: escaped, line breaks kept.
  static QString ToHtml(const QString& plain);

 private:
  struct Tool {
    QRect area;
    QString text;
  };
  const Tool* ToolAt(const QPoint& point) const;

  QWidget* owner_;
  bool active_ = false;
  std::vector<Tool> tools_;
};

}  // namespace gw::widgets
