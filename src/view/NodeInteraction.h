#pragma once
// What a click and a double-click on the node diagram do: selection, and
// opening the node under the pointer into its parameter sheet.

#include <functional>

#include "model/NodeTable.h"
#include "protocol/DocumentCore.h"
#include "view/DrawList.h"

namespace gw::view {

// A click: every node hit is selected, every other one not; the current
// node becomes the hit node or none. Returns the hit node or -1.
int SelectNodeAt(NodeTable& nodes, int width, Point point);

using OpenNodeFn = std::function<OpenResult(int index)>;
using ShowSheetFn = std::function<void()>;

// A double-click: opens the node under the point (with no node there only
// the login state is cleared) and, when its parameters have been read, shows
// its sheet modally. The caller redraws the view afterwards.
OpenResult OpenNodeAt(const NodeTable& nodes, int width, Point point, const OpenNodeFn& open,
                      const ShowSheetFn& show);

}  // namespace gw::view
