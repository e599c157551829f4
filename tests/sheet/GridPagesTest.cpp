// The Mail and Slave Mode windows on the fake transport: the grid view
// forwards edits, check-mark toggles and keys to the page's grids, and a
// refused edit keeps its editor open.
#include <QLineEdit>
#include <QTest>

#include "frame/PluginFixture.h"
#include "link/RequestCodes.h"
#include "model/SerialConfig.h"
#include "pages/qt/MailPage.h"
#include "pages/qt/RelayPage.h"
#include "sheet/SheetWindows.h"
#include "ui_MailPage.h"
#include "ui_RelayPage.h"

namespace gw::pages {
namespace {

using test::FakeModule;
using test::PageWindow;

class GridPagesTest : public test::PluginFixture {
 protected:
  GridPagesTest() {
    test::Named(module_, "Boiler house", 0xC0A80114);
    StoreBE16(module_.record.Block(kSerialBlock), serial::ComConfig, comconfig::kSerialSlave);
    Serve({&module_});
  }

  std::unique_ptr<view::CParameterSheet> Open(PageId page) {
    doc_ = NewDocument();
    doc_->Core().Search();
    auto sheet = test::OpenSheet(*doc_, 0);
    if (sheet && !test::ClickTab(*sheet, page)) return nullptr;
    return sheet;
  }

  static QPoint CellCentre(widgets::CGridView* view, int column, int row) {
    return view->visualRect(view->model()->index(row, column)).center();
  }

  FakeModule module_{0x21, 7, 0x0155};
  frame::CGwCfgDoc* doc_ = nullptr;
};

TEST_F(GridPagesTest, MailAddressEditAndCheckMarkReachThePage) {
  const auto sheet = Open(PageId::Mail);
  ASSERT_TRUE(sheet);
  auto& window = PageWindow<CMailPage>(*sheet, PageId::Mail);
  widgets::CGridView* grid = window.Form().recipients;
  EXPECT_EQ(grid->model()->headerData(3, Qt::Horizontal).toString(), "Mail Address");

  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, 0, 0));
  EXPECT_EQ(env_.messages, std::vector<std::string>{"Mail address cannot be empty"});

  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, 3, 0));
  auto* editor = qobject_cast<QLineEdit*>(grid->Editor());
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, "nobody");
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(env_.messages.back(), "The entered recipient email is incorrect");
  ASSERT_EQ(grid->Editor(), editor);  // refused: still open, the old text back
  EXPECT_EQ(editor->text(), "");
  QTest::keyClicks(editor, "ops@plant.example");
  QTest::keyClick(editor, Qt::Key_Return);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, 1, 0));

  const CMailDlg& page = *dynamic_cast<CMailDlg*>(&sheet->Sheet().Page(PageIndex(PageId::Mail)));
  EXPECT_EQ(page.Recipients().Text(3, 0), "ops@plant.example");
  EXPECT_TRUE(page.Recipients().Checked(1, 0));
  EXPECT_EQ(grid->model()->index(0, 1).data(Qt::CheckStateRole).toInt(), Qt::Checked);
  EXPECT_EQ(page.RecipientMask(), 0x80000000u);
  EXPECT_TRUE(sheet->ApplyButton()->isEnabled());
}

TEST_F(GridPagesTest, RelayTypingTabAndReadOnlyColours) {
  const auto sheet = Open(PageId::SlaveMode);
  ASSERT_TRUE(sheet);
  widgets::CGridView* grid = PageWindow<CRelayPage>(*sheet, PageId::SlaveMode).Form().relayTable;
  grid->setFocus();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, 0, 0));
  QTest::keyClicks(grid, "5");
  auto* editor = qobject_cast<QLineEdit*>(grid->Editor());
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, "x9");  // the mask keeps digits only
  EXPECT_EQ(editor->text(), "59");
  QTest::keyClick(editor, Qt::Key_Tab);
  EXPECT_EQ(grid->currentIndex(), grid->model()->index(0, 1));
  QTest::keyClicks(grid, "1");
  editor = qobject_cast<QLineEdit*>(grid->Editor());
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, "92.168.1.10");
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(grid->model()->index(0, 1).data().toString(), "192.168.1.10");
  ASSERT_TRUE(sheet->Apply());
  const std::vector<std::uint8_t> ip(
      module_.record.Block(kRelayBlock).begin() + relay::RelayIp,
      module_.record.Block(kRelayBlock).begin() + relay::RelayIp + 4);
  EXPECT_EQ(module_.record.Block(kRelayBlock)[relay::RelayStation], 59);
  EXPECT_EQ(ip, (std::vector<std::uint8_t>{0x0A, 0x01, 0xA8, 0xC0}));
  EXPECT_EQ(grid->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(),
            QColor(255, 255, 255));
}

}  // namespace
}  // namespace gw::pages
