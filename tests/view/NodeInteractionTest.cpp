// Clicks select, double-clicks open the node into its sheet.
#include <gtest/gtest.h>

#include <optional>

#include "view/NodeInteraction.h"
#include "view/TestNodes.h"

namespace gw::view {
namespace {

using test::AddNode;
using test::AddNodes;

constexpr Point kOnFirst{80, 60};
constexpr Point kOnSecond{180, 60};
constexpr Point kBetween{130, 60};

TEST(NodeSelection, ClickSelectsOneAndMakesItCurrent) {
  NodeTable nodes;
  AddNodes(nodes, 3);
  nodes.Node(0).SetSelected(1);
  EXPECT_EQ(SelectNodeAt(nodes, 800, kOnSecond), 1);
  EXPECT_EQ(nodes.Current(), 1);
  EXPECT_EQ(nodes.Node(0).Selected(), 0u);
  EXPECT_EQ(nodes.Node(1).Selected(), 1u);
  EXPECT_EQ(nodes.Node(2).Selected(), 0u);
}

TEST(NodeSelection, ClickBetweenIconsDeselectsAll) {
  NodeTable nodes;
  AddNodes(nodes, 3);
  SelectNodeAt(nodes, 800, kOnFirst);
  EXPECT_EQ(SelectNodeAt(nodes, 800, kBetween), -1);
  EXPECT_EQ(nodes.Current(), NodeTable::kNoNode);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(nodes.Node(k).Selected(), 0u);
}

struct OpenProbe {
  std::vector<int> opened;
  OpenResult result = OpenResult::Opened;
  bool shown = false;

  OpenNodeFn Open() {
    return [this](int index) {
      opened.push_back(index);
      return index < 0 ? OpenResult::NoNode : result;
    };
  }
  ShowSheetFn Show() {
    return [this] { shown = true; };
  }
};

TEST(NodeOpening, OpensTheHitNodeAndShowsItsSheet) {
  NodeTable nodes;
  AddNodes(nodes, 2);
  OpenProbe probe;
  EXPECT_EQ(OpenNodeAt(nodes, 800, kOnSecond, probe.Open(), probe.Show()), OpenResult::Opened);
  EXPECT_EQ(probe.opened, std::vector<int>{1});
  EXPECT_TRUE(probe.shown);
}

TEST(NodeOpening, NoSheetWithoutANodeOrAfterAFailedRead) {
  NodeTable nodes;
  AddNodes(nodes, 2);
  OpenProbe probe;
  EXPECT_EQ(OpenNodeAt(nodes, 800, kBetween, probe.Open(), probe.Show()), OpenResult::NoNode);
  EXPECT_EQ(probe.opened, std::vector<int>{-1});  // the login state is cleared all the same
  probe.result = OpenResult::InquiryFailed;
  EXPECT_EQ(OpenNodeAt(nodes, 800, kOnFirst, probe.Open(), probe.Show()),
            OpenResult::InquiryFailed);
  probe.result = OpenResult::LinkFailed;
  OpenNodeAt(nodes, 800, kOnFirst, probe.Open(), probe.Show());
  EXPECT_FALSE(probe.shown);
}

}  // namespace
}  // namespace gw::view
