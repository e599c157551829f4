#include "NodeInteraction.h"

#include "view/NodeLayout.h"

namespace gw::view {

namespace {
constexpr std::size_t kCaptionLength = 32;
}

int SelectNodeAt(NodeTable& nodes, int width, Point point) {
  const int hit = HitTest(nodes, width, point);
  for (int k = 0; k < nodes.Count(); ++k) nodes.Node(k).SetSelected(k == hit ? 1 : 0);
  nodes.SetCurrent(hit);
  return hit;
}

const char* PageCaption(SheetPage page) {
  switch (page) {
    case SheetPage::Overview: return "Overview";
    case SheetPage::Basic: return "Basic";
    case SheetPage::Mail: return "Mail";
    case SheetPage::Ntp: return "NTP";
    case SheetPage::Monitor: return "Monitor";
    case SheetPage::SlaveMode: return "Slave Mode";
    case SheetPage::IpFilter: return "IP Filter";
    case SheetPage::UserDefine: return "User Define";
    case SheetPage::Security: return "Security";
  }
  return "";
}

SheetPlan PlanSheet(const NodeRecord& node) {
  SheetPlan plan;
  plan.caption = node.ModuleName().substr(0, kCaptionLength);
  if (node.LockState() == kLockStateLocked) {
    plan.startPage = static_cast<int>(SheetPage::Security);
  }
  return plan;
}

OpenResult OpenNodeAt(const NodeTable& nodes, int width, Point point, const OpenNodeFn& open,
                      const ShowSheetFn& show) {
  const int hit = HitTest(nodes, width, point);
  const OpenResult result = open(hit);
  if (result == OpenResult::Opened) show(PlanSheet(nodes.Node(hit)));
  return result;
}

}  // namespace gw::view
