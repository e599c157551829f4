// The host gwsuite with the real plug-in: loading, the start of a session,
// the host's messages, the file commands, and searches against nxgsim.
#include <QListWidget>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QTest>

#include "appframe/AfxIds.h"
#include "appframe/ChildFrame.h"
#include "appframe/PropertySheet.h"
#include "appframe/View.h"
#include "appframe/WinApp.h"
#include "frame/Resource.h"
#include "host/HostFixture.h"
#include "protocol/HostCommands.h"

namespace gw::host {
namespace {

using test::HostFixture;

constexpr int kSave = 15352;
constexpr QPoint kOnFirstIcon{84, 54};

std::uint32_t LittleEndianCount(const QByteArray& stream) {
  if (stream.size() < 4) return 0;
  return static_cast<std::uint8_t>(stream[0]) | static_cast<std::uint8_t>(stream[1]) << 8 |
         static_cast<std::uint8_t>(stream[2]) << 16 |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(stream[3])) << 24;
}

af::CView* ActiveView(CMainFrame& main) {
  af::CMDIChildWnd* frame = main.MDIGetActive();
  return frame ? frame->GetActiveView() : nullptr;
}

TEST_F(HostFixture, LoadsThePluginAndGetsItsTemplate) {
  ASSERT_EQ(plugins_.LoadAll(), 1) << plugins_.Errors().join('\n').toStdString();
  af::CDocTemplate* docTemplate = plugins_.Templates().front();
  EXPECT_EQ(docTemplate->ResourceId(), 130);
  EXPECT_EQ(docTemplate->GetDocString(af::CDocTemplate::docName), "NXG4120-T");
  EXPECT_EQ(docTemplate->GetDocString(af::CDocTemplate::regFileTypeId), "NXG4120-T.Document");
  EXPECT_EQ(docTemplate->GetDocString(af::CDocTemplate::regFileTypeName), "NXG4120-T Document");
  EXPECT_TRUE(docTemplate->GetDocString(af::CDocTemplate::windowTitle).isEmpty());
  EXPECT_FALSE(docTemplate->Icon().isNull());
  // The plug-in's strings are found through the resource chain.
  EXPECT_EQ(af::AfxLoadString(kIdSearch), "Search NXG4120 module");

  // DLLDocTemplate is the library's only export.
  const QByteArray path = plugins_.Libraries().front()->Path().toLocal8Bit();
  void* handle = dlopen(path.constData(), RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(handle, nullptr);
  EXPECT_NE(dlsym(handle, "DLLDocTemplate"), nullptr);
  EXPECT_EQ(dlsym(handle, "_ZN2gw5frame6theAppE"), nullptr);
  EXPECT_EQ(dlsym(handle, "_ZN2gw12DocumentCore6SearchEv"), nullptr);
  dlclose(handle);
}

TEST_F(HostFixture, ChineseLanguageSettingTranslatesThePluginButNotItsTemplate) {
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("Language")));
  const QString built =
      QDir(QCoreApplication::applicationDirPath()).filePath("Language/NXG4120-TCHT.qm");
  ASSERT_TRUE(QFile::copy(built, QStringLiteral("Language/NXG4120-TCHT.qm")));
  env_.SetLanguageId(1028);
  CMainFrame& main = Open();
  EXPECT_EQ(af::AfxLoadString(gw::kIdSearch), QString::fromUtf8("搜尋 NXG4120 模組"));
  EXPECT_EQ(main.CommandAction(kIdSearch)->text(), QString::fromUtf8("搜尋 NXG4120 模組"));
  EXPECT_EQ(main.CommandAction(15150)->statusTip(), QString::fromUtf8("顯示或隱藏工作區視窗"));
}

TEST_F(HostFixture, StartWithoutModulesSaysSoInTheOutputPane) {
  env_.WritePortLinkIni(QStringLiteral("127.0.0.41"));
  CMainFrame& main = Open();
  ASSERT_NE(main.Start(), nullptr);
  EXPECT_EQ(env_.messages, std::vector<std::string>{"No NXG4120-T module found"});
  EXPECT_EQ(Count(kMsgNotFound), 1);
  EXPECT_TRUE(main.OutputPane()->toPlainText().contains("No NXG4120-T module found"));
  EXPECT_EQ(main.WorkspacePane()->count(), 1);
  // Save and Save As need a node.
  main.UpdateCommandStates();
  EXPECT_FALSE(main.CommandAction(kSave)->isEnabled());
  EXPECT_TRUE(main.CommandAction(15350)->isEnabled());
}

TEST_F(HostFixture, DoubleClickReadsTheModuleAndOpensItsSheet) {
  ASSERT_NE(StartWithSim("127.0.0.43", {"--modules", "2", "--locked", "1"}), nullptr);
  af::CView* view = ActiveView(*main_);
  ASSERT_NE(view, nullptr);

  QString active;
  int pages = 0;
  const test::ModalCatcher<af::CPropertySheet> locked([&](af::CPropertySheet& sheet) {
    active = sheet.GetActivePage()->Caption();
    pages = sheet.GetPageCount();
  });
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, kOnFirstIcon);
  ASSERT_TRUE(locked.Caught());
  EXPECT_EQ(active, "Security");
  EXPECT_EQ(pages, 9);

  const test::ModalCatcher<af::CPropertySheet> open(
      [&](af::CPropertySheet& sheet) { active = sheet.GetActivePage()->Caption(); });
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, kOnFirstIcon + QPoint(100, 0));
  ASSERT_TRUE(open.Caught());
  EXPECT_EQ(active, "Overview");
  EXPECT_TRUE(env_.messages.empty());
}

QStringList WorkspaceNames(CMainFrame& main) {
  QStringList names;
  for (int i = 0; i < main.WorkspacePane()->count(); ++i) {
    names << main.WorkspacePane()->item(i)->text();
  }
  return names;
}

TEST_F(HostFixture, SearchAgainstTheSimulatorThenSaveAsAndAFailedOpenFollowTheWorkspace) {
  ASSERT_NE(StartWithSim("127.0.0.42", {"--modules", "3", "--module-numbers", "2,300,1", "--names",
                                        "Pump,Boiler,Line"}),
            nullptr);
  CMainFrame& main = *main_;
  EXPECT_TRUE(env_.messages.empty());
  main.UpdateCommandStates();
  EXPECT_TRUE(main.CommandAction(kSave)->isEnabled());
  const QByteArray list = SavedNodeList(QStringLiteral("plant.nxg"));
  ASSERT_EQ(LittleEndianCount(list), 3u);
  EXPECT_EQ(list.size(), 4 + 3 * 120);
  // Sorted by module number: Line (1), Pump (2), Boiler (300).
  EXPECT_LT(list.indexOf("Line"), list.indexOf("Pump"));
  EXPECT_LT(list.indexOf("Pump"), list.indexOf("Boiler"));
  EXPECT_EQ(WorkspaceNames(main), QStringList{"plant.nxg"});

  ASSERT_NE(main.NewDocument(), nullptr);
  ASSERT_EQ(main.Frames().size(), 2u);

  QFile bad(env_.Path(QStringLiteral("bad.nxg")));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("\xff\xff\xff\x7f not a node list");
  bad.close();
  for (af::CMDIChildWnd* active : main.Frames()) {
    SCOPED_TRACE(active->windowTitle().toStdString());
    main.MdiArea()->setActiveSubWindow(active);
    env_.messages.clear();
    env_.files.push_back(bad.fileName());
    main.Dispatch(frame::ID_HOST_FILE_OPEN);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_FALSE(env_.messages.empty());  // the failure was told
    EXPECT_EQ(main.MDIGetActive(), active);
    EXPECT_EQ(WorkspaceNames(main).size(), 2);
    ASSERT_NE(main.WorkspacePane()->currentItem(), nullptr);
    EXPECT_EQ(main.WorkspacePane()->currentItem()->text(), active->windowTitle());
  }
}

TEST_F(HostFixture, ClosingAFrameNotifiesOnceAndKeepsTheNodeList) {
  ASSERT_NE(StartWithSim("127.0.0.44", {"--modules", "2"}), nullptr);
  CMainFrame& main = *main_;
  EXPECT_EQ(MenuTitles().front(), "&File");
  EXPECT_TRUE(MenuTitles().contains("&Communication"));

  ASSERT_TRUE(main.MDIGetActive()->close());
  EXPECT_EQ(Count(kMsgFrameClosing), 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(main.MDIGetActive(), nullptr);
  // The node list went to the host's store on the way out.
  QFile store(env_.Path(QStringLiteral("Config/CfgLib.dat")));
  ASSERT_TRUE(store.open(QIODevice::ReadOnly));
  EXPECT_EQ(LittleEndianCount(store.readAll()), 2u);

  // A new session starts from the stored list without searching (with the
  // modules gone, a search would say that none was found).
  sim_.reset();
  ASSERT_NE(main.Start(), nullptr);
  EXPECT_TRUE(env_.messages.empty());
  EXPECT_EQ(LittleEndianCount(SavedNodeList()), 2u);

  // Leaving the host closes the frame the same way.
  main.close();
  EXPECT_EQ(Count(kMsgFrameClosing), 2);
}

}  // namespace
}  // namespace gw::host
