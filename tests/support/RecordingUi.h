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

  Answer Message(const std::string& text, Buttons buttons, Icon icon) override;
  void ProgressOpen(const std::string& title, const std::string& text, int lower, int upper,
                    int step) override;
  void ProgressStep() override;
  void ProgressSetPosition(int position) override;
  void ProgressClose() override;
  std::optional<std::string> ChooseFileToSave(const FileDialog& dialog) override;
  std::optional<std::string> ChooseFileToOpen(const FileDialog& dialog) override;
  void NotifyHost(int message, int wParam, const std::string& text) override;

  // Answers given to questions in turn; Ok (or Yes for a Yes/No box) when empty.
  std::deque<Answer> answers;
  // Paths given to the file dialogs in turn; a cancel when empty.
  std::deque<std::string> files;

  std::vector<std::string> messages;
  std::vector<FileDialog> dialogs;
  std::vector<Notice> notices;
  std::vector<std::string> progress;  // "open <title>|<text> <lower>-<upper>", "step", "pos N", "close"
};

}  // namespace gw::test
