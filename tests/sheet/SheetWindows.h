#pragma once
// Finding one's way in an open parameter sheet: its pages' windows and forms,
// its tabs, and the document whose current node it shows.

#include <gtest/gtest.h>

#include <QTabWidget>
#include <QTest>
#include <memory>

#include "frame/GwCfgDoc.h"
#include "pages/qt/BasicPage.h"
#include "pages/qt/IpFilterPage.h"
#include "pages/qt/OverviewPage.h"
#include "pages/qt/RtcPage.h"
#include "pages/qt/SecurityPage.h"
#include "pages/qt/UserDefinePage.h"
#include "sheet/SheetPages.h"
#include "ui_BasicPage.h"
#include "ui_IpFilterPage.h"
#include "ui_OverviewPage.h"
#include "ui_RtcPage.h"
#include "ui_SecurityPage.h"
#include "ui_UserDefinePage.h"
#include "view/qt/ParameterSheet.h"
#include "widgets/GridView.h"

namespace gw::test {

// Opens node `index` of the document as a double-click does and shows its
// sheet without a modal loop, so that the test can use it.
inline std::unique_ptr<view::CParameterSheet> OpenSheet(frame::CGwCfgDoc& doc, int index) {
  if (doc.Core().OpenNode(index) != OpenResult::Opened) return nullptr;
  auto sheet = view::BuildParameterSheet(doc.Core(), nullptr);
  sheet->show();
  sheet->GetActivePage()->OnSetActive();
  // Focus moves and focus-loss checks need the active window.
  sheet->activateWindow();
  if (!QTest::qWaitForWindowActive(sheet.get())) return nullptr;
  return sheet;
}

template <typename Window>
Window& PageWindow(const view::CParameterSheet& sheet, pages::PageId id) {
  return *dynamic_cast<Window*>(sheet.GetPage(pages::PageIndex(id)));
}

inline const Ui::BasicPageForm& BasicForm(const view::CParameterSheet& sheet) {
  return PageWindow<pages::CBasicPage>(sheet, pages::PageId::Basic).Form();
}
inline const Ui::SecurityPageForm& SecurityForm(const view::CParameterSheet& sheet) {
  return PageWindow<pages::CSecurityPage>(sheet, pages::PageId::Security).Form();
}
inline const Ui::OverviewPageForm& OverviewForm(const view::CParameterSheet& sheet) {
  return PageWindow<pages::COverViewPage>(sheet, pages::PageId::Overview).Form();
}

inline const Ui::IpFilterPageForm& IpFilterForm(const view::CParameterSheet& sheet) {
  return PageWindow<pages::CIpFilterPage>(sheet, pages::PageId::IpFilter).Form();
}

inline const Ui::RtcPageForm& RtcForm(const view::CParameterSheet& sheet) {
  return PageWindow<pages::CRtcPage>(sheet, pages::PageId::Ntp).Form();
}

inline const Ui::UserDefinePageForm& UserDefineForm(const view::CParameterSheet& sheet) {
  return PageWindow<pages::CUserDefinePage>(sheet, pages::PageId::UserDefine).Form();
}

inline QTabWidget* Tabs(const view::CParameterSheet& sheet) {
  return sheet.findChild<QTabWidget*>();
}

// Types on a grid: the first character opens the editor, which takes the rest.
inline void TypeOnGrid(widgets::CGridView* grid, const QString& text) {
  QTest::keyClicks(grid, text.left(1));
  ASSERT_NE(grid->Editor(), nullptr);
  QTest::keyClicks(grid->Editor(), text.mid(1));
}

// Clicks a cell of a grid window.
inline void ClickCell(widgets::CGridView* grid, int column, int row) {
  grid->scrollTo(grid->model()->index(row, column));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                    grid->visualRect(grid->model()->index(row, column)).center());
}

// Clicks the tab of a page; true when the sheet moved there.
inline bool ClickTab(view::CParameterSheet& sheet, pages::PageId id) {
  Tabs(sheet)->setCurrentIndex(pages::PageIndex(id));
  return sheet.GetActiveIndex() == pages::PageIndex(id);
}

}  // namespace gw::test
