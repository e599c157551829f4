#include "NodeInteraction.h"

#include "view/NodeLayout.h"

namespace gw::view {

int SelectNodeAt(NodeTable& nodes, int width, Point point) {
  const int hit = HitTest(nodes, width, point);
  for (int k = 0; k < nodes.Count(); ++k) nodes.Node(k).SetSelected(k == hit ? 1 : 0);
  nodes.SetCurrent(hit);
  return hit;
}

OpenResult OpenNodeAt(const NodeTable& nodes, int width, Point point, const OpenNodeFn& open,
                      const ShowSheetFn& show) {
  const int hit = HitTest(nodes, width, point);
  const OpenResult result = open(hit);
  if (result == OpenResult::Opened) show();
  return result;
}

}  // namespace gw::view
