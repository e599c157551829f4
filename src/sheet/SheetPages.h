#pragma once
// The nine pages of the parameter sheet in tab order, and the sheet an opened
// node gets: the one place that knows every page.

#include <array>
#include <memory>

#include "pages/SheetRules.h"

namespace gw::pages {

enum class PageId {
  Overview,
  Basic,
  Mail,
  Ntp,
  Monitor,
  SlaveMode,
  IpFilter,
  UserDefine,
  Security
};
inline constexpr std::array<PageId, 9> kPageOrder = {
    PageId::Overview,  PageId::Basic,    PageId::Mail,       PageId::Ntp,     PageId::Monitor,
    PageId::SlaveMode, PageId::IpFilter, PageId::UserDefine, PageId::Security};

// The tab caption: "Overview", "Basic", "Mail", "NTP", "Monitor", "Slave Mode",
// "IP Filter", "User Define", "Security".
const char* PageCaption(PageId page);
// The tab position.
int PageIndex(PageId page);

std::unique_ptr<PropertyPage> CreatePage(PageId page);

// The page the sheet opens on: "Security" when the node reports itself
// password locked (LockState 1), else "Overview".
int StartPage(const NodeRecord& node);

// The sheet of the document's current node with its nine pages, initialised
// and on its start page. The node must have been opened (DocumentCore::OpenNode).
// A sheet without a window (the command line) never starts monitoring.
enum class SheetUse { Desktop, CommandLine };
std::unique_ptr<SheetRules> OpenParameterSheet(DocumentCore& document,
                                               SheetUse use = SheetUse::Desktop);

}  // namespace gw::pages
