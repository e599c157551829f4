#include "Request.h"

#include <algorithm>

namespace gw::sim {

std::optional<Request> ParseRequest(ConstBytes body, std::string& error) {
  if (body.size() < hdr::kSize) {
    error = "request of " + std::to_string(body.size()) + " bytes is shorter than a header";
    return std::nullopt;
  }
  Request r;
  r.moduleType = LoadBE16(body, hdr::ModuleType);
  r.transactionId = LoadBE32(body, hdr::TransactionId);
  r.command = LoadBE16(body, hdr::Command);
  if (r.command > CmdFactoryReset || r.command % 2 != 0) {
    error = "command " + std::to_string(r.command) + " is not a request";
    return std::nullopt;
  }
  std::copy_n(body.begin() + hdr::MacAddress, hdr::kMacSize, r.mac.begin());
  r.block = LoadBE16(body, hdr::BlockNumber);
  r.lockState = LoadBE16(body, hdr::LockState);
  std::copy_n(body.begin() + hdr::LoginKey, hdr::kLoginKeySize, r.loginKey.begin());
  r.payload.assign(body.begin() + hdr::kSize, body.end());
  return r;
}

std::vector<std::uint8_t> MakeReplyHeader(const Request& request, std::uint16_t replyCode,
                                          const ReplyIdentity& who) {
  std::vector<std::uint8_t> h(hdr::kSize, 0);
  StoreBE16(h, hdr::ModuleType, who.moduleType);
  StoreBE16(h, hdr::HeaderVersion, kHeaderVersion);
  StoreBE32(h, hdr::TransactionId, request.transactionId);
  StoreBE16(h, hdr::Command, replyCode);
  std::copy(who.mac.begin(), who.mac.end(), h.begin() + hdr::MacAddress);
  StoreBE16(h, hdr::BlockNumber, request.block);
  StoreBE16(h, hdr::LockState, who.lockState);
  StoreBE16(h, hdr::ModuleNumber, who.moduleNumber);
  StoreBE16(h, hdr::FirmwareVersion, who.firmware);
  return h;
}

}  // namespace gw::sim
