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

}  // namespace gw
