#pragma once
// A module as the fake transport plays it: it answers a search with its
// header and NetworkBlock, a read with the block it holds, a write by taking
// the block (when its write code accepts it) and sending back what it holds,
// and a login or factory reset with its header.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "model/NodeRecord.h"
#include "support/FakePortLink.h"

namespace gw::test {

class FakeModule {
 public:
  explicit FakeModule(std::uint8_t macTail, std::uint16_t moduleNumber = 1,
                      std::uint16_t firmware = 0x0155);

  std::vector<std::uint8_t> header;  // its reply header, Command aside
  NodeRecord record;                 // the blocks it holds

  std::uint16_t readCode = 0x0003;
  std::uint16_t writeCode = 0x0005;  // 0x0005 and 0xC005 take the block
  std::uint16_t loginCode = 0x0007;
  std::uint16_t resetCode = 0x0009;

  bool answerAnyMac = false;  // also answers requests addressed to other modules
  std::function<bool(const SentRequest&)> ignore;  // requests it leaves unanswered
  std::optional<std::size_t> replyLength;          // replies cut to this many bytes
  std::vector<SentRequest> heard;                  // every request, answered or not

  MacAddress Mac() const;
  // The reply body to a request, or nothing.
  std::optional<std::vector<std::uint8_t>> Answer(const SentRequest& request);

 private:
  std::vector<std::uint8_t> Reply(const SentRequest& request, std::uint16_t code,
                                  ConstBytes payload) const;
};

}  // namespace gw::test
