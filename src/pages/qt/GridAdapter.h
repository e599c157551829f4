#pragma once
// Shows a page's grid model in the grid control's window: the model's cells,
// headings and colours in the chosen language, and the window's events
// forwarded to the model. The adapter repaints the view whenever the model
// reports a change.

#include "pages/GridModel.h"
#include "widgets/GridView.h"

namespace gw::pages {

class CGridAdapter : public widgets::GridSource {
 public:
  CGridAdapter(GridModel& model, widgets::CGridView* view);
  ~CGridAdapter() override;
  CGridAdapter(const CGridAdapter&) = delete;
  CGridAdapter& operator=(const CGridAdapter&) = delete;

  int Rows() const override { return model_.Rows(); }
  int Columns() const override { return model_.Columns(); }
  QString Heading(int column) const override;
  int ColumnWidth(int column) const override { return model_.Column(column).width; }
  QString RowHeading(int row) const override {
    return QString::fromStdString(model_.RowHeading(row));
  }
  int RowHeadingWidth() const override { return model_.rowHeadingWidth; }
  QColor CurrentRowHeading() const override;
  widgets::GridCellView Cell(int column, int row) const override;
  QStringList Items(int column) const override;
  bool Editable() const override { return model_.Editable(); }
  int CurrentRow() const override { return model_.Current().row; }
  int CurrentColumn() const override { return model_.Current().column; }
  std::optional<int> TakeScrollRow() override { return model_.TakeScrollRequest(); }
  std::optional<std::pair<int, int>> TakeAlteredRows() override { return model_.TakeAlteredRows(); }

  void Click(int column, int row) override { model_.Click({column, row}); }
  void DoubleClick(int column, int row) override { model_.DoubleClick({column, row}); }
  void Select(int fromColumn, int fromRow, int toColumn, int toRow) override {
    model_.Select({fromColumn, fromRow}, {toColumn, toRow});
  }
  void Type(const QString& text) override { model_.Type(text.toStdString()); }
  bool KeyPressed(Key key) override;
  bool ControlKey(char letter) override { return model_.ControlKey(letter); }
  QStringList ContextMenu() const override;
  void Command(int index) override;

  bool Editing() const override { return model_.Editing(); }
  int EditRow() const override { return model_.EditCell().row; }
  int EditColumn() const override { return model_.EditCell().column; }
  QString EditText() const override { return QString::fromStdString(model_.EditText()); }
  void SetEditText(const QString& text) override { model_.SetEditText(text.toStdString()); }
  bool FinishEdit() override { return model_.FinishEdit(); }
  void CancelEdit() override { model_.CancelEdit(); }

 private:
  GridModel& model_;
  widgets::CGridView* view_;
};

}  // namespace gw::pages
