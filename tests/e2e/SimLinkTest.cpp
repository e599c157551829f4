#include "SimLinkTest.h"

#include <algorithm>
#include <stdexcept>

#include "CommandLine.h"
#include "link/RequestCodes.h"
#include "model/RecordLayout.h"

namespace gw::test {

namespace {

sim::SimSettings TwinSettings(const std::vector<std::string>& args) {
  std::string error;
  auto options = sim::ParseCommandLine(args, error);
  if (!options) throw std::invalid_argument("nxgsim arguments: " + error);
  options->settings.faults.clear();
  options->settings.quietBlocks.clear();
  return options->settings;
}

}  // namespace

void SimLinkTest::Start(Line line, std::vector<std::string> simArgs) {
  address_ = TestLoopbackAddress(20);  // 127.0.20.x and up
  if (line == Line::Ethernet) {
    home.UseEthernet(address_);
    simArgs.insert(simArgs.begin(), {"--address", DottedText(address_)});
  } else {
    const auto device = home.Root() / "COM1";
    home.UseSerial(device, address_);
    simArgs.insert(simArgs.begin(), {"--serial", "--link", device.string()});
  }
  ASSERT_NO_FATAL_FAILURE(BindTool());
  twin_ = std::make_unique<sim::Simulator>(TwinSettings(simArgs), sim::SimTime{0});
  sim_ = std::make_unique<SimProcess>(simArgs);
  ASSERT_TRUE(sim_->WaitReady());
}

void SimLinkTest::BindTool() {
  ASSERT_TRUE(TransportIsSafe());
  doc_ = std::make_unique<DocumentCore>(ui, clock, store, CommSettings());
  bool terminated = false;
  doc_->Link().Bind(SystemLoader(), [&](int) { terminated = true; });
  ASSERT_FALSE(terminated) << "binding the transport failed: "
                           << (ui.messages.empty() ? "" : ui.messages.back());
}

int SimLinkTest::AddKnownNode(std::size_t i) {
  std::vector<std::uint8_t> search(hdr::kSize, 0);
  StoreBE16(search, hdr::ModuleType, kModuleTypeNxg);
  StoreBE16(search, hdr::HeaderVersion, kHeaderVersion);
  StoreBE32(search, hdr::TransactionId, 1);
  StoreBE16(search, hdr::Command, CmdSearch);
  std::vector<std::uint8_t> reply =
      twin_->Handle(search, sim::Channel::Udp, sim::SimTime{0}).at(i).body;
  const int length = static_cast<int>(reply.size());
  reply.resize(kLinkBufferSize, 0);
  const int index = Nodes().Count();
  EXPECT_EQ(Nodes().AppendFromSearchReply(reply, length), length);
  Nodes().ResetNodeFlags();
  Nodes().UpdateFirmwareNumber(index);
  Nodes().SetCurrent(index);
  return index;
}

::testing::AssertionResult SimLinkTest::HoldsModuleBlocks(const NodeRecord& node, std::size_t i,
                                                          int skip) {
  for (const int number : kInquiryBlocks) {
    if (number == skip) continue;
    const ConstBytes got = node.Block(number);
    const ConstBytes want = Stored(i, number);
    for (std::size_t at = 0; at < got.size(); ++at) {
      if (number == 4 && at >= clock::ClockTime && at < clock::ClockTime + 4) continue;
      if (got[at] != want[at]) {
        return ::testing::AssertionFailure()
               << "block " << number << " byte " << at << " is " << int{got[at]}
               << ", the module holds " << int{want[at]};
      }
    }
  }
  const std::uint32_t clockGot = LoadBE32(node.Block(4), clock::ClockTime);
  const std::uint32_t clockWant = LoadBE32(Stored(i, 4), clock::ClockTime);
  if (clockGot < clockWant || clockGot > clockWant + 60) {
    return ::testing::AssertionFailure()
           << "the module clock reads " << clockGot << ", it started at " << clockWant;
  }
  return ::testing::AssertionSuccess();
}

std::vector<std::uint8_t> WireBytes(const NodeRecord& node) {
  const ConstBytes all = node.All().subspan(record::ReplyHeader);
  return {all.begin(), all.end()};
}

void StageNameAndAddress(NodeTable& nodes, const std::string& name, std::uint32_t ipAddress) {
  const Bytes block = nodes.Outgoing().Block(0);
  std::fill(block.begin(), block.end(), std::uint8_t{0});
  StoreBE32(block, kChangeMask, 0xC0000000U);
  StoreText(block.subspan(net::ModuleName, net::kModuleNameSize), name);
  StoreBE32(block, net::IpAddress, ipAddress);
}

}  // namespace gw::test
