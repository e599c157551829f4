#pragma once
// Resources of one module (the host or a plug-in): a string table, menus and
// icons by number. A language module carries the same resources with its
// texts translated.

#include <QIcon>
#include <QString>
#include <QTranslator>
#include <map>
#include <memory>
#include <vector>

namespace af {

// One entry of a menu bar or a popup menu.
struct MenuItem {
  int id = 0;  // 0 for a popup or a separator
  QString text;
  std::vector<MenuItem> items;  // the popup's entries
  bool separator = false;
  bool grayed = false;

  static MenuItem Command(int id, QString text, bool grayed = false);
  static MenuItem Popup(QString text, std::vector<MenuItem> items);
  static MenuItem Separator();
};

using MenuResource = std::vector<MenuItem>;

class ResourceModule {
 public:
  explicit ResourceModule(QString name);
  // A language module over `base`: the same resources, texts through
  // `translator` (context: the base module's name).
  ResourceModule(const ResourceModule& base, std::unique_ptr<QTranslator> translator);
  ~ResourceModule();
  ResourceModule(const ResourceModule&) = delete;
  ResourceModule& operator=(const ResourceModule&) = delete;

  const QString& Name() const { return name_; }

  void AddString(int id, const char* text);
  void AddMenu(int id, MenuResource menu);
  void AddIcon(int id, QString path);

  bool HasString(int id) const;
  // The text of string `id`, translated in a language module; empty when
  // the module has no such string.
  QString LoadString(int id) const;
  // `text` translated in a language module, else `text` itself.
  QString Translate(const char* text) const;
  const MenuResource* Menu(int id) const;
  QIcon Icon(int id) const;
  bool IsLanguageModule() const { return translator_ != nullptr; }

 private:
  struct Tables {
    std::map<int, const char*> strings;
    std::map<int, MenuResource> menus;
    std::map<int, QString> icons;
  };
  QString name_;
  std::shared_ptr<Tables> tables_;
  std::unique_ptr<QTranslator> translator_;
};

// The part of the newline-separated field `index` of a document string or a
// command prompt ("prompt\ntip").
QString SubString(const QString& text, int index);

}  // namespace af
