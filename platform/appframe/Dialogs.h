#pragma once
// The framework's message box and file dialogs. Tests replace both through
// hooks so that nothing waits for a person.

#include <QString>
#include <functional>
#include <optional>

namespace af {

// Buttons and icons, combined.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_OKCANCEL = 0x01;
inline constexpr unsigned MB_YESNOCANCEL = 0x03;
inline constexpr unsigned MB_YESNO = 0x04;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
// The button that Enter presses: the first unless one of these says otherwise.
inline constexpr unsigned MB_DEFBUTTON1 = 0x000;
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;
inline constexpr unsigned MB_DEFBUTTON3 = 0x200;

// Answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Shows `text` in a modal message box over the main window and returns the
// button pressed.
int AfxMessageBox(const QString& text, unsigned type = MB_OK);

using MessageBoxHook = std::function<int(const QString& text, unsigned type)>;
// Replaces the message box (an empty hook restores it); returns the old hook.
MessageBoxHook AfxSetMessageBoxHook(MessageBoxHook hook);

struct FileDialogOptions {
  bool open = true;
  QString defaultExtension;  // without the dot
  QString filter;            // "Name (*.ext)|*.ext||"
  QString fileName;          // proposed name
  bool confirmOverwrite = true;
};

// The chosen path, or nothing when the user cancels.
std::optional<QString> AfxDoFileDialog(const FileDialogOptions& options);

using FileDialogHook = std::function<std::optional<QString>(const FileDialogOptions&)>;
FileDialogHook AfxSetFileDialogHook(FileDialogHook hook);

// "Name (*.ext)|*.ext|Other|*.x;*.y||" as the toolkit writes filters:
// "Name (*.ext);;Other (*.x *.y)".
QString QtFilterFromPairs(const QString& filter);

}  // namespace af
