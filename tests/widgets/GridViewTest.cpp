// The grid control's window over a grid model: the drop-list editor, the
// Escape key, a shift-click block and the context menu reach the model.
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "frame/GuiTestSupport.h"
#include "pages/GridModel.h"
#include "pages/qt/GridAdapter.h"
#include "widgets/GridView.h"

namespace gw::widgets {
namespace {

using pages::CellKind;
using pages::GridCommand;

class FormatGrid : public pages::GridModel {
 public:
  FormatGrid()
      : GridModel({{"Value", CellKind::Text, "", 80, {}},
                   {"Format", CellKind::DropList, "", 60, {"Hex", "Dec", "Bin"}}},
                  4) {}
  std::vector<GridCommand> ContextMenu() const override { return {GridCommand::Cut}; }

 protected:
  bool EditsOnDoubleClick(pages::CellRef) const override { return true; }
  bool EditsOnTyping(pages::CellRef) const override { return true; }
  bool TakesClipboardKeys() const override { return true; }
};

struct GridViewTest : ::testing::Test {
  FormatGrid grid;
  CGridView view;
  std::unique_ptr<pages::CGridAdapter> adapter;
  void SetUp() override {
    adapter = std::make_unique<pages::CGridAdapter>(grid, &view);
    view.resize(300, 200);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  }
  QPoint Centre(int column, int row) {
    return view.visualRect(view.model()->index(row, column)).center();
  }
};

TEST_F(GridViewTest, ADropListCellIsEditedWithItsEntries) {
  QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, Centre(1, 2));
  auto* list = qobject_cast<QComboBox*>(view.Editor());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->count(), 3);
  list->setCurrentIndex(2);
  emit list->activated(2);
  EXPECT_FALSE(grid.Editing());
  EXPECT_EQ(grid.Text(1, 2), "Bin");
  EXPECT_EQ(view.model()->index(2, 1).data().toString(), "Bin");
}

TEST_F(GridViewTest, EscapeCancelsAndAShiftClickChoosesABlock) {
  grid.SetText({0, 0}, "kept");
  QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, Centre(0, 0));
  auto* edit = qobject_cast<QLineEdit*>(view.Editor());
  ASSERT_NE(edit, nullptr);
  QTest::keyClicks(edit, "xx");
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_FALSE(grid.Editing());
  EXPECT_EQ(grid.Text(0, 0), "kept");

  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, Centre(0, 1));
  QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ShiftModifier, Centre(0, 3));
  EXPECT_EQ(grid.SelectedRows(), (std::vector<int>{1, 2, 3}));
  grid.SetText({0, 2}, "cut me");
  // The context menu's one command, chosen as soon as the menu shows.
  QTimer::singleShot(0, [] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    menu->actions().front()->trigger();
    menu->close();
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, Centre(0, 2),
                          view.viewport()->mapToGlobal(Centre(0, 2)));
  QApplication::sendEvent(view.viewport(), &event);
  EXPECT_EQ(grid.Text(0, 2), "");
}

}  // namespace
}  // namespace gw::widgets
