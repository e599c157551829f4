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
  std::optional<SheetPlan> shown;

  OpenNodeFn Open() {
    return [this](int index) {
      opened.push_back(index);
      return index < 0 ? OpenResult::NoNode : result;
    };
  }
  ShowSheetFn Show() {
    return [this](const SheetPlan& plan) { shown = plan; };
  }
};

TEST(NodeOpening, OpensTheHitNodeAndShowsItsSheetOnOverview) {
  NodeTable nodes;
  AddNodes(nodes, 2);
  OpenProbe probe;
  EXPECT_EQ(OpenNodeAt(nodes, 800, kOnSecond, probe.Open(), probe.Show()), OpenResult::Opened);
  EXPECT_EQ(probe.opened, std::vector<int>{1});
  ASSERT_TRUE(probe.shown);
  EXPECT_EQ(probe.shown->caption, "GW-2");
  EXPECT_EQ(probe.shown->startPage, 0);
}

TEST(NodeOpening, LockedNodeOpensOnSecurity) {
  NodeTable nodes;
  AddNode(nodes, 1, std::string(36, 'L'), 0x7F000002, /*locked=*/true);
  OpenProbe probe;
  OpenNodeAt(nodes, 800, kOnFirst, probe.Open(), probe.Show());
  ASSERT_TRUE(probe.shown);
  EXPECT_EQ(kSheetPages[static_cast<std::size_t>(probe.shown->startPage)], SheetPage::Security);
  EXPECT_STREQ(PageCaption(SheetPage::Security), "Security");
  EXPECT_EQ(probe.shown->caption, std::string(32, 'L'));
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

TEST(NodeOpening, SheetPagesComeInTabOrder) {
  std::vector<std::string> captions;
  for (SheetPage page : kSheetPages) captions.push_back(PageCaption(page));
  EXPECT_EQ(captions, (std::vector<std::string>{"Overview", "Basic", "Mail", "NTP", "Monitor",
                                                "Slave Mode", "IP Filter", "User Define",
                                                "Security"}));
}

}  // namespace
}  // namespace gw::view
