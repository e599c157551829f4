#pragma once
// Faults on demand: each configured fault decides, reply by reply, whether it
// strikes, from its own generator seeded from the simulator's seed, so the
// same seed and the same traffic give the same faults.
//
// A fault is written KIND[=VALUE][:WHEN]. WHEN is a probability with a decimal
// point (0.25) or a count (3: the first three replies it can apply to); none
// means every time. VALUE is the delay in ms for `delay` (default 500).
// invalid-points does not touch replies of the configuration protocol: the
// Modbus result registers take it (ModbusRegisters.h).

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "SimTypes.h"

namespace gw::sim {

enum class FaultKind {
  Drop,       // no reply
  Delay,      // the reply goes out late
  Duplicate,  // the reply goes out twice
  Corrupt,    // serial: wrong checksum byte; Ethernet: one byte changed
  OtherMac,   // the reply carries another MAC address
  OtherType,  // the reply carries another ModuleType
  StaleId,    // the reply carries the TransactionId of an earlier request
  Short,      // the reply is one byte shorter than the tool takes
  Busy,       // read and write replies: 0xC003 / 0xC005, request carried out
  Refuse,     // writes: 0x8005, not carried out (another user)
  Echo,       // the request's own header goes back instead of the reply
  // Modbus: device monitor points reported invalid (WHEN: the first N points
  // of each table, or each point with a probability; none: every point).
  InvalidPoints,
};

struct FaultRule {
  FaultKind kind = FaultKind::Drop;
  std::optional<double> probability;  // neither: every time
  std::optional<unsigned> count;
  unsigned delayMs = 500;
};

std::string_view FaultName(FaultKind kind);
// Every fault name, for the usage text.
std::string FaultNames();
std::optional<FaultRule> ParseFault(std::string_view text, std::string& error);

// A reply on its way out, with what the faults need to know about it.
struct PendingReply {
  std::vector<std::uint8_t> body;
  std::uint16_t command = 0;                // of the request it answers
  std::size_t minimumLength = 0;            // the shortest the tool takes
  std::uint32_t staleId = 0;                // an earlier TransactionId, different from this one
  std::vector<std::uint8_t> requestHeader;  // the request as it came, cut to its header
};

class FaultInjector {
 public:
  FaultInjector(std::vector<FaultRule> rules, std::uint32_t seed);

  // Decides the refuse faults for one write the module would carry out.
  bool RefuseWrite();
  // Decides and applies every other fault to one reply; `notes` gets the name
  // of each fault that struck. Empty when the reply is dropped.
  std::vector<Outgoing> Apply(PendingReply reply, Channel channel, std::vector<std::string>& notes);

 private:
  struct Active {
    FaultRule rule;
    std::mt19937 gen;
    unsigned seen = 0;
  };
  bool Strikes(Active& fault);

  std::vector<Active> faults_;
};

}  // namespace gw::sim
