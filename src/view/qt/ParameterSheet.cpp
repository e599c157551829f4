#include "ParameterSheet.h"

#include <QPushButton>

#include "monitor/qt/MonitorPage.h"
#include "pages/BasicDlg.h"
#include "pages/IPFilterDlg.h"
#include "pages/MailDlg.h"
#include "pages/OverViewDlg.h"
#include "pages/RTCDlg.h"
#include "pages/RelayDlg.h"
#include "pages/SecurityDlg.h"
#include "pages/UserDefDlg.h"
#include "pages/qt/BasicPage.h"
#include "pages/qt/ControlMirror.h"
#include "pages/qt/IpFilterPage.h"
#include "pages/qt/MailPage.h"
#include "pages/qt/OverviewPage.h"
#include "pages/qt/RelayPage.h"
#include "pages/qt/RtcPage.h"
#include "pages/qt/SecurityPage.h"
#include "pages/qt/UserDefinePage.h"
#include "sheet/SheetPages.h"

namespace gw::view {

namespace {

pages::CPageWindow* WindowFor(pages::SheetRules& sheet, int index) {
  pages::PropertyPage& page = sheet.Page(index);
  if (dynamic_cast<pages::COverViewDlg*>(&page)) return new pages::COverViewPage(sheet, index);
  if (dynamic_cast<pages::CBasicDlg*>(&page)) return new pages::CBasicPage(sheet, index);
  if (dynamic_cast<pages::CSecurityDlg*>(&page)) return new pages::CSecurityPage(sheet, index);
  if (dynamic_cast<pages::CMailDlg*>(&page)) return new pages::CMailPage(sheet, index);
  if (dynamic_cast<pages::CRelayDlg*>(&page)) return new pages::CRelayPage(sheet, index);
  if (dynamic_cast<pages::CIPFilterDlg*>(&page)) return new pages::CIpFilterPage(sheet, index);
  if (dynamic_cast<pages::CRTCDlg*>(&page)) return new pages::CRtcPage(sheet, index);
  if (dynamic_cast<pages::CUserDefDlg*>(&page)) return new pages::CUserDefinePage(sheet, index);
  if (dynamic_cast<monitor::CMonitor1Dlg*>(&page)) return new monitor::CMonitorPage(sheet, index);
  return new pages::CPageWindow(sheet, index);
}

}  // namespace

CParameterSheet::CParameterSheet(std::unique_ptr<pages::SheetRules> sheet, QWidget* parent)
    : af::CPropertySheet(QString::fromStdString(sheet->Caption()), parent),
      sheet_(std::move(sheet)) {
  OkButton()->setText(pages::Translated("OK"));
  CancelButton()->setText(pages::Translated("Cancel"));
  ApplyButton()->setText(pages::Translated("Apply"));
  for (int i = 0; i < sheet_->PageCount(); ++i) AddPage(WindowFor(*sheet_, i));
  SetActivePage(sheet_->ActiveIndex());
  sheet_->SetChangeListener([this] { Follow(); });
  Follow();
}

CParameterSheet::~CParameterSheet() {
  sheet_->SetChangeListener({});
  // The windows go before the pages they show.
  DestroyPages();
}

bool CParameterSheet::Apply() { return sheet_->Apply(); }

void CParameterSheet::Ok() { sheet_->Ok(); }

void CParameterSheet::Cancel() { sheet_->Cancel(); }

void CParameterSheet::Follow() {
  for (int i = 0; i < GetPageCount(); ++i) {
    af::CPropertyPage* window = GetPage(i);
    if (window->IsModified() != sheet_->Page(i).IsModified()) {
      window->SetModified(sheet_->Page(i).IsModified());
    }
  }
  if (GetActiveIndex() != sheet_->ActiveIndex()) SetActivePage(sheet_->ActiveIndex());
  if (sheet_->Closed() && !closing_) {
    closing_ = true;
    accept();
  }
}

std::unique_ptr<CParameterSheet> BuildParameterSheet(DocumentCore& document, QWidget* parent) {
  return std::make_unique<CParameterSheet>(pages::OpenParameterSheet(document), parent);
}

}  // namespace gw::view
