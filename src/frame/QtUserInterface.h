#pragma once
// The core's user interface in the desktop program: message boxes, the
// progress window, file dialogs and messages to the host's main window, all
// with the plug-in's texts in the chosen language.

#include <QString>
#include <memory>
#include <string>

#include "model/UserInterface.h"

namespace gw::widgets {
class CProgressWnd;
}

namespace gw::frame {

// A message of the core in the chosen language, values filled in after the
// pattern is translated.
QString TranslatedMessage(const std::string& text);

class CQtUserInterface : public UserInterface {
 public:
  CQtUserInterface();
  ~CQtUserInterface() override;

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

  // The open progress window, or null.
  widgets::CProgressWnd* Progress() const { return progress_.get(); }

 private:
  std::unique_ptr<widgets::CProgressWnd> progress_;
};

}  // namespace gw::frame
