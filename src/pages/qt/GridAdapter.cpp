#include "GridAdapter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMimeData>

#include "model/Texts.h"
#include "pages/qt/ControlMirror.h"

namespace gw::pages {

namespace {

QColor ColourOf(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

const char* CommandText(GridCommand command) {
  switch (command) {
    case GridCommand::Cut:
      return text::kCut;
    case GridCommand::Copy:
      return text::kCopy;
    case GridCommand::Paste:
      return text::kPaste;
  }
  return "";
}

// A grid's clipboard entry as MIME data of the system's clipboard: the
// format by name, as Qt registers a named clipboard format on Windows.
QString MimeType(const std::string& format) {
  return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"")
      .arg(QString::fromStdString(format));
}

void UseSystemClipboard() {
  SharedGridClipboard().SetBackend(
      {[](const std::string& format, const std::string& data) {
         auto* mime = new QMimeData;
         mime->setData(MimeType(format), QByteArray(data.data(), static_cast<int>(data.size())));
         QGuiApplication::clipboard()->setMimeData(mime);
       },
       [](const std::string& format) -> std::optional<std::string> {
         const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
         if (mime == nullptr || !mime->hasFormat(MimeType(format))) return std::nullopt;
         return mime->data(MimeType(format)).toStdString();
       }});
}

}  // namespace

CGridAdapter::CGridAdapter(GridModel& model, widgets::CGridView* view)
    : model_(model), view_(view) {
  static const bool systemClipboard = (UseSystemClipboard(), true);
  (void)systemClipboard;
  model_.SetChangeListener([this] { view_->Refresh(); });
  if (!model_.font.family.empty()) {
    QFont font(QString::fromStdString(model_.font.family));
    font.setPixelSize(model_.font.height);
    view_->setFont(font);
    view_->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 6);
  }
  view_->SetSource(this);
}

CGridAdapter::~CGridAdapter() {
  model_.SetChangeListener({});
  view_->SetSource(nullptr);
}

QString CGridAdapter::Heading(int column) const {
  return Translated(model_.Column(column).heading);
}

QColor CGridAdapter::CurrentRowHeading() const {
  return model_.currentRowHeading ? ColourOf(*model_.currentRowHeading) : QColor();
}

widgets::GridCellView CGridAdapter::Cell(int column, int row) const {
  const GridCell& cell = model_.Cell({column, row});
  widgets::GridCellView shown;
  shown.text = QString::fromStdString(cell.text);
  switch (model_.Column(column).kind) {
    case CellKind::Text:
      shown.kind = widgets::GridCellView::Kind::Text;
      break;
    case CellKind::Check:
      shown.kind = widgets::GridCellView::Kind::Check;
      break;
    case CellKind::DropList:
      shown.kind = widgets::GridCellView::Kind::DropList;
      break;
  }
  shown.checked = cell.checked;
  shown.textColour = ColourOf(cell.textColour);
  shown.backColour = ColourOf(cell.backColour);
  return shown;
}

QStringList CGridAdapter::Items(int column) const {
  QStringList items;
  for (const std::string& item : model_.Column(column).items) items.push_back(Translated(item));
  return items;
}

bool CGridAdapter::KeyPressed(Key key) {
  switch (key) {
    case Key::Tab:
      return model_.Key(GridKey::Tab);
    case Key::Delete:
      return model_.Key(GridKey::Delete);
    case Key::Space:
      return model_.Key(GridKey::Space);
    case Key::Enter:
      return model_.Key(GridKey::Enter);
  }
  return false;
}

QStringList CGridAdapter::ContextMenu() const {
  QStringList texts;
  for (GridCommand command : model_.ContextMenu())
    texts.push_back(Translated(CommandText(command)));
  return texts;
}

void CGridAdapter::Command(int index) {
  const std::vector<GridCommand> commands = model_.ContextMenu();
  if (index >= 0 && index < static_cast<int>(commands.size())) {
    model_.Command(commands[static_cast<std::size_t>(index)]);
  }
}

}  // namespace gw::pages
