#include "CmdTarget.h"

namespace af {

bool CCmdTarget::OnCmdMsg(int id) {
  const auto it = handlers_.find(id);
  if (it == handlers_.end()) return false;
  // The handler may close the target; keep a copy alive for the call.
  const Handler handler = it->second;
  handler();
  return true;
}

bool CCmdTarget::OnUpdateCmdUI(CCmdUI& ui) {
  if (const auto it = updaters_.find(ui.Id()); it != updaters_.end()) {
    it->second(ui);
    return true;
  }
  if (handlers_.contains(ui.Id())) {
    ui.Enable(true);
    return true;
  }
  return false;
}

void CCmdTarget::OnCommand(int id, Handler handler) { handlers_[id] = std::move(handler); }

void CCmdTarget::OnUpdateCommand(int id, UpdateHandler handler) {
  updaters_[id] = std::move(handler);
}

}  // namespace af
