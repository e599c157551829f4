// The entry widgets of the parameter pages: the IP address control, the
// masked edit and the edit with a spin button.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "frame/GuiTestSupport.h"
#include "widgets/IpAddressCtrl.h"
#include "widgets/MaskedEdit.h"
#include "widgets/SpinEdit.h"
#include "widgets/WheelGuard.h"

namespace gw::widgets {
namespace {

// A window holding the widget under test and one other edit to give the
// focus to, shown and active so that focus changes reach the widgets.
template <typename W>
class Page {
 public:
  Page() : widget(new W(&window)), other(new QLineEdit(&window)) {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(widget);
    layout->addWidget(other);
    window.show();
    QApplication::setActiveWindow(&window);
  }
  bool Active() const { return QApplication::activeWindow() == &window; }

  QWidget window;
  W* widget;
  QLineEdit* other;
};

// Keys as the user types them: each to the widget that has the focus then.
void Type(const char* keys) {
  for (; *keys != '\0'; ++keys) QTest::keyClick(QApplication::focusWidget(), *keys);
}
void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

using FieldChange = std::pair<int, int>;

std::vector<FieldChange> Changes(const QSignalSpy& spy) {
  std::vector<FieldChange> changes;
  for (const auto& args : spy) changes.emplace_back(args.at(0).toInt(), args.at(1).toInt());
  return changes;
}

TEST(IpAddressCtrl, SettingFieldsNeverNotifies) {
  CIpAddressCtrl ip;
  QSignalSpy changed(&ip, &CIpAddressCtrl::FieldChanged);
  EXPECT_TRUE(ip.IsBlank());
  EXPECT_EQ(ip.Field(0), -1);

  ip.SetAddress(0xC0A80A01u);
  EXPECT_EQ(ip.Field(0), 192);
  EXPECT_EQ(ip.Field(3), 1);
  EXPECT_EQ(ip.FieldEdit(1)->text(), "168");
  EXPECT_EQ(ip.Address(), 0xC0A80A01u);

  ip.SetField(2, -1);  // a blank field counts as 0
  EXPECT_EQ(ip.FieldEdit(2)->text(), "");
  EXPECT_EQ(ip.Address(), 0xC0A80001u);
  EXPECT_FALSE(ip.IsBlank());
  ip.SetField(3, 300);
  EXPECT_EQ(ip.Field(3), 255);
  ip.SetField(4, 7);  // no such field
  EXPECT_EQ(ip.Field(4), -1);

  ip.ClearAddress();
  EXPECT_TRUE(ip.IsBlank());
  EXPECT_EQ(ip.Address(), 0u);
  EXPECT_EQ(changed.count(), 0);

  ip.setEnabled(false);
  for (int i = 0; i < CIpAddressCtrl::kFields; ++i) EXPECT_FALSE(ip.FieldEdit(i)->isEnabled());
}

TEST(IpAddressCtrl, TypingNotifiesAndMovesOnFieldByField) {
  Page<CIpAddressCtrl> page;
  ASSERT_TRUE(page.Active());
  CIpAddressCtrl& ip = *page.widget;
  QSignalSpy changed(&ip, &CIpAddressCtrl::FieldChanged);
  ip.FieldEdit(0)->setFocus();

  // The third digit moves on; the '.' typed after it then stays put.
  Type("192");
  EXPECT_TRUE(ip.FieldEdit(1)->hasFocus());
  Type(".168.1.10");
  EXPECT_EQ(ip.Address(), 0xC0A8010Au);
  EXPECT_EQ(Changes(changed),
            (std::vector<FieldChange>{
                {0, 1}, {0, 19}, {0, 192}, {1, 1}, {1, 16}, {1, 168}, {2, 1}, {3, 1}, {3, 10}}));
  EXPECT_TRUE(ip.FieldEdit(3)->hasFocus());

  // Backspace in an empty field and Left at the start go back; Right at the
  // end goes on and selects the next field's text.
  changed.clear();
  Press(Qt::Key_Backspace);
  Press(Qt::Key_Backspace);
  EXPECT_EQ(Changes(changed), (std::vector<FieldChange>{{3, 1}, {3, -1}}));
  Press(Qt::Key_Backspace);
  EXPECT_TRUE(ip.FieldEdit(2)->hasFocus());
  EXPECT_EQ(ip.FieldEdit(2)->cursorPosition(), 1);
  Press(Qt::Key_Left);
  Press(Qt::Key_Left);
  EXPECT_TRUE(ip.FieldEdit(1)->hasFocus());
  Press(Qt::Key_Right);
  EXPECT_TRUE(ip.FieldEdit(2)->hasFocus());
  EXPECT_EQ(ip.FieldEdit(2)->selectedText(), "1");
  EXPECT_EQ(changed.count(), 2);  // moving about changes nothing

  // Only digits go in.
  Type("x7-");
  EXPECT_EQ(ip.FieldEdit(2)->text(), "7");
}

TEST(IpAddressCtrl, KeepsTheUsersValueToTheFieldsRange) {
  Page<CIpAddressCtrl> page;
  ASSERT_TRUE(page.Active());
  CIpAddressCtrl& ip = *page.widget;
  ip.SetFieldRange(0, 1, 223);
  ip.SetField(0, 0);  // the program's own value is left alone
  QSignalSpy changed(&ip, &CIpAddressCtrl::FieldChanged);
  ip.FieldEdit(0)->setFocus();
  page.other->setFocus();
  EXPECT_EQ(ip.Field(0), 0);
  EXPECT_EQ(changed.count(), 0);

  // Over the top: cut at once, and the third digit still moves on.
  ip.FieldEdit(0)->setFocus();
  ip.FieldEdit(0)->selectAll();
  Type("250");
  EXPECT_EQ(ip.FieldEdit(0)->text(), "223");
  EXPECT_EQ(Changes(changed), (std::vector<FieldChange>{{0, 2}, {0, 25}, {0, 223}}));
  EXPECT_TRUE(ip.FieldEdit(1)->hasFocus());
  Type("300");  // the default range
  EXPECT_EQ(ip.Field(1), 255);

  // Under the bottom: raised as the user leaves the field, by key or focus.
  changed.clear();
  ip.FieldEdit(0)->setFocus();
  ip.FieldEdit(0)->selectAll();
  Type("0");
  EXPECT_EQ(ip.Field(0), 0);
  Press(Qt::Key_Period);
  EXPECT_EQ(ip.Field(0), 1);
  EXPECT_EQ(Changes(changed), (std::vector<FieldChange>{{0, 0}, {0, 1}}));

  changed.clear();
  ip.FieldEdit(0)->setFocus();
  ip.FieldEdit(0)->selectAll();
  Type("00");
  page.other->setFocus();
  EXPECT_EQ(ip.FieldEdit(0)->text(), "1");
  EXPECT_EQ(Changes(changed), (std::vector<FieldChange>{{0, 0}, {0, 1}}));
}

TEST(IpAddressCtrl, TellsTheUserWhatItCorrected) {
  struct Case {
    const char* keys;  // typed into the first field (1 to 223), then '.'
    const char* shown;
    const char* notice;
  };
  const Case cases[] = {
      {"300", "223", "300 is not a valid value: 1 to 223"},
      {"0", "1", "0 is not a valid value: 1 to 223"},
      {"12", "12", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    Page<CIpAddressCtrl> page;
    ASSERT_TRUE(page.Active());
    CIpAddressCtrl& ip = *page.widget;
    ip.SetFieldRange(0, 1, 223);
    ip.FieldEdit(0)->setFocus();
    Type(c.keys);
    if (ip.FieldEdit(0)->hasFocus()) Press(Qt::Key_Period);
    EXPECT_EQ(ip.FieldEdit(0)->text(), c.shown);
    EXPECT_EQ(ip.RangeNotice(), c.notice);
    EXPECT_EQ(ip.toolTip(), c.notice);
  }
  // In the window's language.
  Page<CIpAddressCtrl> page;
  page.widget->SetRangeNoticeFormat(QStringLiteral("%1: %2-%3"));
  page.widget->FieldEdit(3)->setFocus();
  Type("256");
  EXPECT_EQ(page.widget->toolTip(), "256: 0-255");
}

TEST(IpAddressCtrl, LooksLikeOneEditBoxWideEnoughForTheDigits) {
  Page<CIpAddressCtrl> page;
  CIpAddressCtrl& ip = *page.widget;
  ip.SetAddress(0xFFFFFFFFu);
  page.window.adjustSize();
  const QLineEdit plain;
  EXPECT_LE(ip.sizeHint().height(), plain.sizeHint().height() + 4);
  EXPECT_LT(ip.sizeHint().width(), 2 * plain.sizeHint().width());
  for (int i = 0; i < CIpAddressCtrl::kFields; ++i) {
    QLineEdit* field = ip.FieldEdit(i);
    EXPECT_FALSE(field->hasFrame());
    EXPECT_GE(field->width(), field->fontMetrics().horizontalAdvance(QStringLiteral("255")));
  }
}

constexpr auto kIpv6Mask = "####:####:####:####:####:####:####:####";

TEST(MaskedEdit, MaskedTextKeepsEveryPositionInPlace) {
  CMaskedEdit edit;
  edit.SetMask(QString::fromLatin1(kIpv6Mask));
  EXPECT_EQ(edit.Mask(), kIpv6Mask);
  QSignalSpy edited(&edit, &QLineEdit::textEdited);
  EXPECT_EQ(edit.MaskedText(), "");

  const QString full = QStringLiteral("FE80:0000:0000:0000:0211:22FF:FE33:4455");
  edit.SetMaskedText(full);
  EXPECT_EQ(edit.MaskedText(), full);
  EXPECT_GT(edit.sizeHint().width(), edit.fontMetrics().horizontalAdvance(full));

  // Unfilled digits are spaces; lower case comes back upper case; a short
  // text leaves the rest unfilled.
  edit.SetMaskedText(QStringLiteral("fe80:  1 :0"));
  EXPECT_EQ(edit.MaskedText(), "FE80:  1 :0   :    :    :    :    :    ");
  edit.SetMaskedText(QStringLiteral("    :    "));
  EXPECT_EQ(edit.MaskedText(), "");
  EXPECT_EQ(edited.count(), 0);

  // A ';' cannot be a literal of the edit's mask language: refused.
  edit.SetMask(QStringLiteral("##;##"));
  EXPECT_EQ(edit.Mask(), kIpv6Mask);
}

TEST(MaskedEdit, TypingFillsDigitsUpperCaseAndNotifies) {
  CMaskedEdit edit;
  edit.SetMask(QStringLiteral("##-##"));
  QSignalSpy edited(&edit, &QLineEdit::textEdited);
  edit.setCursorPosition(0);
  QTest::keyClicks(&edit, QStringLiteral("a"));
  EXPECT_EQ(edit.MaskedText(), "A -  ");
  QTest::keyClicks(&edit, QStringLiteral("x"));  // no digit: nothing happens
  EXPECT_EQ(edit.MaskedText(), "A -  ");
  EXPECT_EQ(edited.count(), 1);
  QTest::keyClicks(&edit, QStringLiteral("-c"));  // a literal goes on past the next one
  EXPECT_EQ(edit.MaskedText(), "A -C ");
  QTest::keyClick(&edit, Qt::Key_Home);
  QTest::keyClicks(&edit, QStringLiteral(" 9"));  // a space unfills a digit
  EXPECT_EQ(edit.MaskedText(), " 9-C ");
  ASSERT_FALSE(edited.isEmpty());
  EXPECT_EQ(edited.last().at(0).toString(), "9-C");  // QLineEdit's text() leaves blanks out
}

TEST(SpinEdit, ArrowsStepFromTheEditsNumberWithinTheRange) {
  CSpinEdit spin;
  spin.SetRange(5, 1);  // taken as 1-5
  spin.SetPosition(3);
  QSignalSpy edited(&spin, &CSpinEdit::TextEdited);
  spin.SetText(QStringLiteral("2"));
  EXPECT_EQ(spin.Position(), 3);  // the text is not the position
  EXPECT_EQ(edited.count(), 0);

  QTest::mouseClick(spin.UpButton(), Qt::LeftButton);
  EXPECT_EQ(spin.Text(), "3");  // from the edit's 2
  EXPECT_EQ(spin.Position(), 3);
  ASSERT_EQ(edited.count(), 1);
  EXPECT_EQ(edited.at(0).at(0).toString(), "3");

  spin.SetText(QStringLiteral("5"));
  QTest::mouseClick(spin.UpButton(), Qt::LeftButton);
  EXPECT_EQ(spin.Text(), "5");         // kept to the top
  spin.SetText(QStringLiteral("99"));  // out of range: from the position
  QTest::mouseClick(spin.DownButton(), Qt::LeftButton);
  EXPECT_EQ(spin.Text(), "4");
  spin.SetText(QStringLiteral("four"));
  QTest::keyClick(spin.Edit(), Qt::Key_Down);
  EXPECT_EQ(spin.Text(), "3");
  QWheelEvent wheel(QPointF(5, 5), spin.Edit()->mapToGlobal(QPointF(5, 5)), QPoint(),
                    QPoint(0, 240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(spin.Edit(), &wheel);
  EXPECT_EQ(spin.Text(), "5");
  EXPECT_EQ(spin.Position(), 5);
  EXPECT_EQ(edited.count(), 5);

  spin.SetPosition(0);
  EXPECT_EQ(spin.Position(), 1);
  EXPECT_EQ(spin.Text(), "5");

  spin.setEnabled(false);
  EXPECT_FALSE(spin.Edit()->isEnabled());
  EXPECT_FALSE(spin.UpButton()->isEnabled());
}

TEST(SpinEdit, TypingNotifiesAndLeavingTheEditIsReported) {
  Page<CSpinEdit> page;
  ASSERT_TRUE(page.Active());
  CSpinEdit& spin = *page.widget;
  QSignalSpy edited(&spin, &CSpinEdit::TextEdited);
  QSignalSpy lost(&spin, &CSpinEdit::FocusLost);
  spin.Edit()->setFocus();
  QTest::keyClicks(spin.Edit(), QStringLiteral("42"));
  ASSERT_EQ(edited.count(), 2);
  EXPECT_EQ(edited.at(1).at(0).toString(), "42");

  // The arrows take no focus.
  QTest::mouseClick(spin.UpButton(), Qt::LeftButton);
  EXPECT_TRUE(spin.Edit()->hasFocus());
  EXPECT_EQ(spin.Text(), "43");
  EXPECT_EQ(lost.count(), 0);

  page.other->setFocus();
  EXPECT_EQ(lost.count(), 1);
}

TEST(WheelGuard, TheWheelChangesOnlyAListWithTheFocus) {
  Page<QComboBox> page;
  ASSERT_TRUE(page.Active());
  QComboBox& list = *page.widget;
  list.addItems({QStringLiteral("Static"), QStringLiteral("DHCP")});
  CWheelGuard::Install(&page.window);
  const auto turn = [&list] {
    QWheelEvent wheel(QPointF(5, 5), list.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&list, &wheel);
  };
  page.other->setFocus();
  turn();
  EXPECT_EQ(list.currentIndex(), 0);
  list.setFocus();
  turn();
  EXPECT_EQ(list.currentIndex(), 1);
}

}  // namespace
}  // namespace gw::widgets
