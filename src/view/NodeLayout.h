#pragma once
// The network diagram of the node list: a bus line snaking across the view
// in rows, one icon per node hanging from it with its index, module number
// and name, and the rule that finds the node under a point.

#include <string>
#include <vector>

#include "model/NodeTable.h"
#include "view/DrawList.h"

namespace gw::view {

// Logical units.
inline constexpr int kMinimumWidth = 160;
inline constexpr int kBusMargin = 30;
inline constexpr int kFirstColumnX = 60;
inline constexpr int kColumnPitch = 100;
inline constexpr int kFirstBusY = 150;
inline constexpr int kRowPitch = 150;
inline constexpr int kFirstBaseY = 100;
inline constexpr int kIconSize = 48;
inline constexpr int kIconRaise = 70;
inline constexpr int kLineWidth = 2;
// The logical window the view maps onto its device (800 x 560 units at 96
// dots per inch).
inline constexpr int kLogicalDpi = 96;
// Below the last row's bus line the scroll range leaves this much room.
inline constexpr int kBottomMargin = 30;
// Scroll sizes after drawing, hundredths of an inch.
inline constexpr int kHundredthsPerInch = 100;
inline constexpr int kScrollLine = 50;
// Scroll sizes before the first drawing.
inline constexpr int kInitialScrollSize = 200;

// The node icon's file in the host's folder.
inline constexpr const char* kNodeIconFile = "Icons/NXG4120-T.ico";

// Device pixels of a device with `dpi` dots per inch in logical units,
// rounded down: the pointer is converted before the hit test, so hit areas
// and drawn nodes agree at any resolution.
int ToLogicalUnits(double devicePixels, double dpi);

// Logical units in hundredths of an inch, rounded up so nothing is cut off.
int ToHundredthsOfInch(int logicalUnits);

// Column (1-based) and row (0-based) of a node in the hit-test walk.
struct Cell {
  int column = 0;
  int row = 0;
};
std::vector<Cell> NodeCells(int count, int width);

// The area of a node in column `c`, row `r`: the icon and its labels.
Rect NodeArea(Cell cell);

// Everything drawn for `nodes` in a client area `width` units wide.
DrawList LayoutNodes(const NodeTable& nodes, int width);

// The node whose area strictly contains `point` (logical units, scroll
// included), or -1.
int HitTest(const NodeTable& nodes, int width, Point point);

// "#000" for node 0.
std::string IndexLabel(int index);
// Module name, "IP: a.b.c.d", "MAC: AA:BB:CC:DD:EE:FF" on three lines.
std::string TipText(const NodeRecord& node);

}  // namespace gw::view
