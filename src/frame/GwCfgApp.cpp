#include "GwCfgApp.h"

#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include "PluginResources.h"
#include "pages/qt/ControlMirror.h"

namespace gw::frame {

CGwCfgApp theApp;

CGwCfgApp::CGwCfgApp() : modelName_(QStringLiteral("NXG4120-T")) {
  State().resourceHandle = &PluginInstance();
  pages::SetTranslator([this](const char* text) { return Tr(text); });
}

CGwCfgApp::~CGwCfgApp() = default;

bool CGwCfgApp::InitInstance() {
  // The diagram's labels ask for Times New Roman; Liberation Serif has its
  // metrics where the font itself is not installed.
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
  const unsigned languageId = ReadLanguageId();
  const QString path = LanguageLibraryPath(modelName_, languageId);
  if (!path.isEmpty()) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(path)) {
      language_ = std::make_unique<af::ResourceModule>(PluginInstance(), std::move(translator));
    }
  }
  if (language_) {
    State().resourceHandle = language_.get();
    InstallToolkitTexts(languageId);
  }
  return CWinApp::InitInstance();
}

int CGwCfgApp::ExitInstance() {
  State().resourceHandle = &PluginInstance();
  if (toolkitTexts_) QCoreApplication::removeTranslator(toolkitTexts_.get());
  toolkitTexts_.reset();
  language_.reset();
  return CWinApp::ExitInstance();
}

void CGwCfgApp::InstallToolkitTexts(unsigned languageId) {
  // The buttons of message boxes and the file dialogs are the toolkit's own;
  // they follow the plug-in's language when the toolkit has it.
  const QString name = ToolkitTranslationName(languageId);
  if (name.isEmpty() || QCoreApplication::instance() == nullptr) return;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return;
  if (QCoreApplication::installTranslator(translator.get())) toolkitTexts_ = std::move(translator);
}

const af::ResourceModule& CGwCfgApp::Resources() {
  return language_ ? *language_ : PluginInstance();
}

QString CGwCfgApp::Tr(const char* text) { return Resources().Translate(text); }

QString CGwCfgApp::LoadString(int id) { return Resources().LoadString(id); }

unsigned CGwCfgApp::ReadLanguageId() {
  const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvane"),
                           QStringLiteral("GwSuite"));
  bool ok = false;
  const unsigned id = settings.value(QStringLiteral("LanguageId")).toUInt(&ok);
  return ok ? id : kLanguageEnglish;
}

QString CGwCfgApp::LanguageLibraryPath(const QString& modelName, unsigned languageId) {
  switch (languageId) {
    case kLanguageTraditionalChinese:
      return QStringLiteral("./Language/") + modelName + "CHT.qm";
    case kLanguageSimplifiedChinese:
      return QStringLiteral("./Language/") + modelName + "CHS.qm";
    default:
      return {};
  }
}

QString CGwCfgApp::ToolkitTranslationName(unsigned languageId) {
  switch (languageId) {
    case kLanguageTraditionalChinese:
      return QStringLiteral("qtbase_zh_TW");
    case kLanguageSimplifiedChinese:
      return QStringLiteral("qtbase_zh_CN");
    default:
      return {};
  }
}

}  // namespace gw::frame
