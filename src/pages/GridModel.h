#pragma once
// The grid control of the pages without its window: rows x columns of cells
// (text, check mark, drop list), headings, per-column input masks, colours,
// the editable flag, the current cell and the selection, the edit cycle, the
// keys, the context menu and the grid's own clipboard. Every table of the
// pages is a subclass that overrides the hooks below; a window toolkit draws
// the cells, forwards the user's events to the operations, and redraws when
// the change listener fires.
//
// The edit cycle: StartEdit opens an editor on a cell with the cell's text
// (or the typed character) and remembers that text; SetEditText follows
// the keystrokes through the column's input mask; FinishEdit asks the
// subclass (ValidateEdit): a refusal puts the text from before the edit back
// into the editor and keeps it open, an acceptance stores the text and
// closes the editor (EditAccepted); CancelEdit closes it unchanged.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gw::pages {

// A colour as the window toolkit takes it.
struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The one conversion of a Windows colour value (0x00BBGGRR).
constexpr Rgb FromColorRef(std::uint32_t colorRef) {
  return {static_cast<std::uint8_t>(colorRef), static_cast<std::uint8_t>(colorRef >> 8),
          static_cast<std::uint8_t>(colorRef >> 16)};
}

// The grey of text the user cannot change, and the heading of the current
// row on the tables that mark it.
inline constexpr Rgb kGreyText = FromColorRef(0x99A8AC);
inline constexpr Rgb kCurrentRowHeading = FromColorRef(0xC0C0C0);

enum class CellKind { Text, Check, DropList };

struct GridColumn {
  std::string heading;
  CellKind kind = CellKind::Text;
  // Per character of the editor: '9' a digit, 'a' a letter or digit, 'h' a
  // hexadecimal digit; the mask's length limits the text. Empty: any text.
  std::string inputMask;
  int width = 0;
  std::vector<std::string> items;  // the entries of a drop list
};

struct GridCell {
  std::string text;  // a drop list cell holds its entry's text
  bool checked = false;
  Rgb textColour = FromColorRef(0x000000);
  Rgb backColour = FromColorRef(0xFFFFFF);
};

struct CellRef {
  int column = -1;
  int row = -1;
  friend bool operator==(const CellRef&, const CellRef&) = default;
};

struct GridFont {
  std::string family;
  int height = 0;
  int weight = 400;
};

enum class GridKey { Tab, Delete, Space, Enter };
enum class GridCommand { Cut, Copy, Paste };

// The text the grids copy and paste, one entry per format: a grid's own
// clipboard, shared by all grids of the process. A window toolkit may put
// it on the system's clipboard instead (SetBackend), so that the entries
// reach other programs and come back from them.
class GridClipboard {
 public:
  struct Backend {
    std::function<void(const std::string& format, const std::string& data)> put;
    std::function<std::optional<std::string>(const std::string& format)> get;
  };
  void SetBackend(Backend backend) { backend_ = std::move(backend); }

  void Put(const std::string& format, std::string data);
  std::optional<std::string> Get(const std::string& format) const;
  void Clear() { data_.clear(); }

 private:
  std::map<std::string, std::string> data_;
  Backend backend_;
};
GridClipboard& SharedGridClipboard();

// Text fitted to an input mask: characters the mask refuses are dropped and
// the text is cut to the mask's length.
std::string FitToMask(std::string_view mask, std::string_view typed);

class GridModel {
 public:
  using Listener = std::function<void()>;

  GridModel(std::vector<GridColumn> columns, int rows);
  virtual ~GridModel() = default;
  GridModel(const GridModel&) = delete;
  GridModel& operator=(const GridModel&) = delete;

  // --- Layout
  int Rows() const { return rows_; }
  int Columns() const { return static_cast<int>(columns_.size()); }
  const GridColumn& Column(int column) const {
    return columns_.at(static_cast<std::size_t>(column));
  }
  // "1" to the row count.
  std::string RowHeading(int row) const { return std::to_string(row + 1); }
  int rowHeadingWidth = 25;
  GridFont font;
  // The heading cell of the current row is drawn on this colour, if set.
  std::optional<Rgb> currentRowHeading;

  // --- Cells
  bool Holds(CellRef cell) const;
  const GridCell& Cell(CellRef cell) const;
  const std::string& Text(int column, int row) const { return Cell({column, row}).text; }
  bool Checked(int column, int row) const { return Cell({column, row}).checked; }
  void SetText(CellRef cell, std::string text);
  void SetChecked(CellRef cell, bool checked);
  // Every cell's colours, or one cell's.
  void SetColours(Rgb text, Rgb back);
  void SetCellColours(CellRef cell, Rgb text, Rgb back);
  // Check marks are drawn greyed and nothing can be edited while not editable.
  bool Editable() const { return editable_; }
  void SetEditable(bool editable);
  // The editable flag and every cell's colours that show it: black on white,
  // or grey on 0xD8E9EC.
  void SetEditableShown(bool editable);

  // --- Current cell and selection (a block of cells; the current cell alone
  // unless a block was chosen).
  CellRef Current() const { return current_; }
  void SetCurrent(CellRef cell);
  void Select(CellRef from, CellRef to);
  bool Selected(CellRef cell) const;
  // The rows with at least one selected cell, in order.
  std::vector<int> SelectedRows() const;

  // --- The edit cycle
  bool Editing() const { return editing_; }
  CellRef EditCell() const { return editCell_; }
  const std::string& EditText() const { return editText_; }
  // Opens the editor on `cell` with its text; false when the grid or the
  // cell refuses.
  bool StartEdit(CellRef cell);
  // A keystroke in the editor: the whole editor text, fitted to the mask.
  void SetEditText(std::string_view text);
  // True when the edit was taken (or no edit was open).
  bool FinishEdit();
  void CancelEdit();

  // --- The user's events (the view forwards them)
  void Click(CellRef cell);
  void DoubleClick(CellRef cell);
  // Printable text (one character, UTF-8) typed on the grid outside an
  // editor: it opens the editor on the current cell with that text.
  void Type(std::string_view typed);
  // True when the grid handled the key.
  bool Key(GridKey key);
  // Ctrl with a letter: 'C' copy, 'X' cut, 'V' paste (on grids that take
  // them).
  bool ControlKey(char letter);
  // The context menu's commands (none: no menu).
  virtual std::vector<GridCommand> ContextMenu() const { return {}; }
  void Command(GridCommand command);

  // --- Clipboard operations on the selection
  void Copy();
  // Copies, then clears the selection (a grid may clear more).
  virtual void Cut();
  void Paste();
  // Clears the text and marks of the selected cells.
  void ClearSelection();

  // Asks the view to scroll `row` to the top; the view takes the request
  // once when it redraws.
  void ScrollTo(int row) { scrollTo_ = row; }
  std::optional<int> TakeScrollRequest() { return std::exchange(scrollTo_, std::nullopt); }

  // Called after every change of the grid's data.
  void SetChangeListener(Listener listener) { listener_ = std::move(listener); }
  void Changed();
  // Changed(), unless no cell, colour or the editable flag took a new value
  // since the last call (a table shown again as it was is not drawn again);
  // the rows that did are then the only ones the view draws again.
  void ChangedIfAltered();
  // The rows the last change notice concerns, first and last (none: all of
  // them), asked for once.
  std::optional<std::pair<int, int>> TakeAlteredRows() {
    return std::exchange(alteredRows_, std::nullopt);
  }

 protected:
  // Whether a click, a double click or a typed character opens the editor.
  virtual bool EditsOnClick(CellRef) const { return false; }
  virtual bool EditsOnDoubleClick(CellRef) const { return false; }
  virtual bool EditsOnTyping(CellRef) const { return false; }
  // The edited text is about to be stored: false refuses (the hook shows why).
  virtual bool ValidateEdit(CellRef, const std::string&) { return true; }
  virtual void EditAccepted(CellRef, const std::string&) {}
  // A character started an edit.
  virtual void EditTyped(CellRef) {}
  // Every change of the editor's text, typed or pasted.
  virtual void EditKeystroke(CellRef) {}
  // A double click on a cell, before any edit it opens.
  virtual void DoubleClicked(CellRef) {}
  // A mouse press, Space or Enter on a check cell.
  virtual void CheckPressed(CellRef cell) { SetChecked(cell, !Cell(cell).checked); }
  // The Delete key.
  virtual void DeletePressed() { ClearSelection(); }
  // Whether Ctrl+C, Ctrl+X and Ctrl+V work on this grid.
  virtual bool TakesClipboardKeys() const { return false; }
  // After any key or command the grid handled.
  virtual void KeyHandled() {}
  // The cell Tab moves to: by default the next cell of the row, then the
  // first of the next row, from the last back to the first.
  virtual CellRef NextCell(CellRef cell) const;
  // The clipboard entry of this grid and its contents; a grid with records
  // of its own overrides all three.
  virtual std::string ClipboardFormat() const { return "GridText"; }
  virtual std::string CopyData() const;
  virtual void PasteData(const std::string& data);

 private:
  std::size_t IndexOf(CellRef cell) const;
  GridCell& At(CellRef cell);

  std::vector<GridColumn> columns_;
  int rows_;
  std::vector<GridCell> cells_;
  bool editable_ = true;
  CellRef current_{0, 0};
  CellRef selectFrom_{0, 0};
  CellRef selectTo_{0, 0};
  bool editing_ = false;
  CellRef editCell_;
  std::string editText_;
  std::string textBeforeEdit_;
  std::optional<int> scrollTo_;
  bool altered_ = false;
  // The rows of the new values since the last notice (none: all).
  std::optional<std::pair<int, int>> pendingRows_;
  std::optional<std::pair<int, int>> alteredRows_;
  void Alter(int row);
  void AlterAll();
  Listener listener_;
};

}  // namespace gw::pages
