#include "Dialogs.h"

#include <QFileDialog>
#include <QList>
#include <QMessageBox>
#include <QStringList>

#include "MainFrame.h"

namespace af {

namespace {

MessageBoxHook& BoxHook() {
  static MessageBoxHook hook;
  return hook;
}

FileDialogHook& FileHook() {
  static FileDialogHook hook;
  return hook;
}

QMessageBox::Icon IconOf(unsigned type) {
  switch (type & 0xF0) {
    case MB_ICONERROR:
      return QMessageBox::Critical;
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONWARNING:
      return QMessageBox::Warning;
    case MB_ICONINFORMATION:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// The buttons in the order the type lists them.
QList<QMessageBox::StandardButton> ButtonOrder(unsigned type) {
  switch (type & 0x0F) {
    case MB_OKCANCEL:
      return {QMessageBox::Ok, QMessageBox::Cancel};
    case MB_YESNOCANCEL:
      return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case MB_YESNO:
      return {QMessageBox::Yes, QMessageBox::No};
    default:
      return {QMessageBox::Ok};
  }
}

QMessageBox::StandardButton DefaultButtonOf(unsigned type) {
  const QList<QMessageBox::StandardButton> order = ButtonOrder(type);
  const auto position = static_cast<qsizetype>((type & 0xF00) >> 8);
  return position < order.size() ? order.at(position) : order.constFirst();
}

int AnswerOf(int button) {
  switch (button) {
    case QMessageBox::Cancel:
      return IDCANCEL;
    case QMessageBox::Yes:
      return IDYES;
    case QMessageBox::No:
      return IDNO;
    default:
      return IDOK;
  }
}

}  // namespace

int AfxMessageBox(const QString& text, unsigned type) {
  if (BoxHook()) return BoxHook()(text, type);
  QWidget* parent = AfxGetMainWnd();
  const QString caption = parent ? parent->windowTitle() : QString();
  QMessageBox box(IconOf(type), caption, text, QMessageBox::NoButton, parent);
  for (const QMessageBox::StandardButton button : ButtonOrder(type)) box.addButton(button);
  box.setDefaultButton(DefaultButtonOf(type));
  return AnswerOf(box.exec());
}

MessageBoxHook AfxSetMessageBoxHook(MessageBoxHook hook) {
  return std::exchange(BoxHook(), std::move(hook));
}

std::optional<QString> AfxDoFileDialog(const FileDialogOptions& options) {
  if (FileHook()) return FileHook()(options);
  QFileDialog dialog(AfxGetMainWnd());
  dialog.setAcceptMode(options.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(options.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setNameFilter(QtFilterFromPairs(options.filter));
  dialog.setDefaultSuffix(options.defaultExtension);
  if (!options.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!options.fileName.isEmpty()) dialog.selectFile(options.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

FileDialogHook AfxSetFileDialogHook(FileDialogHook hook) {
  return std::exchange(FileHook(), std::move(hook));
}

QString QtFilterFromPairs(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& name = parts.at(i);
    const QString patterns = QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' '));
    if (name.isEmpty() || patterns.isEmpty()) break;
    filters << (name.contains(QLatin1Char('('))
                    ? name
                    : name + QStringLiteral(" (") + patterns + QLatin1Char(')'));
  }
  if (filters.isEmpty()) filters << QStringLiteral("All Files (*)");
  return filters.join(QStringLiteral(";;"));
}

}  // namespace af
