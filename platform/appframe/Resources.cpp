#include "Resources.h"

#include <QStringList>

namespace af {

MenuItem MenuItem::Command(int id, QString text, bool grayed) {
  MenuItem item;
  item.id = id;
  item.text = std::move(text);
  item.grayed = grayed;
  return item;
}

MenuItem MenuItem::Popup(QString text, std::vector<MenuItem> items) {
  MenuItem item;
  item.text = std::move(text);
  item.items = std::move(items);
  return item;
}

MenuItem MenuItem::Separator() {
  MenuItem item;
  item.separator = true;
  return item;
}

ResourceModule::ResourceModule(QString name)
    : name_(std::move(name)), tables_(std::make_shared<Tables>()) {}

ResourceModule::ResourceModule(const ResourceModule& base, std::unique_ptr<QTranslator> translator)
    : name_(base.name_), tables_(base.tables_), translator_(std::move(translator)) {}

ResourceModule::~ResourceModule() = default;

void ResourceModule::AddString(int id, const char* text) { tables_->strings[id] = text; }

void ResourceModule::AddMenu(int id, MenuResource menu) { tables_->menus[id] = std::move(menu); }

void ResourceModule::AddIcon(int id, QString path) { tables_->icons[id] = std::move(path); }

bool ResourceModule::HasString(int id) const { return tables_->strings.contains(id); }

QString ResourceModule::LoadString(int id) const {
  const auto it = tables_->strings.find(id);
  if (it == tables_->strings.end()) return {};
  return Translate(it->second);
}

QString ResourceModule::Translate(const char* text) const {
  if (translator_) {
    const QString translated = translator_->translate(name_.toUtf8().constData(), text);
    if (!translated.isEmpty()) return translated;
  }
  return QString::fromUtf8(text);
}

const MenuResource* ResourceModule::Menu(int id) const {
  const auto it = tables_->menus.find(id);
  return it == tables_->menus.end() ? nullptr : &it->second;
}

QIcon ResourceModule::Icon(int id) const {
  const auto it = tables_->icons.find(id);
  return it == tables_->icons.end() ? QIcon() : QIcon(it->second);
}

QString SubString(const QString& text, int index) {
  const QStringList parts = text.split(QLatin1Char('\n'));
  return index < parts.size() ? parts.at(index) : QString();
}

}  // namespace af
