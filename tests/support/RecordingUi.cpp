#include "RecordingUi.h"

namespace gw::test {

Answer RecordingUi::Message(const std::string& text, Buttons buttons, Icon) {
  messages.push_back(text);
  if (!answers.empty()) {
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
}

void RecordingUi::ProgressOpen(const std::string& title, const std::string& text, int lower,
                               int upper, int) {
  progress.push_back("open " + title + "|" + text + " " + std::to_string(lower) + "-" +
                     std::to_string(upper));
}
void RecordingUi::ProgressStep() { progress.push_back("step"); }
void RecordingUi::ProgressSetPosition(int position) {
  progress.push_back("pos " + std::to_string(position));
}
void RecordingUi::ProgressClose() { progress.push_back("close"); }

std::optional<std::string> RecordingUi::ChooseFileToSave(const FileDialog& dialog) {
  dialogs.push_back(dialog);
  if (files.empty()) return std::nullopt;
  std::string f = files.front();
  files.pop_front();
  return f;
}

std::optional<std::string> RecordingUi::ChooseFileToOpen(const FileDialog& dialog) {
  return ChooseFileToSave(dialog);
}

void RecordingUi::NotifyHost(int message, int wParam, const std::string& text) {
  notices.push_back({message, wParam, text});
}

}  // namespace gw::test
