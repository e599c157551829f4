#include "Simulator.h"

#include <algorithm>
#include <iterator>

#include "FrameText.h"
#include "Request.h"

namespace gw::sim {

Simulator::Simulator(const SimSettings& settings, SimTime now, Log log, Log problem)
    : quietBlocks_(settings.quietBlocks),
      quietLogin_(settings.quietLogin),
      faults_(settings.faults, settings.seed),
      results_{settings.seed, {}},
      modbusStep_(settings.modbusStep),
      faultModules_(settings.faultModules),
      log_(std::move(log)),
      problem_(std::move(problem)) {
  modules_.reserve(settings.modules.size());
  for (const ModuleSetup& m : settings.modules)
    modules_.emplace_back(m, settings.loginTimeout, now);
  std::copy_if(settings.faults.begin(), settings.faults.end(),
               std::back_inserter(results_.invalidPoints),
               [](const FaultRule& f) { return f.kind == FaultKind::InvalidPoints; });
}

std::optional<std::vector<std::uint16_t>> Simulator::ReadRegisters(std::size_t i,
                                                                   std::uint16_t start,
                                                                   std::uint16_t count,
                                                                   SimTime now) const {
  const auto step = modbusStep_.count() > 0 ? static_cast<std::uint64_t>(now / modbusStep_) : 0;
  return ReadResultRegisters(modules_.at(i).Stored(kDeviceMonitorBlock), results_, step, start,
                             count);
}

void Simulator::Say(const Log& to, const std::string& line) const {
  if (to) to(line);
}

std::vector<Outgoing> Simulator::Handle(ConstBytes body, Channel channel, SimTime now,
                                        const std::string& peer,
                                        std::optional<std::uint32_t> onAddress) {
  const std::string from = peer.empty() ? std::string() : " from " + peer;
  std::string error;
  const auto request = ParseRequest(body, error);
  if (!request) {
    Say(problem_, "ignored request" + from + ": " + error);
    return {};
  }
  Say(log_, "<- " + DescribeFrame(body) + from);
  if (request->moduleType != kModuleTypeNxg) {
    Say(log_, "   ignored: request for module type " + Hex16(request->moduleType));
    return {};
  }
  // A stale id is the previous request's, or one that cannot be this one.
  const std::uint32_t staleId = haveLastId_ && lastId_ != request->transactionId
                                    ? lastId_
                                    : request->transactionId ^ 0x80000000u;
  lastId_ = request->transactionId;
  haveLastId_ = true;

  std::vector<Outgoing> out;
  bool addressed = false;
  for (SimModule& module : modules_) {
    if (onAddress && module.IpAddress() != *onAddress) continue;
    if (request->command != CmdSearch && request->mac != module.Setup().mac) continue;
    addressed = true;
    if (request->command == CmdReadBlock &&
        std::find(quietBlocks_.begin(), quietBlocks_.end(), request->block) != quietBlocks_.end()) {
      Say(log_, "   module " + std::to_string(module.Setup().index) + " keeps quiet about block " +
                    std::to_string(request->block));
      continue;
    }
    if (request->command == CmdLogin && quietLogin_) {
      Say(log_,
          "   module " + std::to_string(module.Setup().index) + " keeps quiet about the login");
      continue;
    }
    const bool faulty =
        faultModules_.empty() || std::find(faultModules_.begin(), faultModules_.end(),
                                           module.Setup().index) != faultModules_.end();
    const bool refuse = faulty && request->command == CmdWriteBlock && faults_.RefuseWrite();
    std::string note;
    auto reply = module.Handle(*request, now, refuse, note);
    if (!note.empty()) Say(log_, "   module " + std::to_string(module.Setup().index) + ": " + note);
    if (!reply) continue;
    std::vector<std::string> struck;
    std::vector<std::uint8_t> header(body.begin(),
                                     body.begin() + std::min(body.size(), hdr::kSize));
    std::vector<Outgoing> sent(1);
    if (faulty) {
      sent = faults_.Apply({std::move(reply->body), request->command, reply->minimumLength, staleId,
                            std::move(header)},
                           channel, struck);
    } else {
      sent[0].body = std::move(reply->body);
    }
    std::string faults;
    for (const auto& s : struck) faults += (faults.empty() ? " [fault " : ", ") + s;
    if (!faults.empty()) faults += "]";
    if (sent.empty()) {
      Say(log_, "   reply dropped" + faults);
      continue;
    }
    for (const Outgoing& o : sent) {
      Say(log_, "-> " + DescribeFrame(o.body) + faults);
      out.push_back(o);
    }
  }
  if (!addressed) {
    Say(log_, "   no module with MAC " + MacText(request->mac) +
                  (onAddress ? " on " + Ipv4Text(*onAddress) : ""));
  }
  return out;
}

}  // namespace gw::sim
