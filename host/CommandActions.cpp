#include "CommandActions.h"

#include <QMenu>

#include "appframe/WinApp.h"

namespace gw::host {

CommandActions::CommandActions(QObject* owner, Trigger trigger)
    : owner_(owner), trigger_(std::move(trigger)) {}

QAction* CommandActions::Action(int id) {
  if (const auto it = actions_.find(id); it != actions_.end()) return it->second;
  auto* action = new QAction(owner_);
  action->setData(id);
  QObject::connect(action, &QAction::triggered, owner_, [this, id] { trigger_(id); });
  actions_[id] = action;
  const QString prompt = af::AfxLoadString(id);
  action->setStatusTip(af::SubString(prompt, 0));
  if (!af::SubString(prompt, 1).isEmpty()) action->setToolTip(af::SubString(prompt, 1));
  return action;
}

void CommandActions::LoadPrompts() {
  for (auto& [id, action] : actions_) {
    const QString prompt = af::AfxLoadString(id);
    action->setStatusTip(af::SubString(prompt, 0));
    if (!af::SubString(prompt, 1).isEmpty()) action->setToolTip(af::SubString(prompt, 1));
  }
}

void CommandActions::BuildMenuBar(QMenuBar* bar, const af::MenuResource& menu,
                                  const std::function<void(QMenu*)>& aboutToShow) {
  bar->clear();
  for (const af::MenuItem& popup : menu) {
    QMenu* sub = bar->addMenu(popup.text);
    Fill(sub, popup.items, aboutToShow);
  }
}

void CommandActions::Fill(QMenu* menu, const std::vector<af::MenuItem>& items,
                          const std::function<void(QMenu*)>& aboutToShow) {
  QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, aboutToShow] { aboutToShow(menu); });
  for (const af::MenuItem& item : items) {
    if (item.separator) {
      menu->addSeparator();
    } else if (item.id == 0) {
      Fill(menu->addMenu(item.text), item.items, aboutToShow);
    } else {
      QAction* action = Action(item.id);
      const qsizetype tab = item.text.indexOf(QLatin1Char('\t'));
      action->setText(tab < 0 ? item.text : item.text.left(tab));
      if (tab >= 0) action->setShortcut(QKeySequence(item.text.mid(tab + 1)));
      action->setProperty("grayed", item.grayed);
      menu->addAction(action);
    }
  }
}

}  // namespace gw::host
