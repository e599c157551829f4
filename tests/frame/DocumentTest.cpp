// The plug-in's document, frame and view on the fake transport: search,
// selection, opening a node, the host's messages, file commands, printing.
#include <QFile>
#include <QPdfWriter>
#include <QPrinter>
#include <QTest>

#include "appframe/AfxIds.h"
#include "appframe/Printing.h"
#include "appframe/PropertySheet.h"
#include "frame/PluginFixture.h"
#include "link/RequestCodes.h"
#include "model/NodeListStream.h"
#include "protocol/HostCommands.h"
#include "widgets/ProgressWnd.h"

namespace gw::frame {
namespace {

using test::FakeModule;
using test::Named;
using test::PluginFixture;

constexpr QPoint kOnFirstIcon{84, 54};

int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) n += image.pixelColor(x, y) == colour ? 1 : 0;
  }
  return n;
}
constexpr QPoint kBetweenIcons{130, 60};

class DocumentTest : public PluginFixture {
 protected:
  DocumentTest() { Serve({&a_, &b_, &c_}); }

  // Three modules found by a search, in module number order 1, 2, 300.
  CGwCfgDoc* SearchedDocument() {
    CGwCfgDoc* doc = NewDocument();
    EXPECT_TRUE(doc->OnCmdMsg(kIdSearch));
    return doc;
  }

  FakeModule a_{0x01, 300};
  FakeModule b_{0x02, 2};
  FakeModule c_{0x03, 1};
  bool named_ = [this] {
    Named(a_, "Boiler-300", 0x7F000002);
    Named(b_, "Pump-2", 0x7F000003);
    Named(c_, "Line-1", 0x7F000004);
    return true;
  }();
};

TEST_F(DocumentTest, NewDocumentIsMaximisedAndTitledAfterTheModel) {
  CGwCfgDoc* doc = NewDocument();
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->GetTitle(), QStringLiteral("NXG4120-T"));
  ASSERT_EQ(doc->Frames().size(), 1u);
  af::CMDIChildWnd* frame = doc->Frames().front();
  EXPECT_TRUE(frame->isVisible());
  EXPECT_TRUE(frame->isMaximized());
  EXPECT_TRUE(exitCodes_.empty());
}

TEST_F(DocumentTest, SearchFillsTheViewInModuleNumberOrder) {
  CGwCfgDoc* doc = SearchedDocument();
  ASSERT_EQ(doc->Nodes().Count(), 3);
  EXPECT_EQ(doc->Nodes().Node(0).ModuleName(), "Line-1");
  EXPECT_EQ(doc->Nodes().Node(1).ModuleName(), "Pump-2");
  EXPECT_EQ(doc->Nodes().Node(2).ModuleName(), "Boiler-300");
  const QImage image = Paint(ViewOf(doc));
  EXPECT_EQ(image.pixelColor(100, 150), QColor(Qt::black));  // the bus line
  EXPECT_EQ(image.pixelColor(84, 140), QColor(Qt::black));   // node 0's drop line
  EXPECT_NE(image.pixelColor(84, 54), QColor(Qt::white));    // node 0's icon
  EXPECT_EQ(ViewOf(doc)->ToolTip().TextAt(kOnFirstIcon),
            QStringLiteral("Line-1\nIP: 127.0.0.4\nMAC: 00:60:E9:10:20:03"));
}

TEST_F(DocumentTest, NoModuleFoundIsToldToTheUserAndTheMainWindow) {
  for (FakeModule* m : {&a_, &b_, &c_}) m->ignore = [](const test::SentRequest&) { return true; };
  CGwCfgDoc* doc = SearchedDocument();
  EXPECT_EQ(doc->Nodes().Count(), 0);
  EXPECT_EQ(env_.messages, std::vector<std::string>{"No NXG4120-T module found"});
  ASSERT_EQ(main_.Count(kMsgNotFound), 1);
  EXPECT_EQ(main_.received.back().text, QStringLiteral("No NXG4120-T module found"));
  EXPECT_NE(main_.received.back().lParam, 0);
}

TEST_F(DocumentTest, ClickSelectsAndDeselects) {
  CGwCfgDoc* doc = SearchedDocument();
  view::CGwCfgView* view = ViewOf(doc);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, kOnFirstIcon);
  EXPECT_EQ(doc->Nodes().Current(), 0);
  EXPECT_EQ(doc->Nodes().Node(0).Selected(), 1u);
  EXPECT_GT(CountColour(Paint(view), QRect(42, 80, 82, 50), QColor(32, 96, 192)), 100);

  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, kBetweenIcons);
  EXPECT_EQ(doc->Nodes().Current(), NodeTable::kNoNode);
  EXPECT_EQ(CountColour(Paint(view), QRect(42, 80, 82, 50), QColor(32, 96, 192)), 0);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(doc->Nodes().Node(k).Selected(), 0u);
}

TEST_F(DocumentTest, DoubleClickOpensTheSheetOnOverview) {
  CGwCfgDoc* doc = SearchedDocument();
  QString caption;
  QString active;
  int pages = 0;
  const test::ModalCatcher<af::CPropertySheet> catcher([&](af::CPropertySheet& sheet) {
    caption = sheet.windowTitle();
    active = sheet.GetActivePage()->Caption();
    pages = sheet.GetPageCount();
  });
  QTest::mouseDClick(ViewOf(doc)->viewport(), Qt::LeftButton, {}, kOnFirstIcon);
  ASSERT_TRUE(catcher.Caught());
  EXPECT_EQ(caption, QStringLiteral("Line-1"));
  EXPECT_EQ(active, QStringLiteral("Overview"));
  EXPECT_EQ(pages, 9);
  EXPECT_EQ(doc->Nodes().Current(), 0);
  EXPECT_EQ(doc->Nodes().Node(0).Selected(), 1u);
  EXPECT_FALSE(doc->Nodes().Locked());
  EXPECT_EQ(c_.heard.size(), 15u);  // the search and the 14 reads
}

TEST_F(DocumentTest, InquiryShowsTheModalProgressWindow) {
  CGwCfgDoc* doc = SearchedDocument();
  QString title;
  QString text;
  bool modal = false;
  const test::ModalCatcher<widgets::CProgressWnd> progress([&](widgets::CProgressWnd& window) {
    title = window.windowTitle();
    text = window.Text();
    modal = window.windowModality() == Qt::ApplicationModal;
  });
  const test::ModalCatcher<af::CPropertySheet> sheet([](af::CPropertySheet&) {});
  QTest::mouseDClick(ViewOf(doc)->viewport(), Qt::LeftButton, {}, kOnFirstIcon);
  ASSERT_TRUE(progress.Caught());
  EXPECT_TRUE(title.startsWith("Processing... [")) << title.toStdString();
  EXPECT_EQ(text, "\nInquire module information...");
  EXPECT_TRUE(modal);
  EXPECT_TRUE(sheet.Caught());
}

TEST_F(DocumentTest, DoubleClickOnALockedNodeOpensOnSecurity) {
  StoreBE16(c_.header, hdr::LockState, kLockStateLocked);
  CGwCfgDoc* doc = SearchedDocument();
  QString active;
  const test::ModalCatcher<af::CPropertySheet> catcher(
      [&](af::CPropertySheet& sheet) { active = sheet.GetActivePage()->Caption(); });
  QTest::mouseDClick(ViewOf(doc)->viewport(), Qt::LeftButton, {}, kOnFirstIcon);
  ASSERT_TRUE(catcher.Caught());
  EXPECT_EQ(active, QStringLiteral("Security"));
  EXPECT_TRUE(doc->Nodes().Locked());
}

TEST_F(DocumentTest, FailedInquiryDrawsTheBrokenRedDropLine) {
  c_.ignore = [](const test::SentRequest& request) { return request.command == CmdReadBlock; };
  CGwCfgDoc* doc = SearchedDocument();
  const test::ModalCatcher<af::CPropertySheet> catcher([](af::CPropertySheet&) {});
  QTest::mouseDClick(ViewOf(doc)->viewport(), Qt::LeftButton, {}, kOnFirstIcon);
  EXPECT_FALSE(catcher.Caught());
  ASSERT_FALSE(env_.messages.empty());
  EXPECT_EQ(env_.messages.back(), "Communication error");
  const QImage image = Paint(ViewOf(doc));
  EXPECT_EQ(image.pixelColor(84, 140), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(184, 140), QColor(Qt::black));  // node 1 is still online
}

TEST_F(DocumentTest, SaveAndSaveAsNeedANode) {
  NewDocument();
  EXPECT_FALSE(main_.CommandEnabled(af::ID_FILE_SAVE));
  EXPECT_FALSE(main_.CommandEnabled(af::ID_FILE_SAVE_AS));
  main_.RouteCommand(kIdSearch);
  EXPECT_TRUE(main_.CommandEnabled(af::ID_FILE_SAVE));
  EXPECT_TRUE(main_.CommandEnabled(af::ID_FILE_SAVE_AS));
}

TEST_F(DocumentTest, IpSearchOnlyOnEthernet) {
  NewDocument();
  EXPECT_TRUE(main_.CommandEnabled(kIdIpSearch));
  port_.commType = kCommSerial;
  EXPECT_FALSE(main_.CommandEnabled(kIdIpSearch));
}

TEST_F(DocumentTest, FrameCloseNotifiesTheMainWindowOncePerClose) {
  CGwCfgDoc* first = NewDocument();
  NewDocument();
  ASSERT_TRUE(first->Frames().front()->close());
  EXPECT_EQ(main_.Count(kMsgFrameClosing), 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(docTemplate_->Documents().size(), 1u);
  ASSERT_TRUE(main_.MDIGetActive()->close());
  EXPECT_EQ(main_.Count(kMsgFrameClosing), 2);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(docTemplate_->Documents().empty());
  EXPECT_EQ(main_.received.front().wParam, 0);
  EXPECT_EQ(main_.received.front().lParam, 0);
}

TEST_F(DocumentTest, NodeListGoesToTheStoreAndComesBack) {
  CGwCfgDoc* doc = SearchedDocument();
  doc->Nodes().Node(1).SetSelected(1);
  ASSERT_TRUE(doc->OnCmdMsg(kIdStoreNodeList));
  EXPECT_EQ(store_.bytes.size(), NodeListStreamSize(3));
  CGwCfgDoc* other = NewDocument();
  ASSERT_TRUE(other->OnCmdMsg(kIdLoadNodeList));
  ASSERT_EQ(other->Nodes().Count(), 3);
  EXPECT_EQ(other->Nodes().Node(2).ModuleName(), "Boiler-300");
}

TEST_F(DocumentTest, SavedFileOpensAsADocument) {
  CGwCfgDoc* doc = SearchedDocument();
  const QString path = env_.Path(QStringLiteral("plant.nxg"));
  env_.files.push_back(path);
  main_.RouteCommand(af::ID_FILE_SAVE_AS);
  EXPECT_EQ(doc->GetTitle(), QStringLiteral("plant.nxg"));
  ASSERT_TRUE(QFile::exists(path));
  EXPECT_EQ(QFileInfo(path).size(), static_cast<qint64>(NodeListStreamSize(3)));
  auto* opened = dynamic_cast<CGwCfgDoc*>(docTemplate_->OpenDocumentFile(path, true));
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(opened->Nodes().Count(), 3);
  EXPECT_EQ(opened->Nodes().Node(0).ModuleName(), "Line-1");
}

TEST_F(DocumentTest, DamagedFileIsRefusedWithAMessage) {
  const QString path = env_.Path(QStringLiteral("broken.nxg"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray("\x05\x00\x00\x00short", 9));
  file.close();
  const std::size_t before = docTemplate_->Documents().size();
  EXPECT_EQ(docTemplate_->OpenDocumentFile(path, true), nullptr);
  EXPECT_EQ(docTemplate_->Documents().size(), before);
  EXPECT_EQ(env_.messages.size(), 1u);
}

TEST_F(DocumentTest, RefreshSearchesAgain) {
  CGwCfgDoc* doc = NewDocument();
  EXPECT_TRUE(main_.RouteCommand(kIdRefresh));
  EXPECT_EQ(doc->Nodes().Count(), 3);
}

// Prints the view to a PDF file: one page; with nodes it carries the diagram.
TEST_F(DocumentTest, PrintingWritesAPageWithTheDiagram) {
  CGwCfgDoc* doc = NewDocument();
  QPrinter& printer = af::AfxPrinter();
  printer.setOutputFormat(QPrinter::PdfFormat);
  const auto print = [&](const QString& name) {
    const QString path = env_.Path(name);
    printer.setOutputFileName(path);
    EXPECT_TRUE(main_.RouteCommand(af::ID_FILE_PRINT_DIRECT));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
  };
  const QByteArray empty = print(QStringLiteral("empty.pdf"));
  doc->OnCmdMsg(kIdSearch);
  const QByteArray diagram = print(QStringLiteral("diagram.pdf"));
  printer.setOutputFileName({});
  ASSERT_TRUE(diagram.startsWith("%PDF"));
  EXPECT_EQ(diagram.count("/Type /Page\n") + diagram.count("/Type /Page\r"), 1);
  EXPECT_GT(diagram.size(), empty.size() + 1000);
  EXPECT_TRUE(diagram.contains("LiberationSerif") || diagram.contains("Times"));
}

}  // namespace
}  // namespace gw::frame
