// The plug-in's language: "LanguageId" picks a translation from the Language
// folder of the current directory; the template's resources stay English.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTranslator>
#include <memory>

#include "appframe/DocTemplate.h"
#include "frame/DllEntry.h"
#include "frame/GuiTestSupport.h"
#include "frame/GwCfgApp.h"
#include "frame/PluginResources.h"
#include "frame/QtUserInterface.h"
#include "frame/Resource.h"
#include "model/Texts.h"

namespace gw::frame {
namespace {

QString BuiltLanguageFolder() {
  return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Language"));
}

// A test run in its own current directory, with or without the Language
// folder the build produced.
class LanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(env_.Home()));
  }
  void TearDown() override {
    theApp.ExitInstance();
    QDir::setCurrent(previous_);
  }
  void InstallLanguageFolder() {
    QDir().mkpath(QStringLiteral("Language"));
    for (const char* name : {"NXG4120-TCHT.qm", "NXG4120-TCHS.qm"}) {
      ASSERT_TRUE(QFile::copy(QDir(BuiltLanguageFolder()).filePath(QString::fromLatin1(name)),
                              QStringLiteral("Language/") + QString::fromLatin1(name)))
          << name;
    }
  }

  test::GuiEnvironment env_;
  QString previous_;
};

TEST_F(LanguageTest, TraditionalChineseWithTheFilePresent) {
  InstallLanguageFolder();
  env_.SetLanguageId(1028);
  ASSERT_TRUE(theApp.InitInstance());
  ASSERT_NE(theApp.LanguageLibrary(), nullptr);
  EXPECT_EQ(theApp.Tr("Communication error"), QString::fromUtf8("通訊錯誤"));
  // A message with a value: the pattern is translated, then the value put in.
  EXPECT_EQ(TranslatedMessage(text::FilterExcludesComputer("10.1.2.3")),
            QString::fromUtf8("過濾清單不包含這台電腦 (10.1.2.3)。仍要套用嗎？"));
  EXPECT_EQ(theApp.LoadString(IDS_PROCESSING), QString::fromUtf8("處理中..."));
  EXPECT_EQ(theApp.LoadString(ID_VIEW_REFRESH), QString::fromUtf8("重新整理目前的檢視\n重新整理"));

  // The menu bar and the document name still come from the plug-in itself.
  const std::unique_ptr<af::CDocTemplate> docTemplate(DLLDocTemplate());
  ASSERT_TRUE(docTemplate);
  docTemplate->LoadTemplate();
  EXPECT_EQ(docTemplate->GetDocString(af::CDocTemplate::docName), QStringLiteral("NXG4120-T"));
  ASSERT_FALSE(docTemplate->Menu().empty());
  EXPECT_EQ(docTemplate->Menu().front().text, QStringLiteral("&File"));
  EXPECT_TRUE(env_.messages.empty());
}

TEST_F(LanguageTest, SimplifiedChineseWithTheFilePresent) {
  InstallLanguageFolder();
  env_.SetLanguageId(2052);
  ASSERT_TRUE(theApp.InitInstance());
  EXPECT_EQ(theApp.Tr("Communication error"), QString::fromUtf8("通信错误"));
  EXPECT_EQ(theApp.Tr("Security"), QString::fromUtf8("安全"));
}

TEST_F(LanguageTest, OtherLanguageIdsKeepEnglish) {
  InstallLanguageFolder();
  env_.SetLanguageId(1031);
  ASSERT_TRUE(theApp.InitInstance());
  EXPECT_EQ(theApp.LanguageLibrary(), nullptr);
  EXPECT_EQ(theApp.Tr("Communication error"), QStringLiteral("Communication error"));
}

TEST_F(LanguageTest, MissingTranslationKeepsEnglishWithoutAMessage) {
  env_.SetLanguageId(1028);
  ASSERT_TRUE(theApp.InitInstance());
  EXPECT_EQ(theApp.LanguageLibrary(), nullptr);
  EXPECT_EQ(theApp.LoadString(IDS_COMMUNICATION_ERROR), QStringLiteral("Communication error"));
  EXPECT_TRUE(env_.messages.empty());
}

TEST_F(LanguageTest, MissingSettingIsEnglishAndIsNotCreated) {
  InstallLanguageFolder();
  EXPECT_EQ(CGwCfgApp::ReadLanguageId(), 1033u);
  ASSERT_TRUE(theApp.InitInstance());
  EXPECT_EQ(theApp.LanguageLibrary(), nullptr);
  EXPECT_FALSE(QFileInfo::exists(env_.SettingsFile()));
}

// The texts of the buttons of a Yes/No box that the plug-in shows.
QStringList QuestionButtonTexts() {
  QStringList texts;
  const af::MessageBoxHook previous = af::AfxSetMessageBoxHook({});
  const test::ModalCatcher<QMessageBox> catcher([&texts](QMessageBox& box) {
    for (QAbstractButton* button : box.buttons()) texts << button->text();
  });
  CQtUserInterface().Message("Return to factory setting", Buttons::YesNo, Icon::Question);
  af::AfxSetMessageBoxHook(previous);
  return texts;
}

// The toolkit's own buttons speak the plug-in's language too.
TEST_F(LanguageTest, StandardButtonsFollowThePluginsLanguage) {
  InstallLanguageFolder();
  for (const unsigned id : {1028u, 2052u, 1033u}) {
    SCOPED_TRACE(id);
    env_.SetLanguageId(id);
    ASSERT_TRUE(theApp.InitInstance());
    const QStringList texts = QuestionButtonTexts();
    ASSERT_EQ(texts.size(), 2);
    const bool english = id == 1033u;
    for (const QString& text : texts) {
      const bool latin =
          text.contains(QStringLiteral("Yes")) || text.contains(QStringLiteral("No"));
      EXPECT_EQ(latin, english) << text.toStdString();
    }
    theApp.ExitInstance();
  }
}

TEST(LanguageLibrary, PathIsRelativeToTheCurrentFolder) {
  EXPECT_EQ(CGwCfgApp::LanguageLibraryPath("NXG4120-T", 1028), "./Language/NXG4120-TCHT.qm");
  EXPECT_EQ(CGwCfgApp::LanguageLibraryPath("NXG4120-T", 2052), "./Language/NXG4120-TCHS.qm");
  EXPECT_TRUE(CGwCfgApp::LanguageLibraryPath("NXG4120-T", 1033).isEmpty());
  EXPECT_TRUE(CGwCfgApp::LanguageLibraryPath("NXG4120-T", 1031).isEmpty());
}

// Every text the plug-in shows has both translations.
TEST(Translations, CoverEveryTextOfThePlugin) {
  for (const char* name : {"NXG4120-TCHT.qm", "NXG4120-TCHS.qm"}) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QDir(BuiltLanguageFolder()).filePath(QString::fromLatin1(name))))
        << name;
    for (const char* text : TranslatableTexts()) {
      const QString translated = translator.translate("NXG4120-T", text);
      EXPECT_FALSE(translated.isEmpty()) << name << ": " << text;
      EXPECT_NE(translated, QString::fromUtf8(text)) << name << ": " << text;
    }
  }
}

}  // namespace
}  // namespace gw::frame
