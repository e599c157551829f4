#pragma once
// The grid control's window: a table view that shows a grid whose rules live
// elsewhere (the GridSource) and forwards every user event to it: clicks,
// double clicks, typing, Tab, Delete, Space and Enter, Ctrl+C/X/V, the
// context menu, and the keystrokes and end of an edit. It holds no rules: a
// refused edit keeps its editor open with whatever text the source puts
// back. Check cells are drawn as check boxes (greyed while the grid is not
// editable); a drop-list cell is edited with a combo box.

#include <QColor>
#include <QStringList>
#include <QTableView>
#include <optional>
#include <utility>

namespace gw::widgets {

struct GridCellView {
  enum class Kind { Text, Check, DropList };
  QString text;
  Kind kind = Kind::Text;
  bool checked = false;
  QColor textColour = Qt::black;
  QColor backColour = Qt::white;
};

// What the view asks of the grid it shows.
class GridSource {
 public:
  virtual ~GridSource() = default;
  virtual int Rows() const = 0;
  virtual int Columns() const = 0;
  virtual QString Heading(int column) const = 0;
  virtual int ColumnWidth(int column) const = 0;
  virtual QString RowHeading(int row) const = 0;
  virtual int RowHeadingWidth() const = 0;
  // The heading colour of the current row (invalid: the style's).
  virtual QColor CurrentRowHeading() const = 0;
  virtual GridCellView Cell(int column, int row) const = 0;
  virtual QStringList Items(int column) const = 0;
  virtual bool Editable() const = 0;
  virtual int CurrentRow() const = 0;
  virtual int CurrentColumn() const = 0;
  // A row to scroll to the top, asked for once.
  virtual std::optional<int> TakeScrollRow() { return std::nullopt; }
  // The rows that took new values since the last redraw, first and last
  // (none: any row may have), asked for once.
  virtual std::optional<std::pair<int, int>> TakeAlteredRows() { return std::nullopt; }

  // The user's events.
  virtual void Click(int column, int row) = 0;
  virtual void DoubleClick(int column, int row) = 0;
  virtual void Select(int fromColumn, int fromRow, int toColumn, int toRow) = 0;
  virtual void Type(const QString& text) = 0;
  enum class Key { Tab, Delete, Space, Enter };
  virtual bool KeyPressed(Key key) = 0;
  virtual bool ControlKey(char letter) = 0;
  virtual QStringList ContextMenu() const = 0;
  virtual void Command(int index) = 0;

  // The edit cycle.
  virtual bool Editing() const = 0;
  virtual int EditRow() const = 0;
  virtual int EditColumn() const = 0;
  virtual QString EditText() const = 0;
  virtual void SetEditText(const QString& text) = 0;
  virtual bool FinishEdit() = 0;
  virtual void CancelEdit() = 0;
};

class CGridView : public QTableView {
  Q_OBJECT

 public:
  explicit CGridView(QWidget* parent = nullptr);
  ~CGridView() override;

  // The source outlives the view, or is detached with nullptr first.
  void SetSource(GridSource* source);
  GridSource* Source() const { return source_; }
  // Shows the source again: cells, headings, the current cell, the editor.
  void Refresh();

  // The open editor (a line edit or a combo box), if any.
  QWidget* Editor() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  class TableModel;
  class Delegate;
  void FollowEditor();
  void FollowSelection();

  GridSource* source_ = nullptr;
  TableModel* model_;
  Delegate* delegate_;
  bool refreshing_ = false;
};

}  // namespace gw::widgets
