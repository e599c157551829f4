#include "GridModel.h"

#include <algorithm>
#include <cctype>

namespace gw::pages {

namespace {

bool MaskTakes(char mask, char c) {
  const auto u = static_cast<unsigned char>(c);
  switch (mask) {
    case '9':
      return std::isdigit(u) != 0;
    case 'a':
      return std::isalnum(u) != 0;
    case 'h':
      return std::isxdigit(u) != 0;
    default:
      return true;
  }
}

// Empty parts are kept, but not the one after a final separator.
std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find(separator, start), text.size());
    parts.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (end + 1 == text.size() && separator == '\t') parts.emplace_back();
  }
  return parts;
}

}  // namespace

void GridClipboard::Put(const std::string& format, std::string data) {
  if (backend_.put) {
    backend_.put(format, data);
  } else {
    data_[format] = std::move(data);
  }
}

std::optional<std::string> GridClipboard::Get(const std::string& format) const {
  if (backend_.get) return backend_.get(format);
  const auto found = data_.find(format);
  if (found == data_.end()) return std::nullopt;
  return found->second;
}

GridClipboard& SharedGridClipboard() {
  static GridClipboard clipboard;
  return clipboard;
}

std::string FitToMask(std::string_view mask, std::string_view typed) {
  if (mask.empty()) return std::string(typed);
  std::string out;
  for (char c : typed) {
    if (out.size() == mask.size()) break;
    if (MaskTakes(mask[out.size()], c)) out.push_back(c);
  }
  return out;
}

GridModel::GridModel(std::vector<GridColumn> columns, int rows)
    : columns_(std::move(columns)),
      rows_(rows),
      cells_(columns_.size() * static_cast<std::size_t>(rows)) {}

bool GridModel::Holds(CellRef cell) const {
  return cell.column >= 0 && cell.column < Columns() && cell.row >= 0 && cell.row < rows_;
}

std::size_t GridModel::IndexOf(CellRef cell) const {
  return static_cast<std::size_t>(cell.row) * columns_.size() +
         static_cast<std::size_t>(cell.column);
}

const GridCell& GridModel::Cell(CellRef cell) const { return cells_.at(IndexOf(cell)); }

GridCell& GridModel::At(CellRef cell) { return cells_.at(IndexOf(cell)); }

namespace {

// Sets `field` to `value`; true when that changed it.
template <typename T>
bool Assign(T& field, T value) {
  if (field == value) return false;
  field = std::move(value);
  return true;
}

}  // namespace

void GridModel::Alter(int row) {
  if (!altered_) {
    pendingRows_ = std::pair{row, row};
  } else if (pendingRows_) {
    pendingRows_ =
        std::pair{std::min(pendingRows_->first, row), std::max(pendingRows_->second, row)};
  }
  altered_ = true;
}

void GridModel::AlterAll() {
  altered_ = true;
  pendingRows_.reset();
}

void GridModel::SetText(CellRef cell, std::string text) {
  if (Holds(cell) && Assign(At(cell).text, std::move(text))) Alter(cell.row);
}

void GridModel::SetChecked(CellRef cell, bool checked) {
  if (Holds(cell) && Assign(At(cell).checked, checked)) Alter(cell.row);
}

void GridModel::SetColours(Rgb text, Rgb back) {
  bool any = false;
  for (GridCell& cell : cells_) {
    any |= Assign(cell.textColour, text);
    any |= Assign(cell.backColour, back);
  }
  if (any) AlterAll();
}

void GridModel::SetCellColours(CellRef cell, Rgb text, Rgb back) {
  if (!Holds(cell)) return;
  const bool textAltered = Assign(At(cell).textColour, text);
  if (Assign(At(cell).backColour, back) || textAltered) Alter(cell.row);
}

void GridModel::SetEditableShown(bool editable) {
  SetEditable(editable);
  if (editable) {
    SetColours(FromColorRef(0x000000), FromColorRef(0xFFFFFF));
  } else {
    SetColours(kGreyText, FromColorRef(0xD8E9EC));
  }
}

void GridModel::SetEditable(bool editable) {
  if (Assign(editable_, editable)) AlterAll();
  if (!editable) editing_ = false;
}

void GridModel::SetCurrent(CellRef cell) {
  if (!Holds(cell)) return;
  current_ = cell;
  selectFrom_ = selectTo_ = cell;
}

void GridModel::Select(CellRef from, CellRef to) {
  if (!Holds(from) || !Holds(to)) return;
  current_ = from;
  selectFrom_ = from;
  selectTo_ = to;
}

bool GridModel::Selected(CellRef cell) const {
  const auto [c0, c1] = std::minmax(selectFrom_.column, selectTo_.column);
  const auto [r0, r1] = std::minmax(selectFrom_.row, selectTo_.row);
  return cell.column >= c0 && cell.column <= c1 && cell.row >= r0 && cell.row <= r1;
}

std::vector<int> GridModel::SelectedRows() const {
  std::vector<int> rows;
  for (int r = std::min(selectFrom_.row, selectTo_.row);
       r <= std::max(selectFrom_.row, selectTo_.row); ++r) {
    rows.push_back(r);
  }
  return rows;
}

bool GridModel::StartEdit(CellRef cell) {
  if (!editable_ || !Holds(cell) || Column(cell.column).kind == CellKind::Check) return false;
  if (editing_ && !FinishEdit()) return false;
  SetCurrent(cell);
  editing_ = true;
  editCell_ = cell;
  textBeforeEdit_ = editText_ = Cell(cell).text;
  Changed();
  return true;
}

void GridModel::SetEditText(std::string_view text) {
  if (!editing_) return;
  editText_ = FitToMask(Column(editCell_.column).inputMask, text);
  EditKeystroke(editCell_);
}

bool GridModel::FinishEdit() {
  if (!editing_) return true;
  if (!ValidateEdit(editCell_, editText_)) {
    editText_ = textBeforeEdit_;
    Changed();
    return false;
  }
  editing_ = false;
  At(editCell_).text = editText_;
  EditAccepted(editCell_, editText_);
  Changed();
  return true;
}

void GridModel::CancelEdit() {
  if (!editing_) return;
  editing_ = false;
  Changed();
}

void GridModel::Click(CellRef cell) {
  if (!Holds(cell)) return;
  if (editing_ && editCell_ != cell && !FinishEdit()) return;
  SetCurrent(cell);
  if (Column(cell.column).kind == CellKind::Check) {
    if (editable_) CheckPressed(cell);
  } else if (EditsOnClick(cell)) {
    StartEdit(cell);
  }
  Changed();
}

void GridModel::DoubleClick(CellRef cell) {
  if (!Holds(cell)) return;
  DoubleClicked(cell);
  if (EditsOnDoubleClick(cell)) StartEdit(cell);
}

void GridModel::Type(std::string_view typed) {
  if (editing_ || !EditsOnTyping(current_) || !StartEdit(current_)) return;
  SetEditText(typed);
  EditTyped(current_);
  KeyHandled();
  Changed();
}

bool GridModel::Key(GridKey key) {
  switch (key) {
    case GridKey::Tab:
      if (!FinishEdit()) return true;
      SetCurrent(NextCell(current_));
      break;
    case GridKey::Delete:
      if (editing_ || !editable_) return false;
      DeletePressed();
      break;
    case GridKey::Space:
    case GridKey::Enter:
      if (editing_) {
        if (key == GridKey::Enter) FinishEdit();
        return key == GridKey::Enter;
      }
      if (!editable_ || Column(current_.column).kind != CellKind::Check) return false;
      CheckPressed(current_);
      break;
  }
  KeyHandled();
  Changed();
  return true;
}

bool GridModel::ControlKey(char letter) {
  if (editing_ || !editable_ || !TakesClipboardKeys()) return false;
  switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'C':
      Command(GridCommand::Copy);
      return true;
    case 'X':
      Command(GridCommand::Cut);
      return true;
    case 'V':
      Command(GridCommand::Paste);
      return true;
    default:
      return false;
  }
}

void GridModel::Command(GridCommand command) {
  if (!editable_) return;
  switch (command) {
    case GridCommand::Copy:
      Copy();
      break;
    case GridCommand::Cut:
      Cut();
      break;
    case GridCommand::Paste:
      Paste();
      break;
  }
  KeyHandled();
  Changed();
}

void GridModel::Copy() { SharedGridClipboard().Put(ClipboardFormat(), CopyData()); }

void GridModel::Cut() {
  Copy();
  ClearSelection();
}

void GridModel::Paste() {
  if (const auto data = SharedGridClipboard().Get(ClipboardFormat())) PasteData(*data);
}

void GridModel::ClearSelection() {
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < Columns(); ++c) {
      if (!Selected({c, r})) continue;
      At({c, r}).text.clear();
      At({c, r}).checked = false;
    }
  }
  Changed();
}

void GridModel::Changed() {
  altered_ = false;
  pendingRows_.reset();
  alteredRows_.reset();
  if (listener_) listener_();
}

void GridModel::ChangedIfAltered() {
  if (!altered_) return;
  const auto rows = pendingRows_;
  altered_ = false;
  pendingRows_.reset();
  alteredRows_ = rows;
  if (listener_) listener_();
}

CellRef GridModel::NextCell(CellRef cell) const {
  if (cell.column + 1 < Columns()) return {cell.column + 1, cell.row};
  return {0, cell.row + 1 < rows_ ? cell.row + 1 : 0};
}

// One line per selected row, the selected cells of a row separated by tabs.
std::string GridModel::CopyData() const {
  std::string data;
  for (int r = 0; r < rows_; ++r) {
    std::string line;
    bool any = false;
    for (int c = 0; c < Columns(); ++c) {
      if (!Selected({c, r})) continue;
      if (any) line += '\t';
      line += Cell({c, r}).text;
      any = true;
    }
    if (any) data += line + '\n';
  }
  return data;
}

// From the selection's first cell on, cut at the grid's edges; text cells
// only, each fitted to its column's mask.
void GridModel::PasteData(const std::string& data) {
  const CellRef origin{std::min(selectFrom_.column, selectTo_.column),
                       std::min(selectFrom_.row, selectTo_.row)};
  const std::vector<std::string> lines = Split(data, '\n');
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::vector<std::string> fields = Split(lines[i], '\t');
    for (std::size_t j = 0; j < fields.size(); ++j) {
      const CellRef cell{origin.column + static_cast<int>(j), origin.row + static_cast<int>(i)};
      if (!Holds(cell) || Column(cell.column).kind != CellKind::Text) continue;
      At(cell).text = FitToMask(Column(cell.column).inputMask, fields[j]);
    }
  }
}

}  // namespace gw::pages
