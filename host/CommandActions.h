#pragma once
// One action per command number, shared by the menus and the toolbars, with
// the command's prompt in the status bar and its short name as tooltip.

#include <QAction>
#include <QMenuBar>
#include <QObject>
#include <functional>
#include <map>

#include "appframe/Resources.h"

namespace gw::host {

class CommandActions {
 public:
  using Trigger = std::function<void(int id)>;

  CommandActions(QObject* owner, Trigger trigger);

  // The action of `id`, made on first use.
  QAction* Action(int id);
  const std::map<int, QAction*>& All() const { return actions_; }

  // Fills `bar` from a menu resource; the item texts and shortcuts become
  // the actions' texts.
  void BuildMenuBar(QMenuBar* bar, const af::MenuResource& menu,
                    const std::function<void(QMenu*)>& aboutToShow);
  // Reloads every action's prompt from the resources.
  void LoadPrompts();

 private:
  void Fill(QMenu* menu, const std::vector<af::MenuItem>& items,
            const std::function<void(QMenu*)>& aboutToShow);

  QObject* owner_;
  Trigger trigger_;
  std::map<int, QAction*> actions_;
};

}  // namespace gw::host
