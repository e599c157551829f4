// The plug-in's message boxes: the button that Enter presses.
#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <optional>

#include "appframe/Dialogs.h"
#include "frame/GuiTestSupport.h"
#include "frame/QtUserInterface.h"

namespace gw::frame {
namespace {

struct DefaultCase {
  Buttons buttons;
  std::optional<Answer> preferred;
  QMessageBox::StandardButton enter;
};

TEST(MessageBox, EnterPressesTheDefaultButtonTheCoreAsks) {
  const DefaultCase cases[] = {
      {Buttons::Ok, std::nullopt, QMessageBox::Ok},
      {Buttons::YesNo, std::nullopt, QMessageBox::Yes},
      {Buttons::YesNo, Answer::No, QMessageBox::No},
      {Buttons::YesNo, Answer::Cancel, QMessageBox::Yes},  // not offered: the first
      {Buttons::OkCancel, Answer::Cancel, QMessageBox::Cancel},
      {Buttons::YesNoCancel, Answer::No, QMessageBox::No},
      {Buttons::YesNoCancel, Answer::Cancel, QMessageBox::Cancel},
  };
  test::GuiEnvironment env;
  const af::MessageBoxHook previous = af::AfxSetMessageBoxHook({});
  for (const DefaultCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.buttons));
    QMessageBox::StandardButton enter = QMessageBox::NoButton;
    const test::ModalCatcher<QMessageBox> catcher(
        [&enter](QMessageBox& box) { enter = box.standardButton(box.defaultButton()); });
    CQtUserInterface().Message("Return to factory setting", c.buttons, Icon::Question, c.preferred);
    EXPECT_TRUE(catcher.Caught());
    EXPECT_EQ(enter, c.enter);
  }
  af::AfxSetMessageBoxHook(previous);
}

}  // namespace
}  // namespace gw::frame
