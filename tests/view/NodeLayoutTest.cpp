// The diagram's geometry: rows, connectors, labels, drop lines and tooltips.
#include <gtest/gtest.h>

#include <algorithm>

#include "view/NodeLayout.h"
#include "view/TestNodes.h"

namespace gw::view {
namespace {

using test::AddNode;
using test::AddNodes;

bool HasLine(const DrawList& list, LineItem line) {
  return std::find(list.lines.begin(), list.lines.end(), line) != list.lines.end();
}

std::vector<int> IconColumns(const DrawList& list) {
  std::vector<int> xs;
  for (const IconItem& icon : list.icons) xs.push_back(icon.topLeft.x);
  return xs;
}

TEST(NodeLayout, NothingIsDrawnWhenNarrowerThan160OrEmpty) {
  NodeTable nodes;
  EXPECT_FALSE(LayoutNodes(nodes, 800).drawn);
  AddNodes(nodes, 3);
  const DrawList narrow = LayoutNodes(nodes, 159);
  EXPECT_FALSE(narrow.drawn);
  EXPECT_TRUE(narrow.lines.empty());
  EXPECT_TRUE(narrow.texts.empty());
  EXPECT_TRUE(narrow.tips.empty());
}

TEST(NodeLayout, At160EachFurtherNodeStartsANewRow) {
  NodeTable nodes;
  AddNodes(nodes, 3);
  const DrawList list = LayoutNodes(nodes, 160);
  ASSERT_TRUE(list.drawn);
  EXPECT_EQ(list.rows, 2);
  ASSERT_EQ(list.icons.size(), 3u);
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(list.icons[k].topLeft, (Point{60, 30 + 150 * static_cast<int>(k)}));
  }
}

TEST(NodeLayout, Width500HoldsFourNodesARowWithConnectorsAlternating) {
  NodeTable nodes;
  AddNodes(nodes, 9);
  const DrawList list = LayoutNodes(nodes, 500);
  EXPECT_EQ(IconColumns(list), (std::vector<int>{60, 160, 260, 360, 60, 160, 260, 360, 60}));
  EXPECT_EQ(list.icons[4].topLeft.y, 180);  // the fifth node hangs from row 1
  EXPECT_EQ(list.rows, 2);
  // Bus lines of the three rows, the connectors at 470 and then at 30.
  EXPECT_TRUE(HasLine(list, {{30, 150}, {470, 150}}));
  EXPECT_TRUE(HasLine(list, {{470, 150}, {470, 300}}));
  EXPECT_TRUE(HasLine(list, {{30, 300}, {470, 300}}));
  EXPECT_TRUE(HasLine(list, {{30, 300}, {30, 450}}));
  EXPECT_TRUE(HasLine(list, {{30, 450}, {470, 450}}));
  EXPECT_EQ(list.scrollLineHeight, 50);
}

// The lowest logical y that anything drawn reaches.
int LowestDrawn(const DrawList& list) {
  int lowest = 0;
  for (const LineItem& line : list.lines) {
    lowest = std::max({lowest, line.from.y + line.width / 2, line.to.y + line.width / 2});
  }
  for (const IconItem& icon : list.icons) lowest = std::max(lowest, icon.topLeft.y + icon.size);
  for (const TextItem& text : list.texts) lowest = std::max(lowest, text.box.bottom);
  for (const TipItem& tip : list.tips) lowest = std::max(lowest, tip.area.bottom);
  return lowest;
}

TEST(NodeLayout, TheScrollRangeReachesTheLastRowWhole) {
  // Four nodes a row at width 500: one to six rows.
  for (const int count : {1, 4, 5, 9, 13, 17, 21}) {
    SCOPED_TRACE(count);
    NodeTable nodes;
    AddNodes(nodes, count);
    const DrawList list = LayoutNodes(nodes, 500);
    // Hundredths of an inch back to units of 1/96 inch.
    const int reach = list.scrollTotalHeight * 96 / 100;
    EXPECT_GE(reach, LowestDrawn(list));
    EXPECT_LE(reach, LowestDrawn(list) + 50);  // and no screen of blank below
  }
}

TEST(NodeLayout, LabelsShowIndexNumberAndNameInTheirBoxes) {
  NodeTable nodes;
  AddNode(nodes, 7, "Line-A");
  AddNode(nodes, 300, std::string(40, 'N'));
  const DrawList list = LayoutNodes(nodes, 800);
  ASSERT_EQ(list.texts.size(), 6u);
  EXPECT_EQ(list.texts[0].text, "#000");
  EXPECT_EQ(list.texts[0].box, (Rect{42, 80, 124, 100}));
  EXPECT_EQ(list.texts[1].text, "7");
  EXPECT_EQ(list.texts[1].box, (Rect{42, 95, 124, 115}));
  EXPECT_EQ(list.texts[2].text, "Line-A");
  EXPECT_EQ(list.texts[2].box, (Rect{42, 110, 122, 130}));
  EXPECT_EQ(list.texts[3].text, "#001");
  EXPECT_EQ(list.texts[4].text, "300");
  EXPECT_EQ(list.texts[5].text, std::string(32, 'N'));
  EXPECT_EQ(std::string(list.font.face), "Times New Roman");
  EXPECT_EQ(list.font.height, 15);
  EXPECT_EQ(list.font.weight, 400);
}

TEST(NodeLayout, SelectedNodeIsWhiteOnBlue) {
  NodeTable nodes;
  AddNodes(nodes, 2);
  nodes.Node(1).SetSelected(1);
  const DrawList list = LayoutNodes(nodes, 800);
  EXPECT_EQ(list.texts[0].foreground, kBlack);
  EXPECT_EQ(list.texts[0].background, kWhite);
  for (std::size_t t = 3; t < 6; ++t) {
    EXPECT_EQ(list.texts[t].foreground, kWhite);
    EXPECT_EQ(list.texts[t].background, Rgb(32, 96, 192));
  }
}

TEST(NodeLayout, OfflineNodeHasABrokenRedDropLine) {
  NodeTable nodes;
  AddNodes(nodes, 2);
  nodes.Node(1).SetOnline(0);
  const DrawList list = LayoutNodes(nodes, 800);
  EXPECT_TRUE(HasLine(list, {{84, 130}, {84, 150}, kBlack}));
  EXPECT_TRUE(HasLine(list, {{184, 130}, {184, 148}, kRed}));
  EXPECT_TRUE(HasLine(list, {{190, 136}, {176, 144}, kRed}));
  EXPECT_FALSE(HasLine(list, {{184, 130}, {184, 150}, kBlack}));
}

TEST(NodeLayout, TooltipsCoverIconAndLabelsWithNameIpAndMac) {
  NodeTable nodes;
  AddNodes(nodes, 5);
  AddNode(nodes, 9, "Pump", 0xC0A80A05);
  const DrawList list = LayoutNodes(nodes, 500);
  ASSERT_EQ(list.tips.size(), 6u);
  EXPECT_EQ(list.tips[0].area, (Rect{60, 30, 108, 125}));
  EXPECT_EQ(list.tips[4].area, (Rect{60, 180, 108, 275}));
  EXPECT_EQ(list.tips[5].area, (Rect{160, 180, 208, 275}));
  EXPECT_EQ(list.tips[5].text, "Pump\nIP: 192.168.10.5\nMAC: 00:60:E9:10:20:05");
}

TEST(NodeHitTest, BoundsAreStrict) {
  NodeTable nodes;
  AddNodes(nodes, 2);
  EXPECT_EQ(HitTest(nodes, 800, {60, 60}), -1);
  EXPECT_EQ(HitTest(nodes, 800, {61, 60}), 0);
  EXPECT_EQ(HitTest(nodes, 800, {107, 124}), 0);
  EXPECT_EQ(HitTest(nodes, 800, {108, 60}), -1);
  EXPECT_EQ(HitTest(nodes, 800, {61, 30}), -1);
  EXPECT_EQ(HitTest(nodes, 800, {61, 125}), -1);
  EXPECT_EQ(HitTest(nodes, 800, {130, 60}), -1);  // between two icons
  EXPECT_EQ(HitTest(nodes, 800, {161, 60}), 1);
}

TEST(NodeHitTest, FollowsTheRowsOfTheDrawing) {
  NodeTable nodes;
  AddNodes(nodes, 6);
  for (int width : {160, 250, 500, 799}) {
    const DrawList list = LayoutNodes(nodes, width);
    for (std::size_t k = 0; k < list.icons.size(); ++k) {
      const Point inside{list.icons[k].topLeft.x + 24, list.icons[k].topLeft.y + 24};
      EXPECT_EQ(HitTest(nodes, width, inside), static_cast<int>(k)) << "width " << width;
    }
  }
}

TEST(NodeHitTest, PointerIsConvertedToLogicalUnits) {
  EXPECT_EQ(ToLogicalUnits(122, 96), 122);
  EXPECT_EQ(ToLogicalUnits(122, 192), 61);  // twice the dots: x = 61 logical hits node 0
  EXPECT_EQ(ToLogicalUnits(121, 192), 60);  // ... and 60 does not
  EXPECT_EQ(ToLogicalUnits(150, 144), 100);
  NodeTable nodes;
  AddNodes(nodes, 1);
  EXPECT_EQ(HitTest(nodes, 800, {ToLogicalUnits(122, 192), ToLogicalUnits(120, 192)}), 0);
  EXPECT_EQ(HitTest(nodes, 800, {ToLogicalUnits(121, 192), ToLogicalUnits(120, 192)}), -1);
}

}  // namespace
}  // namespace gw::view
