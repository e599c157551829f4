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

// Whether a message box with `buttons` has the button of `answer`.
constexpr bool Offers(Buttons buttons, Answer answer) {
  switch (buttons) {
    case Buttons::Ok:
      return answer == Answer::Ok;
    case Buttons::OkCancel:
      return answer == Answer::Ok || answer == Answer::Cancel;
    case Buttons::YesNo:
      return answer == Answer::Yes || answer == Answer::No;
    case Buttons::YesNoCancel:
      return answer != Answer::Ok;
  }
  return false;
}

// The answer that Enter gives: `preferred` when the box offers it, otherwise
// its first button.
constexpr Answer DefaultAnswer(Buttons buttons, std::optional<Answer> preferred) {
  if (preferred && Offers(buttons, *preferred)) return *preferred;
  return Offers(buttons, Answer::Ok) ? Answer::Ok : Answer::Yes;
}

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // A message box; `defaultButton` is the one Enter presses (see
  // DefaultAnswer): a question whose Yes cannot be undone defaults to No.
  virtual Answer Message(const std::string& text, Buttons buttons = Buttons::Ok,
                         Icon icon = Icon::None,
                         std::optional<Answer> defaultButton = std::nullopt) = 0;

  // A modal progress window with a caption "<title> [<percent>%]", one line of
  // text and a bar running over [lower, upper].
  virtual void ProgressOpen(const std::string& title, const std::string& text, int lower, int upper,
                            int step) = 0;
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
