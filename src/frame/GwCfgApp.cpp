#include "GwCfgApp.h"

#include <QFont>
#include <QSettings>
#include <QTranslator>

#include "PluginResources.h"

namespace gw::frame {

CGwCfgApp theApp;

CGwCfgApp::CGwCfgApp() : modelName_(QStringLiteral("NXG4120-T")) {
  State().resourceHandle = &PluginInstance();
}

CGwCfgApp::~CGwCfgApp() = default;

bool CGwCfgApp::InitInstance() {
  // The diagram's labels ask for Times New Roman; Liberation Serif has its
  // metrics where the font itself is not installed.
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
  const QString path = LanguageLibraryPath(modelName_, ReadLanguageId());
  if (!path.isEmpty()) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(path)) {
      language_ = std::make_unique<af::ResourceModule>(PluginInstance(), std::move(translator));
    }
  }
  if (language_) State().resourceHandle = language_.get();
  return CWinApp::InitInstance();
}

int CGwCfgApp::ExitInstance() {
  State().resourceHandle = &PluginInstance();
  language_.reset();
  return CWinApp::ExitInstance();
}

const af::ResourceModule& CGwCfgApp::Resources() {
  return language_ ? *language_ : PluginInstance();
}

QString CGwCfgApp::Tr(const char* text) { return Resources().Translate(text); }

QString CGwCfgApp::LoadString(int id) { return Resources().LoadString(id); }

unsigned CGwCfgApp::ReadLanguageId() {
  const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("Orvane"), QStringLiteral("GwSuite"));
  bool ok = false;
  const unsigned id = settings.value(QStringLiteral("LanguageId")).toUInt(&ok);
  return ok ? id : kLanguageEnglish;
}

QString CGwCfgApp::LanguageLibraryPath(const QString& modelName, unsigned languageId) {
  switch (languageId) {
    case kLanguageTraditionalChinese: return QStringLiteral("./Language/") + modelName + "CHT.qm";
    case kLanguageSimplifiedChinese: return QStringLiteral("./Language/") + modelName + "CHS.qm";
    default: return {};
  }
}

}  // namespace gw::frame
