#include "NodeLayout.h"

#include <cmath>
#include <cstdio>

namespace gw::view {

namespace {

// Label boxes relative to the node's x and base y.
constexpr int kLabelLeft = -18;
constexpr int kLabelRight = 64;
constexpr int kNameRight = 62;
constexpr std::size_t kNameLength = 32;

// The drop line from the labels down to the bus.
constexpr int kDropX = 24;
constexpr int kDropTop = 30;
constexpr int kDropBottom = 50;
constexpr int kBrokenDropBottom = 48;

void AddLine(DrawList& list, Point from, Point to, Color color = kBlack) {
  list.lines.push_back({from, to, color, kLineWidth});
}

void AddNode(DrawList& list, const NodeRecord& node, int index, int x, int baseY) {
  const bool selected = node.Selected() == 1;
  const Color foreground = selected ? kWhite : kBlack;
  const Color background = selected ? kSelectedBack : kWhite;

  list.icons.push_back({{x, baseY - kIconRaise}, kIconSize});
  list.texts.push_back({{x + kLabelLeft, baseY - 20, x + kLabelRight, baseY},
                        IndexLabel(index),
                        foreground,
                        background});
  list.texts.push_back({{x + kLabelLeft, baseY - 5, x + kLabelRight, baseY + 15},
                        std::to_string(node.ModuleNumber()),
                        foreground,
                        background});
  list.texts.push_back({{x + kLabelLeft, baseY + 10, x + kNameRight, baseY + 30},
                        node.ModuleName().substr(0, kNameLength),
                        foreground,
                        background});

  const int dropX = x + kDropX;
  if (node.Online() == 1) {
    AddLine(list, {dropX, baseY + kDropTop}, {dropX, baseY + kDropBottom});
  } else {
    AddLine(list, {dropX, baseY + kDropTop}, {dropX, baseY + kBrokenDropBottom}, kRed);
    AddLine(list, {x + 30, baseY + 36}, {x + 16, baseY + 44}, kRed);
  }
}

}  // namespace

int ToLogicalUnits(double devicePixels, double dpi) {
  if (dpi <= 0) return static_cast<int>(std::floor(devicePixels));
  return static_cast<int>(std::floor(devicePixels * kLogicalDpi / dpi + 1e-9));
}

std::vector<Cell> NodeCells(int count, int width) {
  std::vector<Cell> cells;
  Cell cell;
  for (int k = 0; k < count; ++k) {
    if (kColumnPitch * (cell.column + 1) <= width - kFirstColumnX) {
      ++cell.column;
    } else {
      cell.column = 1;
      ++cell.row;
    }
    cells.push_back(cell);
  }
  return cells;
}

int ToHundredthsOfInch(int logicalUnits) {
  return (logicalUnits * kHundredthsPerInch + kLogicalDpi - 1) / kLogicalDpi;
}

Rect NodeArea(Cell cell) {
  return {kColumnPitch * cell.column - 40, kRowPitch * cell.row + 30,
          kColumnPitch * cell.column + 8, kRowPitch * cell.row + 125};
}

DrawList LayoutNodes(const NodeTable& nodes, int width) {
  DrawList list;
  if (width < kMinimumWidth || nodes.Count() == 0) return list;
  list.drawn = true;

  const int busRight = width - kBusMargin;
  int busY = kFirstBusY;
  AddLine(list, {kBusMargin, busY}, {busRight, busY});

  int x = kFirstColumnX;
  int baseY = kFirstBaseY;
  for (int k = 0; k < nodes.Count(); ++k) {
    if (width - x < kColumnPitch) {
      const int previousBusY = busY;
      baseY += kRowPitch;
      busY += kRowPitch;
      x = kFirstColumnX;
      ++list.rows;
      const int connectorX = list.rows % 2 == 0 ? kBusMargin : busRight;
      AddLine(list, {connectorX, previousBusY}, {connectorX, busY});
      AddLine(list, {kBusMargin, busY}, {busRight, busY});
    }
    AddNode(list, nodes.Node(k), k, x, baseY);
    x += kColumnPitch;
  }

  const std::vector<Cell> cells = NodeCells(nodes.Count(), width);
  for (int k = 0; k < nodes.Count(); ++k) {
    list.tips.push_back({k, NodeArea(cells[static_cast<std::size_t>(k)]), TipText(nodes.Node(k))});
  }

  list.scrollTotalWidth = 0;
  // Every row down to the last bus line, whatever the number of rows.
  const int lastBusY = kFirstBusY + kRowPitch * list.rows;
  list.scrollTotalHeight = ToHundredthsOfInch(lastBusY + kLineWidth + kBottomMargin);
  list.scrollLineHeight = kScrollLine;
  return list;
}

int HitTest(const NodeTable& nodes, int width, Point point) {
  const std::vector<Cell> cells = NodeCells(nodes.Count(), width);
  for (int k = 0; k < nodes.Count(); ++k) {
    if (NodeArea(cells[static_cast<std::size_t>(k)]).ContainsStrictly(point)) return k;
  }
  return NodeTable::kNoNode;
}

std::string IndexLabel(int index) {
  char text[16];
  std::snprintf(text, sizeof text, "#%03d", index);
  return text;
}

std::string TipText(const NodeRecord& node) {
  return node.ModuleName() + "\nIP: " + Ipv4Text(node.IpAddress()) +
         "\nMAC: " + MacText(node.Mac());
}

}  // namespace gw::view
