#include "GridView.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QStyledItemDelegate>
#include <algorithm>

namespace gw::widgets {

// The source's cells as a Qt table.
class CGridView::TableModel : public QAbstractTableModel {
 public:
  explicit TableModel(QObject* parent) : QAbstractTableModel(parent) {}

  void SetSource(GridSource* source) {
    beginResetModel();
    source_ = source;
    endResetModel();
  }
  // The rows `from` to `to`, or all of them.
  void ShowAgain(std::optional<std::pair<int, int>> rows) {
    if (source_ == nullptr || rowCount() == 0 || columnCount() == 0) return;
    const int first = rows ? std::max(rows->first, 0) : 0;
    const int last = rows ? std::min(rows->second, rowCount() - 1) : rowCount() - 1;
    if (first <= last) emit dataChanged(index(first, 0), index(last, columnCount() - 1));
    if (!rows) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return source_ == nullptr || parent.isValid() ? 0 : source_->Rows();
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return source_ == nullptr || parent.isValid() ? 0 : source_->Columns();
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (source_ == nullptr || !index.isValid()) return {};
    const GridCellView cell = source_->Cell(index.column(), index.row());
    const bool check = cell.kind == GridCellView::Kind::Check;
    switch (role) {
      case Qt::DisplayRole:
        return check ? QVariant() : QVariant(cell.text);
      case Qt::CheckStateRole:
        return check ? QVariant(cell.checked ? Qt::Checked : Qt::Unchecked) : QVariant();
      case Qt::ForegroundRole:
        return cell.textColour;
      case Qt::BackgroundRole:
        return cell.backColour;
      case Qt::TextAlignmentRole:
        return check ? QVariant(Qt::AlignCenter) : QVariant();
      default:
        return {};
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (source_ == nullptr) return {};
    if (role == Qt::DisplayRole) {
      return orientation == Qt::Horizontal ? source_->Heading(section)
                                           : source_->RowHeading(section);
    }
    if (role == Qt::BackgroundRole && orientation == Qt::Vertical &&
        section == source_->CurrentRow() && source_->CurrentRowHeading().isValid()) {
      return source_->CurrentRowHeading();
    }
    return {};
  }

  Qt::ItemFlags flags(const QModelIndex& index) const override {
    if (source_ == nullptr || !index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const bool check = source_->Cell(index.column(), index.row()).kind == GridCellView::Kind::Check;
    // Check marks are drawn greyed while the grid is not editable.
    if (check && !source_->Editable()) flags &= ~Qt::ItemIsEnabled;
    if (source_->Editing() && source_->EditRow() == index.row() &&
        source_->EditColumn() == index.column()) {
      flags |= Qt::ItemIsEditable;
    }
    return flags;
  }

 private:
  GridSource* source_ = nullptr;
};

// The editors: they report every keystroke and the end of the edit to the
// source, and stay open when it refuses.
class CGridView::Delegate : public QStyledItemDelegate {
 public:
  explicit Delegate(CGridView* view) : QStyledItemDelegate(view), view_(view) {}

  QWidget* Open() const { return editor_; }
  void Close() {
    if (editor_ == nullptr) return;
    QWidget* editor = editor_;
    editor_ = nullptr;
    emit closeEditor(editor, NoHint);
  }

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    GridSource* source = view_->Source();
    if (source->Cell(index.column(), index.row()).kind == GridCellView::Kind::DropList) {
      auto* list = new QComboBox(parent);
      list->addItems(source->Items(index.column()));
      list->setCurrentText(source->EditText());
      connect(list, &QComboBox::activated, list, [this, list] {
        view_->Source()->SetEditText(list->currentText());
        view_->delegate_->Finish(list, false);
      });
      editor_ = list;
    } else {
      auto* edit = new QLineEdit(parent);
      edit->setText(source->EditText());
      connect(edit, &QLineEdit::textEdited, edit, [this, edit](const QString& typed) {
        GridSource* s = view_->Source();
        s->SetEditText(typed);
        // The source keeps to the column's mask.
        if (s->EditText() != typed) edit->setText(s->EditText());
      });
      editor_ = edit;
    }
    editor_->installEventFilter(view_->delegate_);
    return editor_;
  }
  void setEditorData(QWidget*, const QModelIndex&) const override {}
  void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

  // Puts the source's editor text into the open editor.
  void ShowEditText() {
    const QString text = view_->Source()->EditText();
    if (auto* edit = qobject_cast<QLineEdit*>(editor_.data());
        edit != nullptr && edit->text() != text) {
      edit->setText(text);
    }
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor == nullptr || editor != editor_ || view_->Source() == nullptr) return false;
    if (event->type() == QEvent::KeyPress) {
      switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
          Finish(editor, false);
          return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
          Finish(editor, true);
          return true;
        case Qt::Key_Escape:
          view_->Source()->CancelEdit();
          Close();
          view_->Refresh();
          return true;
        default:
          return false;
      }
    }
    if (event->type() == QEvent::FocusOut && !finishing_ && view_->Source()->Editing()) {
      Finish(editor, false);
      return false;
    }
    return false;
  }

 private:
  void Finish(QWidget* editor, bool tab) {
    if (finishing_) return;
    finishing_ = true;
    GridSource* source = view_->Source();
    const bool taken =
        tab ? (source->KeyPressed(GridSource::Key::Tab), !source->Editing()) : source->FinishEdit();
    finishing_ = false;
    if (taken) {
      if (editor_ == editor) Close();
    } else {
      ShowEditText();
      editor->setFocus();
    }
    view_->Refresh();
  }

  CGridView* view_;
  mutable QPointer<QWidget> editor_;
  bool finishing_ = false;
};

CGridView::CGridView(QWidget* parent)
    : QTableView(parent), model_(new TableModel(this)), delegate_(new Delegate(this)) {
  setModel(model_);
  setItemDelegate(delegate_);
  setEditTriggers(NoEditTriggers);
  setTabKeyNavigation(true);
  setSelectionMode(ContiguousSelection);
  // Rows as high as a line of text, like the grid control's.
  verticalHeader()->setMinimumSectionSize(0);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { FollowSelection(); });
}

CGridView::~CGridView() = default;

void CGridView::SetSource(GridSource* source) {
  source_ = source;
  model_->SetSource(source);
  if (source_ == nullptr) return;
  // The grid's widths, widened where this system's font would cut a heading.
  constexpr int kHeadingMargin = 12;
  // (in bold, as the current column's heading is drawn).
  QFont bold = horizontalHeader()->font();
  bold.setBold(true);
  const QFontMetrics heading(bold);
  for (int c = 0; c < source_->Columns(); ++c) {
    setColumnWidth(c, std::max(source_->ColumnWidth(c),
                               heading.horizontalAdvance(source_->Heading(c)) + kHeadingMargin));
  }
  verticalHeader()->setFixedWidth(source_->RowHeadingWidth());
  Refresh();
}

void CGridView::Refresh() {
  if (source_ == nullptr || refreshing_) return;
  refreshing_ = true;
  const auto rows = source_->TakeAlteredRows();
  model_->ShowAgain(rows);
  const QModelIndex current = model_->index(source_->CurrentRow(), source_->CurrentColumn());
  if (current.isValid() && currentIndex() != current) {
    // A block the user chose stays chosen; a single cell follows the source.
    const bool block = selectionModel()->selectedIndexes().size() > 1;
    selectionModel()->setCurrentIndex(
        current, block ? QItemSelectionModel::NoUpdate : QItemSelectionModel::ClearAndSelect);
  }
  FollowEditor();
  if (const auto row = source_->TakeScrollRow()) {
    scrollTo(model_->index(*row, 0), QAbstractItemView::PositionAtTop);
  }
  if (!rows) viewport()->update();
  refreshing_ = false;
}

QWidget* CGridView::Editor() const { return delegate_->Open(); }

void CGridView::FollowEditor() {
  if (!source_->Editing()) {
    delegate_->Close();
    return;
  }
  const QModelIndex cell = model_->index(source_->EditRow(), source_->EditColumn());
  if (Editor() == nullptr || indexWidget(cell) != Editor()) {
    delegate_->Close();
    edit(cell);
    if (Editor() != nullptr) Editor()->setFocus();
  }
  delegate_->ShowEditText();
}

void CGridView::FollowSelection() {
  if (source_ == nullptr || refreshing_) return;
  const QModelIndexList chosen = selectionModel()->selectedIndexes();
  if (chosen.isEmpty()) return;
  int c0 = chosen.front().column(), c1 = c0, r0 = chosen.front().row(), r1 = r0;
  for (const QModelIndex& i : chosen) {
    c0 = std::min(c0, i.column());
    c1 = std::max(c1, i.column());
    r0 = std::min(r0, i.row());
    r1 = std::max(r1, i.row());
  }
  if (c0 == c1 && r0 == r1) return;  // one cell: a click or a move says where
  source_->Select(c0, r0, c1, r1);
}

void CGridView::keyPressEvent(QKeyEvent* event) {
  if (source_ == nullptr) return QTableView::keyPressEvent(event);
  const bool control = event->modifiers() & Qt::ControlModifier;
  bool handled = false;
  if (control) {
    switch (event->key()) {
      case Qt::Key_C:
        handled = source_->ControlKey('C');
        break;
      case Qt::Key_X:
        handled = source_->ControlKey('X');
        break;
      case Qt::Key_V:
        handled = source_->ControlKey('V');
        break;
      default:
        break;
    }
  } else {
    switch (event->key()) {
      case Qt::Key_Tab:
      case Qt::Key_Backtab:
        handled = source_->KeyPressed(GridSource::Key::Tab);
        break;
      case Qt::Key_Delete:
        handled = source_->KeyPressed(GridSource::Key::Delete);
        break;
      case Qt::Key_Space:
        handled = source_->KeyPressed(GridSource::Key::Space);
        break;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        handled = source_->KeyPressed(GridSource::Key::Enter);
        break;
      default:
        if (!event->text().isEmpty() && event->text().front().isPrint()) {
          source_->Type(event->text());
          handled = true;
        }
        break;
    }
  }
  if (!handled) {
    QTableView::keyPressEvent(event);
    const QModelIndex moved = currentIndex();
    if (moved.isValid()) source_->Select(moved.column(), moved.row(), moved.column(), moved.row());
  }
  Refresh();
}

void CGridView::mousePressEvent(QMouseEvent* event) {
  QTableView::mousePressEvent(event);
  const QModelIndex cell = indexAt(event->position().toPoint());
  // Shift or Ctrl with a click chooses a block of cells; the selection
  // follows it.
  const bool choosing = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
  if (source_ != nullptr && cell.isValid() && event->button() == Qt::LeftButton && !choosing) {
    source_->Click(cell.column(), cell.row());
    Refresh();
  }
}

void CGridView::mouseDoubleClickEvent(QMouseEvent* event) {
  const QModelIndex cell = indexAt(event->position().toPoint());
  if (source_ != nullptr && cell.isValid()) {
    source_->DoubleClick(cell.column(), cell.row());
    Refresh();
  }
}

void CGridView::contextMenuEvent(QContextMenuEvent* event) {
  if (source_ == nullptr) return;
  const QStringList commands = source_->ContextMenu();
  if (commands.isEmpty()) return;
  QMenu menu(this);
  for (int i = 0; i < commands.size(); ++i) {
    menu.addAction(commands[i], this, [this, i] {
      source_->Command(i);
      Refresh();
    });
  }
  menu.exec(event->globalPos());
}

}  // namespace gw::widgets
