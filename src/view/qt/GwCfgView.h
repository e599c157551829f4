#pragma once
// The plug-in's view: paints the node diagram that the layout rules produce,
// and turns clicks and double-clicks into selection and opening of nodes.

#include "appframe/View.h"
#include "view/DrawList.h"
#include "view/NodeInteraction.h"
#include "view/qt/NodeDocument.h"
#include "widgets/HtmlToolTip.h"

namespace gw::view {

class CGwCfgView : public af::CScrollView {
  Q_OBJECT

 public:
  CGwCfgView();

  CNodeDocument* GetDocument() const;

  void OnInitialUpdate() override;
  void OnDraw(QPainter& painter, const af::DrawContext& context) override;

  // A point of the client area in logical units, scroll included.
  Point ToLogical(QPoint client) const;
  // The client width in logical units.
  int LogicalWidth() const;
  // A logical rectangle in client pixels at the current scroll position.
  QRect ToClient(const Rect& logical) const;

  const widgets::CHtmlToolTip& ToolTip() const { return tooltip_; }

  // The node icon in the host's folders; empty when there is none.
  static QString IconPath();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  void ShowSheet();
  void Refresh();

  widgets::CHtmlToolTip tooltip_;
};

}  // namespace gw::view
