// The Monitor page's windows against nxgsim: a word entry typed and applied
// starts monitoring, and the status grid shows what a third-party Modbus
// client reads from the same module; leaving the tab stops it.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "frame/PluginFixture.h"
#include "monitor/qt/MonitorPage.h"
#include "monitor/qt/MonitorPaneWindow.h"
#include "monitor/qt/TrendWindow.h"
#include "sheet/SheetWindows.h"
#include "support/Mbpoll.h"
#include "support/SimHarness.h"
#include "support/TestHome.h"

namespace gw::monitor {
namespace {

using pages::PageId;

class MonitorSessionTest : public test::PluginFixture {
 protected:
  MonitorSessionTest() : PluginFixture(Transport::System) {}
};

TEST_F(MonitorSessionTest, AnAppliedWordEntryIsMonitoredWithTheModulesValues) {
  const std::uint16_t port = test::FreeTcpPort();
  ASSERT_NE(port, 0);
  const QString address = QStringLiteral("127.0.87.1");
  test::SimProcess sim({"--address", address.toStdString(), "--modbus-port", std::to_string(port),
                        "--modbus-step", "0", "--seed", "4"});
  ASSERT_TRUE(sim.WaitReady());
  env_.WritePortLinkIni(address, 1, QStringLiteral("ModbusTCPPort=%1\n").arg(port));
  frame::CGwCfgDoc* doc = NewDocument();
  doc->Core().Search();
  ASSERT_GE(doc->Nodes().Count(), 1) << sim.Log();
  const auto sheet = test::OpenSheet(*doc, 0);
  ASSERT_TRUE(sheet);
  ASSERT_TRUE(test::ClickTab(*sheet, PageId::Monitor));
  auto& page = test::PageWindow<CMonitorPage>(*sheet, PageId::Monitor);
  page.Tabs()->setCurrentIndex(1);
  CMonitorPaneWindow* words = page.PaneWindow(Table::Words);
  ASSERT_TRUE(words->isVisible());

  // Station 1, holding register 0x0100, three points.
  widgets::CGridView* grid = words->AddressView();
  test::ClickCell(grid, MonitorAddressGrid::kStation, 0);
  test::TypeOnGrid(grid, "1");
  QTest::keyClick(grid->Editor(), Qt::Key_Tab);
  test::TypeOnGrid(grid, "100");
  QTest::keyClick(grid->Editor(), Qt::Key_Tab);
  QTest::keyClick(grid, Qt::Key_Tab);
  test::TypeOnGrid(grid, "3");
  QTest::keyClick(grid->Editor(), Qt::Key_Return);
  // The row on the system's clipboard under the table's named format.
  test::ClickCell(grid, MonitorAddressGrid::kStation, 0);
  QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
  const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(copied->data(QStringLiteral("application/x-qt-windows-mime;value=\"WORD_MONITOR\"")),
            QByteArray("\x01\x00\x00\x00\x03\x01\x00\x01\x04\x00", 10));
  sheet->ApplyButton()->click();
  ASSERT_TRUE(env_.messages.empty()) << env_.messages.front();
  ASSERT_TRUE(words->StartButton()->isChecked());
  EXPECT_EQ(words->StartButton()->text(), QStringLiteral("Stop Monitor"));
  EXPECT_TRUE(words->Timer().isActive());

  widgets::CGridView* status = words->StatusView();
  const auto shown = [status](int row) {
    return status->model()->index(row, MonitorStatusGrid::kValue).data().toString();
  };
  QTRY_VERIFY_WITH_TIMEOUT(shown(0).startsWith('H'), 5000);
  std::string said;
  // The module serves Modbus on the address it reports.
  const std::string module = test::DottedText(doc->Nodes().Node(0).IpAddress());
  const auto values = test::Mbpoll(module, port, 1, 0x22FB, 3, said);
  ASSERT_TRUE(values) << said;
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(shown(row), QString::asprintf("H%04X", (*values)[static_cast<std::size_t>(row)]));
  }
  EXPECT_EQ(shown(3), QString());

  // A trend of the selected rows takes the next ticks.
  words->TrendButton()->click();
  ASSERT_EQ(words->Trends().size(), 1u);
  CTrendWindow* trend = words->Trends().front();
  QTRY_VERIFY_WITH_TIMEOUT(!trend->Model().Samples(0).empty(), 5000);

  // Leaving the tab stops the pane and closes its Modbus link.
  page.Tabs()->setCurrentIndex(0);
  EXPECT_FALSE(words->StartButton()->isChecked());
  EXPECT_FALSE(words->Timer().isActive());
  QTRY_COMPARE_WITH_TIMEOUT(shown(0), QString(), 5000);
  sheet->reject();
}

}  // namespace
}  // namespace gw::monitor
