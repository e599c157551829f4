#include "FakeModule.h"

#include <algorithm>

#include "support/Records.h"

namespace gw::test {

FakeModule::FakeModule(std::uint8_t macTail, std::uint16_t moduleNumber, std::uint16_t firmware)
    : header(ModuleHeader(macTail, moduleNumber, firmware)) {}

MacAddress FakeModule::Mac() const {
  MacAddress mac{};
  std::copy_n(header.begin() + hdr::MacAddress, hdr::kMacSize, mac.begin());
  return mac;
}

std::vector<std::uint8_t> FakeModule::Reply(const SentRequest& request, std::uint16_t code,
                                            ConstBytes payload) const {
  std::vector<std::uint8_t> body = header;
  StoreBE32(body, hdr::TransactionId, request.transactionId);
  StoreBE16(body, hdr::Command, code);
  body.insert(body.end(), payload.begin(), payload.end());
  // Like a module, a block reply is never shorter than the block's minimum
  // (block 11's minimum is above its header and payload).
  const BlockInfo* info = FindBlock(request.block);
  if (info && (request.command == 2 || request.command == 4)) {
    body.resize(std::max(body.size(), info->minReplyLength), 0);
  }
  if (replyLength && *replyLength < body.size()) body.resize(*replyLength);
  return body;
}

std::optional<std::vector<std::uint8_t>> FakeModule::Answer(const SentRequest& request) {
  heard.push_back(request);
  if (ignore && ignore(request)) return std::nullopt;
  if (request.command != 0 && request.mac != Mac() && !answerAnyMac) return std::nullopt;
  switch (request.command) {
    case 0:  // search
      return Reply(request, 0x0001, record.Block(0));
    case 2:  // read
      return Reply(request, readCode, record.Block(request.block));
    case 4: {  // write
      const Bytes block = record.Block(request.block);
      if ((writeCode == 0x0005 || writeCode == 0xC005) &&
          request.body.size() >= hdr::kSize + block.size()) {
        std::copy_n(request.body.begin() + hdr::kSize, block.size(), block.begin());
      }
      return Reply(request, writeCode, block);
    }
    case 6:  // login
      return Reply(request, loginCode, {});
    case 8:  // factory reset
      return Reply(request, resetCode, {});
    default:
      return std::nullopt;
  }
}

}  // namespace gw::test
