#pragma once
// The modules an nxgsim process plays, made in-process from the same command
// line: what each module is (MAC, number, firmware, password), what it holds
// at its factory setting, and the reply it sends to a search. Faults of the
// command line are left out: the twin is what the module is, not what the
// line makes of it.

#include <cstdint>
#include <string>
#include <vector>

#include "ModuleSetup.h"
#include "Simulator.h"
#include "model/NodeRecord.h"

namespace gw::test {

class ModuleTwin {
 public:
  explicit ModuleTwin(const std::vector<std::string>& simArgs);

  std::size_t Count() const { return simulator_.ModuleCount(); }
  // Module `i` (0-based, in command-line order).
  const sim::ModuleSetup& Setup(std::size_t i);
  // Its reply to a search carrying `transactionId`, as it goes on the wire.
  std::vector<std::uint8_t> SearchReply(std::size_t i, std::uint32_t transactionId = 1);
  // The block as the module holds it when it starts (the clock block with
  // the time it starts from).
  ConstBytes Block(std::size_t i, int block);

 private:
  sim::Simulator simulator_;
};

}  // namespace gw::test
