#pragma once
// Prints every parameter of a node record, as text or JSON.

#include "model/NodeRecord.h"

namespace gw::cli {

void PrintNodeReport(const NodeRecord& record, int firmwareNumber, bool json);

}  // namespace gw::cli
