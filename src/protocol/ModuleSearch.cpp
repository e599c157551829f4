#include "ModuleSearch.h"

#include "model/Texts.h"
#include "protocol/HostCommands.h"
#include "protocol/LinkAction.h"

namespace gw {

void SearchModules(DeviceLink& link, const AfterSearch& afterSearch) {
  NodeTable& nodes = link.Nodes();
  UserInterface& ui = link.Ui();
  nodes.SetCount(0);
  LinkAction action(link, link.RemoteAddressCopy());
  if (action.Status() == LinkStatus::NoTransport) ui.Message(text::kCommunicationError);
  if (action.Open()) {
    ui.ProgressOpen(text::kProcessing, text::kSearching, 0, 1, 1);
    link.Search();
    ui.ProgressSetPosition(1);
    ui.ProgressClose();
    if (nodes.Count() == 0) {
      ui.Message(text::kNoModuleFound);
      ui.NotifyHost(kMsgNotFound, 0, text::kNoModuleFound);
    }
    action.Close();
  }
  if (nodes.Count() > 1) nodes.SortNodes();
  nodes.ResetNodeFlags();
  if (afterSearch) afterSearch(nodes);
}

}  // namespace gw
