#pragma once
// Filling the request fields of a 36-byte frame header.

#include <cstdint>

#include "model/ByteOrder.h"
#include "model/RecordLayout.h"

namespace gw {

// Writes ModuleType 0xF200, HeaderVersion 1, the transaction id, the command,
// the block number and HeaderTail 0 into `header`; every other byte is left as
// it is.
void BuildHeader(Bytes header, int command, int block, std::uint32_t transactionId);

}  // namespace gw
