#pragma once
// Reading all parameter blocks of the current node.

#include "link/DeviceLink.h"

namespace gw {

// Reads the current node's parameter blocks; true only when all were read.
// Runs while the action's link is open.
bool InquireModule(DeviceLink& link);

}  // namespace gw
