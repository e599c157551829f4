// The application framework's own rules: command routing and state, archives,
// property sheets, filters, resources and plug-in loading failures.
#include <QBuffer>
#include <QPushButton>

#include "appframe/Archive.h"
#include "appframe/CmdTarget.h"
#include "appframe/Dialogs.h"
#include "appframe/PluginLibrary.h"
#include "appframe/PropertySheet.h"
#include "appframe/Resources.h"
#include "appframe/WinApp.h"
#include "frame/GuiTestSupport.h"

namespace af {
namespace {

class Target : public CCmdTarget {
 public:
  Target() {
    OnCommand(1, [this] { ++ran; });
    OnCommand(2, [this] { ++ran; });
    OnUpdateCommand(2, [this](CCmdUI& ui) { ui.Enable(enabled); });
    OnUpdateCommand(3, [](CCmdUI&) {});
  }
  int ran = 0;
  bool enabled = false;
};

TEST(CmdTarget, HandlersRunAndTellTheirState) {
  Target target;
  EXPECT_TRUE(target.OnCmdMsg(1));
  EXPECT_FALSE(target.OnCmdMsg(9));
  EXPECT_EQ(target.ran, 1);
  CCmdUI withHandler(1), withUpdate(2), updateOnly(3), unknown(9);
  EXPECT_TRUE(target.OnUpdateCmdUI(withHandler));
  EXPECT_TRUE(withHandler.Enabled());
  EXPECT_TRUE(target.OnUpdateCmdUI(withUpdate));
  EXPECT_FALSE(withUpdate.Enabled());
  EXPECT_TRUE(target.OnUpdateCmdUI(updateOnly));
  EXPECT_TRUE(updateOnly.Enabled());  // left as it was
  EXPECT_FALSE(target.OnUpdateCmdUI(unknown));
}

TEST(Archive, ReadPastTheEndFailsWithTheFileErrorText) {
  QByteArray bytes("abc");
  QBuffer buffer(&bytes);
  ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
  CArchive archive(buffer, CArchive::load, QStringLiteral("list.nxg"));
  EXPECT_TRUE(archive.IsLoading());
  char two[2];
  EXPECT_TRUE(archive.Read(two, 2));
  char more[4];
  EXPECT_FALSE(archive.Read(more, 4));
  EXPECT_TRUE(archive.Failed());
  EXPECT_EQ(archive.ErrorText(), "An attempt was made to access list.nxg past its end.");
  EXPECT_TRUE(archive.ReadAll().isEmpty());
}

TEST(Archive, StoresIntoMemory) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
  CArchive archive(buffer, CArchive::store);
  archive.Write(QByteArray("\x03\x00\x00\x00", 4));
  EXPECT_FALSE(archive.Failed());
  EXPECT_EQ(bytes.size(), 4);
}

class Page : public CPropertyPage {
 public:
  using CPropertyPage::CPropertyPage;
  bool OnSetActive() override { return enterable; }
  bool OnKillActive() override { return leavable; }
  bool OnApply() override {
    ++applied;
    return applies;
  }
  bool enterable = true;
  bool leavable = true;
  bool applies = true;
  int applied = 0;
};

TEST(SheetRules, PagesMayRefuseToBeEnteredOrLeft) {
  CPropertySheet sheet(QStringLiteral("GW-1"));
  auto* overview = new Page(QStringLiteral("Overview"));
  auto* basic = new Page(QStringLiteral("Basic"));
  auto* security = new Page(QStringLiteral("Security"));
  for (Page* page : {overview, basic, security}) sheet.AddPage(page);
  ASSERT_TRUE(sheet.SetActivePage(2));  // before showing: the start page
  EXPECT_EQ(sheet.GetActivePage(), security);
  sheet.show();
  basic->enterable = false;
  EXPECT_FALSE(sheet.SetActivePage(1));
  EXPECT_EQ(sheet.GetActivePage(), security);
  security->leavable = false;
  EXPECT_FALSE(sheet.SetActivePage(0));
  security->leavable = true;
  EXPECT_TRUE(sheet.SetActivePage(0));
  EXPECT_EQ(sheet.GetActivePage(), overview);
}

TEST(SheetRules, ApplyWritesModifiedPagesOnly) {
  CPropertySheet sheet(QStringLiteral("GW-1"));
  auto* overview = new Page(QStringLiteral("Overview"));
  auto* basic = new Page(QStringLiteral("Basic"));
  sheet.AddPage(overview);
  sheet.AddPage(basic);
  EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
  basic->SetModified();
  EXPECT_TRUE(sheet.ApplyButton()->isEnabled());
  basic->applies = false;
  EXPECT_FALSE(sheet.Apply());
  EXPECT_EQ(sheet.GetActivePage(), basic);  // the refusing page comes forward
  basic->applies = true;
  EXPECT_TRUE(sheet.Apply());
  EXPECT_EQ(basic->applied, 2);
  EXPECT_EQ(overview->applied, 0);
  EXPECT_FALSE(basic->IsModified());
  EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
}

TEST(Dialogs, FiltersBecomeTheToolkitsForm) {
  EXPECT_EQ(QtFilterFromPairs(QStringLiteral("NXG4120 Config File (*.mod)|*.mod||")),
            "NXG4120 Config File (*.mod)");
  EXPECT_EQ(QtFilterFromPairs(QStringLiteral("Lists|*.nxg;*.lst|All|*||")),
            "Lists (*.nxg *.lst);;All (*)");
  EXPECT_EQ(QtFilterFromPairs(QString()), "All Files (*)");
}

TEST(Resources, LanguageModuleTranslatesTheSameTable) {
  ResourceModule own(QStringLiteral("Test"));
  own.AddString(7, "Seven\nTip");
  EXPECT_EQ(own.LoadString(7), "Seven\nTip");
  EXPECT_TRUE(own.LoadString(8).isEmpty());
  EXPECT_EQ(SubString(own.LoadString(7), 1), "Tip");
  EXPECT_TRUE(SubString(own.LoadString(7), 2).isEmpty());
  const ResourceModule language(own, std::make_unique<QTranslator>());
  EXPECT_TRUE(language.IsLanguageModule());
  EXPECT_EQ(language.LoadString(7), "Seven\nTip");  // an empty translation keeps the text
}

TEST(Resources, CurrentHandleThenTheChain) {
  ResourceModule host(QStringLiteral("Host")), plugin(QStringLiteral("Plugin"));
  host.AddString(1, "host one");
  plugin.AddString(1, "plugin one");
  plugin.AddString(2, "plugin two");
  ModuleState hostState{&host}, pluginState{&plugin};
  const ModuleStateScope scope(hostState);
  AfxAddResourceChain(pluginState);
  EXPECT_EQ(AfxLoadString(1), "host one");
  EXPECT_EQ(AfxLoadString(2), "plugin two");
  AfxSetResourceHandle(&plugin);
  EXPECT_EQ(AfxLoadString(1), "plugin one");
  AfxRemoveResourceChain(pluginState);
  AfxSetResourceHandle(&host);
  EXPECT_TRUE(AfxLoadString(2).isEmpty());
}

TEST(PluginLibrary, LoadFailuresSayWhy) {
  QString error;
  EXPECT_EQ(PluginLibrary::Load(QStringLiteral("/nonexistent/libNothing.so"), &error), nullptr);
  EXPECT_FALSE(error.isEmpty());
  // A library without the entry.
  error.clear();
  EXPECT_EQ(PluginLibrary::Load(QStringLiteral("libz.so.1"), &error), nullptr);
  EXPECT_TRUE(error.contains("DLLDocTemplate")) << error.toStdString();
}

}  // namespace
}  // namespace af
