#pragma once
// The plug-in's application object: picks the language of the plug-in's
// texts when the library is loaded and releases it when it is unloaded.

#include <QString>
#include <QTranslator>
#include <memory>
#include <string>

#include "appframe/Resources.h"
#include "appframe/WinApp.h"

namespace gw::frame {

inline constexpr unsigned kLanguageEnglish = 1033;
inline constexpr unsigned kLanguageTraditionalChinese = 1028;
inline constexpr unsigned kLanguageSimplifiedChinese = 2052;

class CGwCfgApp : public af::CWinApp {
 public:
  CGwCfgApp();
  ~CGwCfgApp() override;

  bool InitInstance() override;
  int ExitInstance() override;

  const QString& ModelName() const { return modelName_; }
  // The loaded language library, or null.
  const af::ResourceModule* LanguageLibrary() const { return language_.get(); }
  // Where the plug-in's texts come from: the language library when one is
  // loaded, else the plug-in itself.
  const af::ResourceModule& Resources();

  // A text of the plug-in in the chosen language.
  QString Tr(const char* text);
  QString Tr(const std::string& text) { return Tr(text.c_str()); }
  QString LoadString(int id);

  // "LanguageId" of the host's settings (organisation "Orvane", application
  // "GwSuite"), read only; 1033 when missing or not a number.
  static unsigned ReadLanguageId();
  // The language library of `languageId` relative to the current folder:
  // "./Language/<model>CHT.qm" for 1028, "...CHS.qm" for 2052, else empty.
  static QString LanguageLibraryPath(const QString& modelName, unsigned languageId);
  // The toolkit's own translation for `languageId` ("qtbase_zh_TW" for 1028,
  // "qtbase_zh_CN" for 2052), else empty.
  static QString ToolkitTranslationName(unsigned languageId);

 private:
  // Installs the toolkit's texts in the language of `languageId`, if any.
  void InstallToolkitTexts(unsigned languageId);

  QString modelName_;
  std::unique_ptr<af::ResourceModule> language_;
  // The toolkit's texts in the plug-in's language, while installed.
  std::unique_ptr<QTranslator> toolkitTexts_;
};

extern CGwCfgApp theApp;

}  // namespace gw::frame
