#pragma once
// Finding modules: one search request over the configuration link, every
// valid and distinct reply a node, the list sorted by module number.

#include <functional>

#include "link/DeviceLink.h"
#include "model/NodeTable.h"

namespace gw {

// Runs after every search with the node table as it then stands (the IP list
// merge).
using AfterSearch = std::function<void(const NodeTable&)>;

// Sends the search to the document's remote address copy, which also becomes
// the transport's remote address, so the node traffic that follows goes where
// the modules were found.
void SearchModules(DeviceLink& link, const AfterSearch& afterSearch);

// The fixed wait between a read request and its reply on a serial line.
inline constexpr std::chrono::milliseconds kSerialReadWait{400};

// Late replies one read sets aside before it gives up on Ethernet.
inline constexpr int kLateRepliesSetAside = 4;

// One read request for the current node and its reply: 0 when the request
// could not be sent, -1 when no acceptable reply came, else the reply length.
int ReadBlockOnce(DeviceLink& link, int block, int commType);

// Reads the current node's parameter blocks; true only when all were read.
// Runs between OpenLink and CloseLink.
bool InquireModule(DeviceLink& link);

}  // namespace gw
