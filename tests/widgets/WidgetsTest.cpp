// The widget kit: the progress window's caption and bar, the tooltip areas.
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

#include "frame/GuiTestSupport.h"
#include "widgets/HtmlToolTip.h"
#include "widgets/ProgressWnd.h"

namespace gw::widgets {
namespace {

TEST(ProgressWnd, CaptionShowsTitleAndPercent) {
  EXPECT_EQ(ProgressCaption(QStringLiteral("Processing..."), 0), "Processing... [0%]");
  CProgressWnd progress(nullptr, QStringLiteral("Processing..."));
  progress.GoModal();
  EXPECT_TRUE(progress.isVisible());
  EXPECT_EQ(progress.windowModality(), Qt::ApplicationModal);
  progress.SetRange(0, 14);
  progress.SetStep(1);
  progress.SetText(QStringLiteral("\nInquire module information..."));
  EXPECT_EQ(progress.windowTitle(), "Processing... [0%]");
  for (int i = 0; i < 7; ++i) progress.StepIt();
  EXPECT_EQ(progress.Pos(), 7);
  EXPECT_EQ(progress.windowTitle(), "Processing... [50%]");
  progress.SetPos(14);
  EXPECT_EQ(progress.windowTitle(), "Processing... [100%]");
  progress.StepIt();  // never beyond the range
  EXPECT_EQ(progress.Pos(), 14);
  EXPECT_EQ(progress.Text(), "\nInquire module information...");
  progress.Close();
  EXPECT_FALSE(progress.isVisible());
}

TEST(ProgressWnd, EmptyRangeShowsZeroPercent) {
  CProgressWnd progress(nullptr, QStringLiteral("Processing..."));
  progress.SetRange(3, 3);
  progress.StepIt();
  EXPECT_EQ(progress.Percent(), 0);
}

TEST(HtmlToolTip, TextIsEscapedWithLineBreaks) {
  EXPECT_EQ(CHtmlToolTip::ToHtml(QStringLiteral("A<B>\nIP: 1.2.3.4")),
            "<html><body><b>A&lt;B&gt;</b><br>IP: 1.2.3.4</body></html>");
}

TEST(HtmlToolTip, ShowsTheTextOfTheAreaUnderThePointer) {
  QWidget owner;
  owner.resize(300, 200);
  owner.show();
  CHtmlToolTip tip(&owner);
  tip.AddTool(QRect(60, 30, 48, 95), QStringLiteral("GW-1\nIP: 127.0.0.2"));
  tip.AddTool(QRect(160, 30, 48, 95), QStringLiteral("GW-2"));
  EXPECT_EQ(tip.TextAt(QPoint(70, 40)), "GW-1\nIP: 127.0.0.2");
  EXPECT_EQ(tip.TextAt(QPoint(170, 40)), "GW-2");
  EXPECT_TRUE(tip.TextAt(QPoint(130, 40)).isEmpty());

  QHelpEvent over(QEvent::ToolTip, QPoint(70, 40), owner.mapToGlobal(QPoint(70, 40)));
  EXPECT_FALSE(tip.HandleEvent(&over));  // not active yet
  tip.Activate(true);
  EXPECT_TRUE(tip.HandleEvent(&over));
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("<b>GW-1</b>")));
  tip.ClearTools();
  EXPECT_EQ(tip.ToolCount(), 0u);
  QToolTip::hideText();
}

}  // namespace
}  // namespace gw::widgets
