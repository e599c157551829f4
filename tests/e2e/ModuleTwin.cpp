#include "ModuleTwin.h"

#include <stdexcept>

#include "CommandLine.h"
#include "link/Commands.h"

namespace gw::test {

namespace {

sim::SimSettings SettingsOf(const std::vector<std::string>& args) {
  std::string error;
  auto options = sim::ParseCommandLine(args, error);
  if (!options) throw std::invalid_argument("nxgsim arguments: " + error);
  options->settings.faults.clear();
  options->settings.quietBlocks.clear();
  return options->settings;
}

}  // namespace

ModuleTwin::ModuleTwin(const std::vector<std::string>& simArgs)
    : simulator_(SettingsOf(simArgs), sim::SimTime{0}) {}

const sim::ModuleSetup& ModuleTwin::Setup(std::size_t i) { return simulator_.Module(i).Setup(); }

std::vector<std::uint8_t> ModuleTwin::SearchReply(std::size_t i, std::uint32_t transactionId) {
  std::vector<std::uint8_t> request(hdr::kSize, 0);
  StoreBE16(request, hdr::ModuleType, kModuleTypeNxg);
  StoreBE16(request, hdr::HeaderVersion, kHeaderVersion);
  StoreBE32(request, hdr::TransactionId, transactionId);
  StoreBE16(request, hdr::Command, CmdSearch);
  const auto replies = simulator_.Handle(request, sim::Channel::Udp, sim::SimTime{0});
  if (i >= replies.size()) throw std::out_of_range("no search reply of that module");
  return replies[i].body;
}

ConstBytes ModuleTwin::Block(std::size_t i, int block) { return simulator_.Module(i).Stored(block); }

}  // namespace gw::test
