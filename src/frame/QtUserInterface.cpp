#include "QtUserInterface.h"

#include "GwCfgApp.h"
#include "appframe/Dialogs.h"
#include "appframe/HostMessage.h"
#include "appframe/MainFrame.h"
#include "model/Texts.h"
#include "widgets/ProgressWnd.h"

namespace gw::frame {

namespace {

// The position of the button that Enter presses, counted as the box lists
// them (Ok, Cancel / Yes, No, Cancel).
unsigned DefaultButtonType(Buttons buttons, std::optional<Answer> preferred) {
  switch (DefaultAnswer(buttons, preferred)) {
    case Answer::Ok:
    case Answer::Yes:
      return af::MB_DEFBUTTON1;
    case Answer::No:
      return af::MB_DEFBUTTON2;
    case Answer::Cancel:
      return buttons == Buttons::OkCancel ? af::MB_DEFBUTTON2 : af::MB_DEFBUTTON3;
  }
  return af::MB_DEFBUTTON1;
}

unsigned MessageBoxType(Buttons buttons, Icon icon) {
  unsigned type = af::MB_OK;
  switch (buttons) {
    case Buttons::Ok:
      type = af::MB_OK;
      break;
    case Buttons::OkCancel:
      type = af::MB_OKCANCEL;
      break;
    case Buttons::YesNo:
      type = af::MB_YESNO;
      break;
    case Buttons::YesNoCancel:
      type = af::MB_YESNOCANCEL;
      break;
  }
  switch (icon) {
    case Icon::None:
      break;
    case Icon::Information:
      type |= af::MB_ICONINFORMATION;
      break;
    case Icon::Warning:
      type |= af::MB_ICONWARNING;
      break;
    case Icon::Error:
      type |= af::MB_ICONERROR;
      break;
    case Icon::Question:
      type |= af::MB_ICONQUESTION;
      break;
  }
  return type;
}

Answer AnswerOf(int button) {
  switch (button) {
    case af::IDCANCEL:
      return Answer::Cancel;
    case af::IDYES:
      return Answer::Yes;
    case af::IDNO:
      return Answer::No;
    default:
      return Answer::Ok;
  }
}

std::optional<std::string> ChooseFile(const FileDialog& dialog, bool open) {
  af::FileDialogOptions options;
  options.open = open;
  options.defaultExtension = QString::fromStdString(dialog.defaultExtension);
  options.filter = theApp.Tr(dialog.filter);
  options.confirmOverwrite = dialog.confirmOverwrite;
  const std::optional<QString> path = af::AfxDoFileDialog(options);
  if (!path) return std::nullopt;
  return path->toStdString();
}

}  // namespace

QString TranslatedMessage(const std::string& text) {
  for (const char* pattern : text::kFilledTexts) {
    if (const auto value = text::FilledValue(pattern, text)) {
      return theApp.Tr(pattern).replace(QStringLiteral("%1"), QString::fromStdString(*value));
    }
  }
  return theApp.Tr(text);
}

CQtUserInterface::CQtUserInterface() = default;

CQtUserInterface::~CQtUserInterface() = default;

Answer CQtUserInterface::Message(const std::string& text, Buttons buttons, Icon icon,
                                 std::optional<Answer> defaultButton) {
  return AnswerOf(
      af::AfxMessageBox(TranslatedMessage(text),
                        MessageBoxType(buttons, icon) | DefaultButtonType(buttons, defaultButton)));
}

void CQtUserInterface::ProgressOpen(const std::string& title, const std::string& text, int lower,
                                    int upper, int step) {
  progress_ = std::make_unique<widgets::CProgressWnd>(af::AfxGetMainWnd(), theApp.Tr(title));
  progress_->SetRange(lower, upper);
  progress_->SetStep(step);
  progress_->SetText(theApp.Tr(text));
  progress_->GoModal();
}

void CQtUserInterface::ProgressStep() {
  if (progress_) progress_->StepIt();
}

void CQtUserInterface::ProgressSetPosition(int position) {
  if (progress_) progress_->SetPos(position);
}

void CQtUserInterface::ProgressClose() {
  if (progress_) progress_->Close();
  progress_.reset();
}

std::optional<std::string> CQtUserInterface::ChooseFileToSave(const FileDialog& dialog) {
  return ChooseFile(dialog, false);
}

std::optional<std::string> CQtUserInterface::ChooseFileToOpen(const FileDialog& dialog) {
  return ChooseFile(dialog, true);
}

void CQtUserInterface::NotifyHost(int message, int wParam, const std::string& text) {
  af::SendTextToMainWindow(message, wParam, theApp.Tr(text));
}

}  // namespace gw::frame
