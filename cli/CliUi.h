#pragma once
// The core's user interface on a terminal: messages to standard error with the
// same texts as the desktop program, a progress bar when standard error is a
// terminal, and questions answered at a prompt (or by --yes).

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/UserInterface.h"

namespace gw::cli {

class CliUi : public UserInterface {
 public:
  // assumeYes answers every question with Yes (or Ok).
  explicit CliUi(bool assumeYes = false);

  // A question is asked at a prompt whose capital letter is the default:
  // an empty answer takes it.
  Answer Message(const std::string& text, Buttons buttons, Icon icon,
                 std::optional<Answer> defaultButton = std::nullopt) override;
  void ProgressOpen(const std::string& title, const std::string& text, int lower, int upper,
                    int step) override;
  void ProgressStep() override;
  void ProgressSetPosition(int position) override;
  void ProgressClose() override;
  std::optional<std::string> ChooseFileToSave(const FileDialog& dialog) override;
  std::optional<std::string> ChooseFileToOpen(const FileDialog& dialog) override;
  void NotifyHost(int message, int wParam, const std::string& text) override;

  void SetAssumeYes(bool yes) { assumeYes_ = yes; }
  // The file the next open dialog chooses (the command line names it).
  void SetFileToOpen(std::string path) { fileToOpen_ = std::move(path); }
  // The last message shown, for the one-line reason of a failed command.
  const std::string& LastMessage() const { return lastMessage_; }
  // Every message shown in this run, in order.
  const std::vector<std::string>& Messages() const { return messages_; }
  // Messages are kept but not printed.
  void SetQuiet(bool quiet) { quiet_ = quiet; }

 private:
  void DrawProgress();
  bool assumeYes_;
  std::optional<std::string> fileToOpen_;
  bool terminal_;
  std::string lastMessage_;
  std::vector<std::string> messages_;
  bool quiet_ = false;
  std::string title_, text_;
  int lower_ = 0, upper_ = 1, step_ = 1, position_ = 0;
  bool progressOpen_ = false;
};

// A password typed at the terminal without echo, or taken from the variable
// `variable`. Empty optional when neither is available.
std::optional<std::string> ReadPassword(const std::string& prompt,
                                        const char* variable = "NXGCFG_PASSWORD");

}  // namespace gw::cli
