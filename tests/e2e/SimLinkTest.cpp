#include "SimLinkTest.h"

#include <algorithm>
#include <cstring>
#include <ostream>

#include "model/RecordLayout.h"

namespace gw::test {

std::string LineName(Line line) { return line == Line::Ethernet ? "Udp" : "Serial"; }

void PrintTo(Line line, std::ostream* out) { *out << LineName(line); }

int MemoryStore::GetSerializeData(std::uint8_t* buffer) {
  std::copy(bytes_.begin(), bytes_.end(), buffer);
  return static_cast<int>(bytes_.size());
}

int MemoryStore::SetSerializeData(const std::uint8_t* data, int length) {
  bytes_.assign(data, data + length);
  return length;
}

void SimLinkTest::Start(Line line, std::vector<std::string> simArgs) {
  line_ = line;
  address_ = TestLoopbackAddress(kAddressBlock);
  const auto device = home.Root() / "COM1";
  if (line == Line::Ethernet) {
    home.UseEthernet(address_);
    simArgs.insert(simArgs.begin(), {"--address", DottedText(address_)});
  } else {
    home.UseSerial(device, address_);
    simArgs.insert(simArgs.begin(), {"--serial", "--link", device.string()});
  }
  ASSERT_NO_FATAL_FAILURE(BindTool());
  twin_ = std::make_unique<ModuleTwin>(simArgs);
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
  std::vector<std::uint8_t> reply = Twin().SearchReply(i);
  const int length = static_cast<int>(reply.size());
  reply.resize(kLinkBufferSize, 0);
  NodeTable& nodes = Nodes();
  const int index = nodes.Count();
  EXPECT_EQ(nodes.AppendFromSearchReply(reply, length), length);
  nodes.ResetNodeFlags();
  nodes.UpdateFirmwareNumber(index);
  nodes.SetCurrent(index);
  return index;
}

std::vector<std::uint8_t> WireBytes(const NodeRecord& node) {
  const ConstBytes all = node.All().subspan(record::ReplyHeader);
  return {all.begin(), all.end()};
}

void StageNameAndAddress(NodeTable& nodes, const std::string& name, std::uint32_t ipAddress) {
  const Bytes block = nodes.Outgoing().Block(0);
  std::fill(block.begin(), block.end(), std::uint8_t{0});
  StoreBE32(block, kChangeMask, kNameBit | kIpAddressBit);
  StoreText(block.subspan(net::ModuleName, net::kModuleNameSize), name);
  StoreBE32(block, net::IpAddress, ipAddress);
}

void PutCredentials(Bytes header, const std::string& password) {
  StoreBE16(header, hdr::LockState, kLockStateUnlocked);
  StoreText(header.subspan(hdr::LoginKey, hdr::kLoginKeySize), password);
}

::testing::AssertionResult HoldsModuleBlocks(const NodeRecord& node, ModuleTwin& twin,
                                             std::size_t i) {
  for (const int number : kInquiryBlocks) {
    const ConstBytes got = node.Block(number);
    const ConstBytes want = twin.Block(i, number);
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
  const std::uint32_t clockWant = LoadBE32(twin.Block(i, 4), clock::ClockTime);
  if (clockGot < clockWant || clockGot > clockWant + 60) {
    return ::testing::AssertionFailure()
           << "the module clock reads " << clockGot << ", it started at " << clockWant;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace gw::test
