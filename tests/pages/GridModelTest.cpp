// The grid model: masks, the edit cycle with its refusal, keys, the
// selection and the clipboard, without a window.
#include <gtest/gtest.h>

#include <algorithm>

#include "pages/GridModel.h"

namespace gw::pages::test {
namespace {

// Station (digits), a free text, a check mark; "bad" is refused.
class TestGrid : public GridModel {
 public:
  TestGrid()
      : GridModel({{"Station", CellKind::Text, "999", 50, {}},
                   {"Name", CellKind::Text, "", 100, {}},
                   {"On", CellKind::Check, "", 30, {}}},
                  3) {}
  std::vector<std::string> events;

 protected:
  bool EditsOnClick(CellRef c) const override { return c.column == 1; }
  bool EditsOnDoubleClick(CellRef) const override { return true; }
  bool EditsOnTyping(CellRef) const override { return true; }
  bool ValidateEdit(CellRef, const std::string& text) override {
    if (text == "bad") events.push_back("refused");
    return text != "bad";
  }
  void EditAccepted(CellRef c, const std::string& text) override {
    events.push_back("accepted " + std::to_string(c.column) + "," + std::to_string(c.row) + " " +
                     text);
  }
  void KeyHandled() override { events.push_back("key"); }
  bool TakesClipboardKeys() const override { return true; }
};

TEST(GridMask, KeepsOnlyWhatTheMaskTakes) {
  struct Case {
    const char* mask;
    const char* typed;
    const char* fitted;
  };
  for (const Case& c : {Case{"999", "1a2b34", "123"}, Case{"aaaa", "A-b_9zz", "Ab9z"},
                        Case{"hhhh", "0xFfG1", "0Ff1"}, Case{"", "any text", "any text"}}) {
    EXPECT_EQ(FitToMask(c.mask, c.typed), c.fitted) << c.mask << " " << c.typed;
  }
}

TEST(GridColours, WindowsValuesAreBlueGreenRed) {
  EXPECT_EQ(FromColorRef(0x99A8AC), (Rgb{0xAC, 0xA8, 0x99}));
  EXPECT_EQ(FromColorRef(0x00FFFF), (Rgb{0xFF, 0xFF, 0x00}));
  TestGrid g;
  g.SetColours(FromColorRef(0x99A8AC), FromColorRef(0xD8E9EC));
  g.SetCellColours({2, 1}, FromColorRef(0x0000FF), FromColorRef(0x4080FF));
  EXPECT_EQ(g.Cell({2, 1}).textColour, (Rgb{0xFF, 0, 0}));
  EXPECT_EQ(g.Cell({2, 1}).backColour, (Rgb{0xFF, 0x80, 0x40}));
  EXPECT_EQ(g.Cell({1, 1}).backColour, (Rgb{0xEC, 0xE9, 0xD8}));
}

TEST(GridEdit, ARefusedEditGetsItsOldTextBackAndStaysOpen) {
  TestGrid g;
  g.SetText({1, 0}, "old");
  g.Click({1, 0});
  ASSERT_TRUE(g.Editing());
  g.SetEditText("bad");
  EXPECT_FALSE(g.FinishEdit());
  EXPECT_TRUE(g.Editing());
  EXPECT_EQ(g.EditText(), "old");
  EXPECT_EQ(g.Text(1, 0), "old");
  // Clicking elsewhere cannot leave a refused edit either.
  g.SetEditText("bad");
  g.Click({1, 2});
  EXPECT_EQ(g.EditCell(), (CellRef{1, 0}));
  g.SetEditText("new");
  EXPECT_TRUE(g.FinishEdit());
  EXPECT_FALSE(g.Editing());
  EXPECT_EQ(g.Text(1, 0), "new");
  EXPECT_EQ(g.events, (std::vector<std::string>{"refused", "refused", "accepted 1,0 new"}));
}

TEST(GridEdit, HowEditsStartAndEnd) {
  TestGrid g;
  g.Click({0, 1});  // column 0 edits on a double click or typing only
  EXPECT_FALSE(g.Editing());
  g.Type("7");
  EXPECT_EQ(g.EditText(), "7");
  g.SetEditText("12345x");
  EXPECT_EQ(g.EditText(), "123");
  g.CancelEdit();
  EXPECT_EQ(g.Text(0, 1), "");
  g.Type("x");  // the mask refuses the character, the editor opens empty
  EXPECT_EQ(g.EditText(), "");
  EXPECT_TRUE(g.Key(GridKey::Enter));
  EXPECT_FALSE(g.Editing());
  g.SetEditable(false);
  g.DoubleClick({1, 1});
  g.Type("5");
  EXPECT_FALSE(g.Editing());
  EXPECT_FALSE(g.Key(GridKey::Delete));
}

TEST(GridKeys, TabWalksTheCellsAndChecksToggle) {
  TestGrid g;
  std::vector<CellRef> walked;
  g.SetCurrent({1, 2});
  for (int i = 0; i < 3; ++i) {
    g.Key(GridKey::Tab);
    walked.push_back(g.Current());
  }
  EXPECT_EQ(walked, (std::vector<CellRef>{{2, 2}, {0, 0}, {1, 0}}));

  g.Click({2, 1});
  EXPECT_TRUE(g.Checked(2, 1));
  g.Key(GridKey::Space);
  EXPECT_FALSE(g.Checked(2, 1));
  g.Key(GridKey::Enter);
  EXPECT_TRUE(g.Checked(2, 1));
  g.SetCurrent({1, 1});
  EXPECT_FALSE(g.Key(GridKey::Space));  // not a check cell
  g.SetEditable(false);
  g.Click({2, 1});
  EXPECT_TRUE(g.Checked(2, 1));
}

TEST(GridClipboardOps, CutCopyPasteAndDeleteWorkOnTheSelection) {
  SharedGridClipboard().Clear();
  TestGrid g;
  g.SetText({0, 0}, "5");
  g.SetText({1, 0}, "boiler");
  g.SetText({0, 1}, "6");
  g.Select({0, 0}, {1, 1});
  EXPECT_EQ(g.SelectedRows(), (std::vector<int>{0, 1}));
  EXPECT_TRUE(g.ControlKey('x'));
  EXPECT_EQ(SharedGridClipboard().Get("GridText"), "5\tboiler\n6\t\n");
  EXPECT_EQ(g.Text(0, 0), "");
  g.Select({0, 1}, {0, 1});
  g.SetText({1, 2}, "stays?");
  EXPECT_TRUE(g.ControlKey('V'));  // cut at the last row, the empty field clears
  EXPECT_EQ(g.Text(0, 1), "5");
  EXPECT_EQ(g.Text(1, 1), "boiler");
  EXPECT_EQ(g.Text(0, 2), "6");
  EXPECT_EQ(g.Text(1, 2), "");
  // The mask holds for pasted text too.
  SharedGridClipboard().Put("GridText", "12ab34\n");
  g.SetCurrent({0, 0});
  g.Command(GridCommand::Paste);
  EXPECT_EQ(g.Text(0, 0), "123");
  g.Key(GridKey::Delete);
  EXPECT_EQ(g.Text(0, 0), "");
  EXPECT_FALSE(g.ControlKey('Q'));
  EXPECT_EQ(std::count(g.events.begin(), g.events.end(), "key"), 4);
}

}  // namespace
TEST(GridNotices, OnlyNewValuesAreDrawnAgainAndOnlyTheirRows) {
  TestGrid grid;
  int notices = 0;
  grid.SetChangeListener([&notices] { ++notices; });
  using Rows = std::optional<std::pair<int, int>>;
  grid.SetText({0, 1}, "a");
  grid.SetCellColours({1, 2}, FromColorRef(0x0000FF), FromColorRef(0xFFFFFF));
  grid.ChangedIfAltered();
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(grid.TakeAlteredRows(), (Rows{{1, 2}}));
  EXPECT_EQ(grid.TakeAlteredRows(), Rows{});  // asked for once
  grid.SetText({0, 1}, "a");                  // as it was
  grid.SetCellColours({1, 2}, FromColorRef(0x0000FF), FromColorRef(0xFFFFFF));
  grid.ChangedIfAltered();
  EXPECT_EQ(notices, 1);
  grid.SetText({0, 0}, "b");
  grid.SetEditable(false);  // every row looks different
  grid.ChangedIfAltered();
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(grid.TakeAlteredRows(), Rows{});
  grid.SetText({1, 0}, "c");
  grid.Changed();  // a notice of its own concerns every row
  EXPECT_EQ(grid.TakeAlteredRows(), Rows{});
}

}  // namespace gw::pages::test
