#pragma once
// The factory parameters of a simulated module: block 0 follows the module's
// setup exactly; every other block gets plausible values drawn from the
// module's seed, the same ones for the same seed and position.

#include "ModuleSetup.h"
#include "model/NodeRecord.h"

namespace gw::sim {

// Clears the record and fills all fifteen blocks (the header is left zero).
// The password is not part of the factory setting.
void FillFactoryBlocks(const ModuleSetup& setup, NodeRecord& record);

// fe80::xxxx:xxff:fexx:xxxx from the MAC address (modified EUI-64).
void StoreLinkLocalIpv6(Bytes field, const MacAddress& mac);

}  // namespace gw::sim
