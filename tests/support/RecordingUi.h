#pragma once
// A user interface for tests: records every call and answers from a script.

#include <deque>
#include <string>
#include <vector>

#include "model/UserInterface.h"

namespace gw::test {

class RecordingUi : public UserInterface {
 public:
  struct Notice {
    int message;
    int wParam;
    std::string text;
  };

  Answer Message(const std::string& text, Buttons buttons, Icon,
                 std::optional<Answer> defaultButton = std::nullopt) override {
    messages.push_back(text);
    // Unscripted, the user presses Enter.
    if (answers.empty()) return DefaultAnswer(buttons, defaultButton);
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  void ProgressOpen(const std::string& title, const std::string& text, int lower, int upper,
                    int) override {
    progress.push_back("open " + title + "|" + text + " " + std::to_string(lower) + "-" +
                       std::to_string(upper));
  }
  void ProgressStep() override { progress.push_back("step"); }
  void ProgressSetPosition(int position) override {
    progress.push_back("pos " + std::to_string(position));
  }
  void ProgressClose() override { progress.push_back("close"); }
  std::optional<std::string> ChooseFileToSave(const FileDialog& dialog) override {
    dialogs.push_back(dialog);
    if (files.empty()) return std::nullopt;
    std::string f = files.front();
    files.pop_front();
    return f;
  }
  std::optional<std::string> ChooseFileToOpen(const FileDialog& dialog) override {
    return ChooseFileToSave(dialog);
  }
  void NotifyHost(int message, int wParam, const std::string& text) override {
    notices.push_back({message, wParam, text});
  }

  std::deque<Answer> answers;     // to questions in turn; then each box's default
  std::deque<std::string> files;  // to the file dialogs in turn; then a cancel

  std::vector<std::string> messages;
  std::vector<FileDialog> dialogs;
  std::vector<Notice> notices;
  // "open <title>|<text> <lower>-<upper>", "step", "pos N", "close"
  std::vector<std::string> progress;
};

}  // namespace gw::test
