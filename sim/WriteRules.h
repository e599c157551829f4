#pragma once
// How a module takes a block write: only what the request's ChangeMask names.
// Block 0 goes field by field (name, addresses, IP configuration, password,
// IPv6), the clock block by its page's bits, the IP filter block by the
// switch and entry, the device monitor block table by table, the mail blocks
// field by field (server, sender, each subject, the recipient words, each
// address); every other block (the alarm switches, the relay table) is taken
// whole when its mask is not 0. A mask of 0
// changes nothing.

#include <cstdint>

#include "model/BlockTable.h"
#include "model/ByteOrder.h"
#include "model/ChangeMasks.h"

namespace gw::sim {

struct WriteOutcome {
  bool passwordWritten = false;
  bool clockWritten = false;
};

// `incoming` is the written block (block.size bytes); `stored` the module's
// copy, whose ChangeMask stays 0. `ipv6Capable`: the firmware takes the IPv6
// fields of block 0.
WriteOutcome ApplyBlockWrite(const BlockInfo& block, ConstBytes incoming, Bytes stored,
                             bool ipv6Capable);

}  // namespace gw::sim
