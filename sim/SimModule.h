#pragma once
// One simulated module: its parameter blocks, password and login session, and
// its answer to each request addressed to it.

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "ModuleSetup.h"
#include "Request.h"
#include "SimTypes.h"
#include "model/NodeRecord.h"

namespace gw::sim {

struct ModuleReply {
  std::vector<std::uint8_t> body;
  std::size_t minimumLength = 0;  // the shortest reply of this kind the tool takes
};

class SimModule {
 public:
  // `loginTimeout`: a login lasts this long after the module's last request;
  // 0 keeps it for good.
  SimModule(const ModuleSetup& setup, std::chrono::milliseconds loginTimeout, SimTime now);

  const ModuleSetup& Setup() const { return setup_; }

  // Answers a search, or a request whose MAC address is this module's. No
  // reply (and the reason in `note`) for a block that does not exist or a
  // write too short for its block. `refuseWrite`: refuse a write as when
  // another user is changing the module. `note` also tells why a request was
  // refused.
  std::optional<ModuleReply> Handle(const Request& request, SimTime now, bool refuseWrite,
                                    std::string& note);

  // 1 while a password is set and no login is in force, else 2.
  std::uint16_t LockState(SimTime now) const;
  // The block as a read would carry it now (the clock runs), unpadded.
  std::vector<std::uint8_t> BlockNow(const BlockInfo& block, SimTime now) const;
  // The stored block, for inspection.
  ConstBytes Stored(int block) const { return record_.Block(block); }
  // The IpAddress it holds now (a write of the network block changes it),
  // most significant octet first.
  std::uint32_t IpAddress() const;

 private:
  bool HasPassword() const;
  bool SessionOpen(SimTime now) const;
  bool KeyMatches(const LoginKey& key) const;
  std::uint32_t ClockNow(SimTime now) const;
  ModuleReply BlockReply(const Request& request, std::uint16_t code, const BlockInfo& block,
                         SimTime now) const;
  ModuleReply HeaderReply(const Request& request, std::uint16_t code, SimTime now) const;
  std::optional<ModuleReply> Write(const Request& request, SimTime now, bool refuse,
                                   std::string& note);
  ModuleReply Login(const Request& request, SimTime now, std::string& note);
  void FactoryReset(SimTime now);

  ModuleSetup setup_;
  std::chrono::milliseconds loginTimeout_;
  NodeRecord record_;   // the blocks as the module holds them (header unused)
  NodeRecord factory_;  // the factory setting
  bool loggedIn_ = false;
  SimTime sessionEnd_{0};
  SimTime clockSetAt_{0};  // when the stored ClockTime was true
};

}  // namespace gw::sim
