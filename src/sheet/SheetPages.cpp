#include "SheetPages.h"

#include <algorithm>

#include "monitor/Monitor1Dlg.h"
#include "pages/BasicDlg.h"
#include "pages/IPFilterDlg.h"
#include "pages/MailDlg.h"
#include "pages/OverViewDlg.h"
#include "pages/RTCDlg.h"
#include "pages/RelayDlg.h"
#include "pages/SecurityDlg.h"
#include "pages/UserDefDlg.h"

namespace gw::pages {

const char* PageCaption(PageId page) {
  switch (page) {
    case PageId::Overview:
      return "Overview";
    case PageId::Basic:
      return "Basic";
    case PageId::Mail:
      return "Mail";
    case PageId::Ntp:
      return "NTP";
    case PageId::Monitor:
      return "Monitor";
    case PageId::SlaveMode:
      return "Slave Mode";
    case PageId::IpFilter:
      return "IP Filter";
    case PageId::UserDefine:
      return "User Define";
    case PageId::Security:
      return "Security";
  }
  return "";
}

int PageIndex(PageId page) {
  return static_cast<int>(std::find(kPageOrder.begin(), kPageOrder.end(), page) -
                          kPageOrder.begin());
}

std::unique_ptr<PropertyPage> CreatePage(PageId page) {
  switch (page) {
    case PageId::Overview:
      return std::make_unique<COverViewDlg>();
    case PageId::Basic:
      return std::make_unique<CBasicDlg>();
    case PageId::Security:
      return std::make_unique<CSecurityDlg>();
    case PageId::Mail:
      return std::make_unique<CMailDlg>();
    case PageId::SlaveMode:
      return std::make_unique<CRelayDlg>();
    case PageId::IpFilter:
      return std::make_unique<CIPFilterDlg>();
    case PageId::Ntp:
      return std::make_unique<CRTCDlg>();
    case PageId::UserDefine:
      return std::make_unique<CUserDefDlg>();
    case PageId::Monitor:
      return std::make_unique<monitor::CMonitor1Dlg>();
  }
  return nullptr;
}

int StartPage(const NodeRecord& node) {
  return PageIndex(node.LockState() == kLockStateLocked ? PageId::Security : PageId::Overview);
}

std::unique_ptr<SheetRules> OpenParameterSheet(DocumentCore& document, SheetUse use) {
  std::vector<std::unique_ptr<PropertyPage>> pages;
  for (PageId id : kPageOrder) pages.push_back(CreatePage(id));
  auto sheet = std::make_unique<SheetRules>(document, std::move(pages));
  if (auto* monitor = sheet->Find<monitor::CMonitor1Dlg>()) {
    for (monitor::Table table : {monitor::Table::Bits, monitor::Table::Words}) {
      monitor->Pane(table).SetMonitorsAfterApply(use == SheetUse::Desktop);
    }
  }
  const NodeRecord* node = document.Nodes().CurrentRecord();
  sheet->Open(node != nullptr ? StartPage(*node) : 0);
  return sheet;
}

}  // namespace gw::pages
