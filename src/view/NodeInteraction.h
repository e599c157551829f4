#pragma once
// What a click and a double-click on the node diagram do: selection, and
// opening the node under the pointer into its parameter sheet.

#include <array>
#include <functional>
#include <string>

#include "model/NodeTable.h"
#include "protocol/DocumentCore.h"
#include "view/DrawList.h"

namespace gw::view {

// A click: every node hit is selected, every other one not; the current
// node becomes the hit node or none. Returns the hit node or -1.
int SelectNodeAt(NodeTable& nodes, int width, Point point);

// The pages of the parameter sheet, in tab order.
enum class SheetPage { Overview, Basic, Mail, Ntp, Monitor, SlaveMode, IpFilter, UserDefine, Security };
inline constexpr std::array<SheetPage, 9> kSheetPages = {
    SheetPage::Overview, SheetPage::Basic,     SheetPage::Mail,
    SheetPage::Ntp,      SheetPage::Monitor,   SheetPage::SlaveMode,
    SheetPage::IpFilter, SheetPage::UserDefine, SheetPage::Security};
// The tab caption: "Overview", "Basic", ... "Security".
const char* PageCaption(SheetPage page);

struct SheetPlan {
  std::string caption;  // the node's ModuleName, at most 32 characters
  int startPage = 0;    // index into kSheetPages
};

// The sheet for an opened node: on "Security" when the module is locked.
SheetPlan PlanSheet(const NodeRecord& node);

using OpenNodeFn = std::function<OpenResult(int index)>;
using ShowSheetFn = std::function<void(const SheetPlan& plan)>;

// A double-click: opens the node under the point (with no node there only
// the login state is cleared) and, when its parameters have been read, shows
// its sheet modally. The caller redraws the view afterwards.
OpenResult OpenNodeAt(const NodeTable& nodes, int width, Point point, const OpenNodeFn& open,
                      const ShowSheetFn& show);

}  // namespace gw::view
