#pragma once
// A device link bound to the fake transport, with its node table, a recording
// user interface and a fake clock on one event log. Members are declared so
// that the link goes before the fake it was bound to.

#include <vector>

#include "link/DeviceLink.h"
#include "model/NodeTable.h"
#include "support/EventLog.h"
#include "support/FakeClock.h"
#include "support/FakeModule.h"
#include "support/FakePortLink.h"
#include "support/RecordingUi.h"

namespace gw::test {

struct LinkHarness {
  EventLog log;
  FakeClock clock{log};
  FakePortLink port{log};
  RecordingUi ui;
  NodeTable nodes;
  DeviceLink link{nodes, ui, clock};
  std::vector<int> exitCodes;  // every call of the terminate hook

  // Binds the link to the fake; true when nothing asked to terminate.
  bool Bind() {
    link.Bind(port, [this](int code) { exitCodes.push_back(code); });
    return exitCodes.empty();
  }
  // The same, with the link opened as an action would.
  bool BindAndOpen() {
    if (!Bind()) return false;
    link.OpenLink();
    return true;
  }
  // Reopens the link on the comm type the fake now reports.
  void UseCommType(int commType) {
    port.commType = commType;
    link.OpenLink();
  }

  // Adds the module as a search would find it, makes it the current node and
  // sets its firmware number; returns its index.
  int AddNode(const FakeModule& module) {
    std::vector<std::uint8_t> reply = module.header;
    const ConstBytes network = module.record.Block(0);
    reply.insert(reply.end(), network.begin(), network.end());
    const int length = static_cast<int>(reply.size());
    reply.resize(kLinkBufferSize, 0);
    nodes.AppendFromSearchReply(reply, length);
    const int index = nodes.Count() - 1;
    nodes.SetCurrent(index);
    nodes.UpdateFirmwareNumber(index);
    return index;
  }
};

// The length a link step answered, or -1 when it failed.
inline int LengthOf(const LinkResult& result) { return result.Ok() ? result.length : -1; }

}  // namespace gw::test
