#pragma once
// The nine pages of the parameter sheet in tab order, and the sheet an opened
// node gets. Pages that are not built yet are placeholders: they show nothing
// and apply nothing, and like every page but "Overview" and "Security" they
// cannot be reached while the document's locked flag is set.

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

// A page not built yet.
class CPlaceholderPage : public PropertyPage {
 public:
  explicit CPlaceholderPage(std::string caption) : PropertyPage(std::move(caption)) {}
  bool OnSetActive() override { return !DocumentLocked(); }
};

std::unique_ptr<PropertyPage> CreatePage(PageId page);

// The page the sheet opens on: "Security" when the node reports itself
// password locked (LockState 1), else "Overview".
int StartPage(const NodeRecord& node);

// The sheet of the document's current node with its nine pages, initialised
// and on its start page. The node must have been opened (DocumentCore::OpenNode).
std::unique_ptr<SheetRules> OpenParameterSheet(DocumentCore& document);

}  // namespace gw::pages
