#pragma once
// The modules on one address and the faults between them and the line: takes
// one request frame body and gives the reply frame bodies to send back.

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "FaultInjector.h"
#include "ModbusRegisters.h"
#include "ModuleSetup.h"
#include "SimModule.h"
#include "SimTypes.h"

namespace gw::sim {

struct SimSettings {
  std::vector<ModuleSetup> modules;
  std::vector<int> quietBlocks;  // reads of these blocks are never answered
  bool quietLogin = false;       // logins are never answered
  std::vector<FaultRule> faults;
  std::vector<int> faultModules;  // the faults strike only these modules (from 1); empty: all
  std::uint32_t seed = 1;
  std::chrono::milliseconds loginTimeout{300000};  // 0: a login lasts for good
  // The Modbus result values take a step this often; 0: they never change.
  std::chrono::milliseconds modbusStep{1000};
};

class Simulator {
 public:
  // `log` gets one line per request, per reply and per request not taken;
  // `problem` gets the lines about malformed requests. Either may be empty.
  using Log = std::function<void(const std::string&)>;

  Simulator(const SimSettings& settings, SimTime now, Log log = {}, Log problem = {});

  // `peer` names the sender in log lines. `onAddress`: the request came in
  // on that module address rather than on the simulator's own, so only the
  // modules that now hold it as their IpAddress take it.
  std::vector<Outgoing> Handle(ConstBytes request, Channel channel, SimTime now,
                               const std::string& peer = {},
                               std::optional<std::uint32_t> onAddress = {});

  // `count` Modbus result registers of module `i` from `start` at `now`, from
  // the device monitor block the module holds; nothing when one of them is
  // not a result register.
  std::optional<std::vector<std::uint16_t>> ReadRegisters(std::size_t i, std::uint16_t start,
                                                          std::uint16_t count, SimTime now) const;

  std::size_t ModuleCount() const { return modules_.size(); }
  SimModule& Module(std::size_t i) { return modules_[i]; }

 private:
  void Say(const Log& to, const std::string& line) const;

  std::vector<SimModule> modules_;
  std::vector<int> quietBlocks_;
  bool quietLogin_;
  FaultInjector faults_;
  ResultRule results_;
  std::chrono::milliseconds modbusStep_;
  std::vector<int> faultModules_;
  Log log_;
  Log problem_;
  std::uint32_t lastId_ = 0;
  bool haveLastId_ = false;
};

}  // namespace gw::sim
