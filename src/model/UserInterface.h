#pragma once
// Everything the core needs from a user: message boxes, progress windows,
// file choices and notices to the host. The desktop program implements it with
// Qt, the command-line tool on a terminal, and the tests record every call.

#include <optional>
#include <string>

namespace gw {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Warning, Error, Question };
enum class Answer { Ok, Cancel, Yes, No };

struct FileDialog {
  std::string defaultExtension;  // "mod"
  std::string filter;            // "NXG4120 Config File (*.mod)|*.mod||"
  bool confirmOverwrite = false;
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  virtual Answer Message(const std::string& text, Buttons buttons = Buttons::Ok,
                         Icon icon = Icon::None) = 0;

  // A modal progress window with a caption "<title> [<percent>%]", one line of
  // text and a bar running over [lower, upper].
  virtual void ProgressOpen(const std::string& title, const std::string& text, int lower,
                            int upper, int step) = 0;
  virtual void ProgressStep() = 0;
  virtual void ProgressSetPosition(int position) = 0;
  virtual void ProgressClose() = 0;

  // A path, or nothing when the user cancels.
  virtual std::optional<std::string> ChooseFileToSave(const FileDialog& dialog) = 0;
  virtual std::optional<std::string> ChooseFileToOpen(const FileDialog& dialog) = 0;

  // A message to the host's main window (message number, word parameter, and
  // the text its long parameter points to, if any).
  virtual void NotifyHost(int message, int wParam, const std::string& text) = 0;
};

}  // namespace gw
