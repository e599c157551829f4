#pragma once
// A configuration request as a module sees it, and the header of the replies
// it sends back.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/RequestCodes.h"
#include "model/NodeRecord.h"

namespace gw::sim {

using LoginKey = std::array<std::uint8_t, hdr::kLoginKeySize>;

struct Request {
  std::uint16_t moduleType = 0;
  std::uint32_t transactionId = 0;
  std::uint16_t command = 0;
  MacAddress mac{};
  std::uint16_t block = 0;
  std::uint16_t lockState = 0;
  LoginKey loginKey{};
  std::vector<std::uint8_t> payload;  // the bytes after the header
};

// Reads a frame body. Fails (with a reason) for a body shorter than the
// header or a command a module does not take.
std::optional<Request> ParseRequest(ConstBytes body, std::string& error);

// What goes into the header of a module's reply.
struct ReplyIdentity {
  std::uint16_t moduleType = kModuleTypeNxg;
  MacAddress mac{};
  std::uint16_t lockState = kLockStateUnlocked;
  std::uint16_t moduleNumber = 0;
  std::uint16_t firmware = 0;
};

// The 36-byte reply header: the request's TransactionId and BlockNumber, the
// reply code, the module's identity; every other byte zero.
std::vector<std::uint8_t> MakeReplyHeader(const Request& request, std::uint16_t replyCode,
                                          const ReplyIdentity& who);

}  // namespace gw::sim
