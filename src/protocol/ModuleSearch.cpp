#include "ModuleSearch.h"

#include <arpa/inet.h>

#include "model/Strings.h"
#include "link/Commands.h"
#include "protocol/Commands.h"

namespace gw {

namespace {

// Opens the transport as OpenLink does, aimed at the remote address copy.
// Returns false after saying why.
bool OpenForSearch(DeviceLink& link, int commType) {
  PortLinkApi& api = link.PortLink();
  int result = -1;
  if (commType == kCommSerial) {
    result = api.OpenSerialEx(api.GetCOMPortNum(), kSerialBaud, 8, 'N', 1);
  } else if (commType == kCommEthernet) {
    const std::uint32_t remote = htonl(link.RemoteAddressCopy());
    api.SetRemoteIPAddr(remote);
    result = api.OpenSocket(kSocketDatagram, remote, 0, kConfigPort, kSocketFlags);
  } else {
    link.Ui().Message(text::kCommunicationError);
    return false;
  }
  if (result < 0) {
    link.Ui().Message(text::kCannotOpenDevice);
    return false;
  }
  return true;
}

void CollectReplies(DeviceLink& link, int commType) {
  if (commType == kCommSerial) {
    link.ReceiveFrame(CmdSearch, 0);
    return;
  }
  for (int i = 0; i < NodeTable::kSearchLimit; ++i) {
    if (link.ReadSelect(link.Timing().replyWait) <= 0) break;
    link.ReceiveFrame(CmdSearch, 0);
  }
}

}  // namespace

void SearchModules(DeviceLink& link, const AfterSearch& afterSearch) {
  NodeTable& nodes = link.Nodes();
  UserInterface& ui = link.Ui();
  nodes.SetCount(0);
  const int commType = link.CommType();
  if (OpenForSearch(link, commType)) {
    ui.ProgressOpen(text::kProcessing, text::kSearching, 0, 1, 1);
    if (link.SendFrame(CmdSearch, 0) > 0) CollectReplies(link, commType);
    ui.ProgressSetPosition(1);
    ui.ProgressClose();
    if (nodes.Count() == 0) {
      ui.Message(text::kNoModuleFound);
      ui.NotifyHost(kMsgNotFound, 0, text::kNoModuleFound);
    }
    link.CloseLink();
  }
  if (nodes.Count() > 1) nodes.SortNodes();
  nodes.ResetNodeFlags();
  if (afterSearch) afterSearch(nodes);
}

}  // namespace gw
