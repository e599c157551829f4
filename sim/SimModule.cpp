#include "SimModule.h"

#include <algorithm>

#include "ModuleDefaults.h"
#include "WriteRules.h"
#include "model/SerialConfig.h"

namespace gw::sim {

namespace {

const BlockInfo& NetworkInfo() { return *FindBlock(kNetworkBlock); }
const BlockInfo& ClockInfo() { return *FindBlock(kClockBlock); }

}  // namespace

SimModule::SimModule(const ModuleSetup& setup, std::chrono::milliseconds loginTimeout, SimTime now)
    : setup_(setup), loginTimeout_(loginTimeout), clockSetAt_(now) {
  FillFactoryBlocks(setup_, factory_);
  record_ = factory_;
  StoreText(record_.Block(NetworkInfo()).subspan(net::Password, net::kPasswordSize),
            setup_.password);
}

bool SimModule::HasPassword() const {
  ConstBytes pw = record_.Block(NetworkInfo()).subspan(net::Password, net::kPasswordSize);
  return std::any_of(pw.begin(), pw.end(), [](std::uint8_t b) { return b != 0; });
}

bool SimModule::SessionOpen(SimTime now) const {
  return loggedIn_ && (loginTimeout_.count() == 0 || now < sessionEnd_);
}

bool SimModule::KeyMatches(const LoginKey& key) const {
  ConstBytes pw = record_.Block(NetworkInfo()).subspan(net::Password, net::kPasswordSize);
  return std::equal(key.begin(), key.end(), pw.begin());
}

std::uint16_t SimModule::LockState(SimTime now) const {
  return HasPassword() && !SessionOpen(now) ? kLockStateLocked : kLockStateUnlocked;
}

std::uint32_t SimModule::IpAddress() const {
  return LoadBE32(record_.Block(NetworkInfo()), net::IpAddress);
}

std::uint32_t SimModule::ClockNow(SimTime now) const {
  const auto stored = LoadBE32(record_.Block(ClockInfo()), clock::ClockTime);
  const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(now - clockSetAt_).count();
  return stored + static_cast<std::uint32_t>(elapsed);
}

std::vector<std::uint8_t> SimModule::BlockNow(const BlockInfo& block, SimTime now) const {
  ConstBytes stored = record_.Block(block);
  std::vector<std::uint8_t> out(stored.begin(), stored.end());
  if (block.number == ClockInfo().number) StoreBE32(out, clock::ClockTime, ClockNow(now));
  return out;
}

ModuleReply SimModule::HeaderReply(const Request& request, std::uint16_t code, SimTime now) const {
  const ReplyIdentity who{setup_.moduleType, setup_.mac, LockState(now), setup_.moduleNumber,
                          setup_.firmware};
  return {MakeReplyHeader(request, code, who), hdr::kSize};
}

ModuleReply SimModule::BlockReply(const Request& request, std::uint16_t code,
                                  const BlockInfo& block, SimTime now) const {
  ModuleReply reply = HeaderReply(request, code, now);
  std::vector<std::uint8_t> payload = BlockNow(block, now);
  // Older firmware sends block 0 without its IPv6 part.
  if (block.number == NetworkInfo().number &&
      !HasIpv6AndDeviceServer(FirmwareNumber(setup_.firmware))) {
    payload.resize(net::kLegacySize);
  }
  reply.body.insert(reply.body.end(), payload.begin(), payload.end());
  // A reply is never shorter than the shortest the tool takes for the block.
  if (reply.body.size() < block.minReplyLength) reply.body.resize(block.minReplyLength, 0);
  reply.minimumLength = block.minReplyLength;
  return reply;
}

std::optional<ModuleReply> SimModule::Handle(const Request& request, SimTime now, bool refuseWrite,
                                             std::string& note) {
  if (loggedIn_ && !SessionOpen(now)) loggedIn_ = false;
  std::optional<ModuleReply> reply;
  switch (request.command) {
    case CmdSearch: {
      // Every firmware sends the whole block 0 in a search reply.
      reply = HeaderReply(request, CmdSearch + 1, now);
      ConstBytes net = record_.Block(NetworkInfo());
      reply->body.insert(reply->body.end(), net.begin(), net.end());
      reply->minimumLength = kSearchReplyMinimum;
      break;
    }
    case CmdReadBlock: {
      const BlockInfo* block = FindBlock(request.block);
      if (!block) {
        note = "ignored: block " + std::to_string(request.block) + " is not a parameter block";
        return std::nullopt;
      }
      reply = BlockReply(request, CmdReadBlock + 1, *block, now);
      break;
    }
    case CmdWriteBlock:
      reply = Write(request, now, refuseWrite, note);
      break;
    case CmdLogin:
      reply = Login(request, now, note);
      break;
    case CmdFactoryReset:
      FactoryReset(now);
      note = "factory setting restored";
      reply = HeaderReply(request, CmdFactoryReset + 1, now);
      break;
    default:
      note = "ignored: not a request";
      return std::nullopt;
  }
  if (loggedIn_) sessionEnd_ = now + loginTimeout_;
  return reply;
}

std::optional<ModuleReply> SimModule::Write(const Request& request, SimTime now, bool refuse,
                                            std::string& note) {
  const BlockInfo* block = FindBlock(request.block);
  if (!block) {
    note = "ignored: block " + std::to_string(request.block) + " is not a parameter block";
    return std::nullopt;
  }
  const std::size_t needed = block->number == NetworkInfo().number ? net::kLegacySize : block->size;
  if (request.payload.size() < needed) {
    note = "ignored: write of " + std::to_string(request.payload.size()) + " bytes for block " +
           std::to_string(block->number) + " of " + std::to_string(block->size) + " bytes";
    return std::nullopt;
  }
  const std::uint16_t refused = kReplyRefusedBit | (CmdWriteBlock + 1);
  if (LockState(now) == kLockStateLocked &&
      !(request.lockState == kLockStateUnlocked && KeyMatches(request.loginKey))) {
    note = "refused: the module is locked";
    return BlockReply(request, refused, *block, now);
  }
  if (refuse) {
    note = "refused: another user is changing the module";
    return BlockReply(request, refused, *block, now);
  }
  std::vector<std::uint8_t> incoming(block->size, 0);
  std::copy_n(request.payload.begin(), std::min(block->size, request.payload.size()),
              incoming.begin());
  const std::uint32_t clockBefore = ClockNow(now);
  const WriteOutcome outcome =
      ApplyBlockWrite(*block, incoming, record_.Block(*block),
                      HasIpv6AndDeviceServer(FirmwareNumber(setup_.firmware)));
  if (block->number == ClockInfo().number) {
    // The stored clock is counted from now on; an untouched clock keeps running.
    if (!outcome.clockWritten) StoreBE32(record_.Block(ClockInfo()), clock::ClockTime, clockBefore);
    clockSetAt_ = now;
  }
  if (outcome.passwordWritten) {
    note = HasPassword() ? "password changed" : "password removed";
  }
  return BlockReply(request, CmdWriteBlock + 1, *block, now);
}

ModuleReply SimModule::Login(const Request& request, SimTime now, std::string& note) {
  if (!HasPassword() || KeyMatches(request.loginKey)) {
    loggedIn_ = HasPassword();
    sessionEnd_ = now + loginTimeout_;
    note = "login accepted";
    return HeaderReply(request, CmdLogin + 1, now);
  }
  loggedIn_ = false;
  note = "login refused: wrong password";
  return HeaderReply(request, kReplyRefusedBit | (CmdLogin + 1), now);
}

void SimModule::FactoryReset(SimTime now) {
  // The real-time clock is not a parameter: it keeps running.
  const std::uint32_t clockValue = ClockNow(now);
  record_ = factory_;
  StoreBE32(record_.Block(ClockInfo()), clock::ClockTime, clockValue);
  clockSetAt_ = now;
  loggedIn_ = false;
}

}  // namespace gw::sim
