#include "FakeModule.h"

#include <algorithm>

#include "support/Records.h"

namespace gw::test {

namespace {

constexpr int kSearch = 0, kRead = 2, kWrite = 4, kLogin = 6, kReset = 8;

}  // namespace

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
  if (replyLength && *replyLength < body.size()) body.resize(*replyLength);
  return body;
}

std::vector<std::uint8_t> FakeModule::BlockReply(const SentRequest& request,
                                                  std::uint16_t code) const {
  // Like a module: never shorter than the block's minimum reply (block 11's
  // minimum is above its header and payload).
  std::vector<std::uint8_t> payload;
  const ConstBytes block = record.Block(request.block);
  payload.assign(block.begin(), block.end());
  if (const BlockInfo* info = FindBlock(request.block)) {
    payload.resize(std::max(payload.size(), info->minReplyLength - hdr::kSize), 0);
  }
  return Reply(request, code, payload);
}

std::optional<std::vector<std::uint8_t>> FakeModule::Answer(const SentRequest& request) {
  heard.push_back(request);
  if (ignore && ignore(request)) return std::nullopt;
  if (request.command != kSearch && request.mac != Mac() && !answerAnyMac) return std::nullopt;
  switch (request.command) {
    case kSearch:
      return Reply(request, searchCode, record.Block(0));
    case kRead:
      return BlockReply(request, readCode);
    case kWrite: {
      const Bytes block = record.Block(request.block);
      if ((writeCode == 0x0005 || writeCode == 0xC005) &&
          request.body.size() >= hdr::kSize + block.size()) {
        std::copy_n(request.body.begin() + hdr::kSize, block.size(), block.begin());
      }
      return BlockReply(request, writeCode);
    }
    case kLogin:
      return Reply(request, loginCode, {});
    case kReset:
      return Reply(request, resetCode, {});
    default:
      return std::nullopt;
  }
}

}  // namespace gw::test
