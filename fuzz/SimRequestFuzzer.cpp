// The simulator's handling of request frame bodies, a sequence of them per
// input on two modules: a body the parser refuses gets no reply; every reply
// is at least a header and carries the request's transaction id; a request
// changes no stored block but the one a write names, of the module it names
// (a factory reset: that module's blocks).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "Request.h"
#include "Simulator.h"
#include "model/BlockTable.h"

namespace {

using namespace gw;
using namespace gw::sim;
using fuzz::Check;

constexpr std::size_t kModules = 2;

SimSettings Settings(bool password) {
  SimSettings settings;
  for (std::size_t i = 0; i < kModules; ++i) {
    ModuleSetup m;
    m.index = static_cast<int>(i + 1);
    // The first is the node the link's seeds address.
    m.mac = {0x00, 0x60, 0xE9, 0x10, 0x20, static_cast<std::uint8_t>(fuzz::kNodeMacTail + i)};
    m.moduleNumber = static_cast<std::uint16_t>(fuzz::kNodeModuleNumber + i);
    m.name = "fuzz-" + std::to_string(i + 1);
    m.ipAddress = 0x7F000010U + static_cast<std::uint32_t>(i);
    m.seed = static_cast<std::uint32_t>(i + 1);
    if (password && i == 0) m.password = "1234";
    settings.modules.push_back(m);
  }
  return settings;
}

// Log lines are composed (they describe the fuzzed frames) and dropped.
std::size_t logged = 0;
void Log(const std::string& line) { logged += line.size(); }

// The simulator at the start of an input, made once per set of options.
const Simulator& Fresh(bool password, SimTime now) {
  static const Simulator plain(Settings(false), now, Log, Log);
  static const Simulator locked(Settings(true), now, Log, Log);
  return password ? locked : plain;
}

// Every stored block of every module, one after the other.
std::vector<std::uint8_t> Snapshot(Simulator& sim) {
  std::vector<std::uint8_t> blocks;
  blocks.reserve(sim.ModuleCount() * NodeRecord::kSize);
  for (std::size_t m = 0; m < sim.ModuleCount(); ++m) {
    for (const BlockInfo& b : kBlocks) {
      const ConstBytes stored = sim.Module(m).Stored(b.number);
      blocks.insert(blocks.end(), stored.begin(), stored.end());
    }
  }
  return blocks;
}

// Whether the request may have changed block `b` of module `m`.
bool MayChange(const Request& request, Simulator& sim, std::size_t m, const BlockInfo& b) {
  if (request.mac != sim.Module(m).Setup().mac) return false;
  if (request.command == CmdFactoryReset) return true;
  return request.command == CmdWriteBlock && request.block == b.number;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const Channel channel = (data[0] & 1) != 0 ? Channel::Serial : Channel::Udp;
  SimTime now{1000};
  Simulator sim = Fresh((data[0] & 2) != 0, now);

  for (const auto body : fuzz::SplitRequests(ConstBytes(data + 1, size - 1))) {
    // Exactly the body's size, so any read beyond it is caught.
    const std::vector<std::uint8_t> bytes(body.begin(), body.end());
    std::string error;
    const auto request = ParseRequest(bytes, error);
    const bool wellFormed =
        bytes.size() >= hdr::kSize && IsRequestCommand(LoadBE16(bytes, hdr::Command));
    Check(request.has_value() == wellFormed);
    Check(request.has_value() == error.empty());

    const auto before = Snapshot(sim);
    now += std::chrono::seconds(1);
    const std::vector<Outgoing> replies = sim.Handle(bytes, channel, now, "fuzz");
    if (!request) Check(replies.empty());
    for (const Outgoing& reply : replies) {
      Check(reply.body.size() >= hdr::kSize);
      Check(LoadBE32(reply.body, hdr::TransactionId) == request->transactionId);
    }
    const auto after = Snapshot(sim);
    for (std::size_t m = 0, at = 0; m < sim.ModuleCount(); ++m) {
      for (const BlockInfo& b : kBlocks) {
        Check(std::equal(after.begin() + at, after.begin() + at + b.size, before.begin() + at) ||
              (request && MayChange(*request, sim, m, b)));
        at += b.size;
      }
    }
  }
  return 0;
}
