// A user's session with real modules over the real transport: search, read
// every block, write block 0, log in to a locked module and return one to its
// factory setting, over UDP on the test's own loopback address and over a
// serial pseudo-terminal.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "SimLinkTest.h"
#include "link/Commands.h"
#include "model/Strings.h"
#include "protocol/ModuleSearch.h"

namespace gw::test {
namespace {

using ::testing::HasSubstr;

std::vector<std::uint8_t> Copy(ConstBytes bytes) { return {bytes.begin(), bytes.end()}; }

TEST_F(SimLinkTest, UdpSearchListsEveryModuleByNumberAndTheInquiryReadsEveryBlock) {
  ASSERT_NO_FATAL_FAILURE(Start(Line::Ethernet, {"--modules", "4", "--module-numbers", "2,300,1,7",
                                                 "--firmware", "1.55,1.54,1.55", "--foreign-type",
                                                 "4", "--seed", "7"}));
  Doc().SearchAt(Address());
  // The fourth module is of another type; the others by ModuleNumber.
  ASSERT_EQ(Nodes().Count(), 3) << Sim().Log();
  const std::size_t moduleOf[] = {2, 0, 1};
  for (int k = 0; k < 3; ++k) {
    const sim::ModuleSetup& module = Twin().Setup(moduleOf[k]);
    EXPECT_EQ(Node(k).ModuleNumber(), module.moduleNumber);
    EXPECT_EQ(Node(k).Mac(), module.mac);
    EXPECT_EQ(Node(k).ModuleName(), module.name);
    EXPECT_EQ(Node(k).Online(), 1u);
  }
  EXPECT_THAT(ui.messages, ::testing::IsEmpty());
  // The search went to this test's module address, and the IP list took the
  // modules' own addresses.
  EXPECT_EQ(Link().PortLink().GetRemoteIPAddr(), Address());
  const std::string ipList = home.ReadConfigFile("IPList.ini");
  EXPECT_THAT(ipList, HasSubstr(Ipv4Text(Twin().Setup(1).ipAddress)));

  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE("node " + std::to_string(k));
    ASSERT_EQ(Doc().OpenNode(k), OpenResult::Opened) << Sim().Log();
    EXPECT_TRUE(HoldsModuleBlocks(Node(k), Twin(), moduleOf[k]));
    EXPECT_EQ(Node(k).ReplyCode(), kReplyReadOk);
  }
  // Firmware 1.54 sends 64 bytes of block 0: no IPv6 address.
  EXPECT_EQ(Nodes().FirmwareNumberOf(2), 154);
  const ConstBytes ipv6 = Node(2).Block(0).subspan(net::Ipv6Address, net::kIpv6Size);
  EXPECT_TRUE(std::all_of(ipv6.begin(), ipv6.end(), [](std::uint8_t b) { return b == 0; }));
  EXPECT_THAT(ui.messages, ::testing::IsEmpty());
  EXPECT_EQ(Sim().CountLogLines("<- read block"), 3u * kInquiryBlocks.size());
}

TEST_F(SimLinkTest, SerialSearchFindsTheModuleAndTheInquiryReadsEveryBlock) {
  ASSERT_NO_FATAL_FAILURE(
      Start(Line::Serial, {"--module-numbers", "42", "--firmware", "1.54", "--seed", "3"}));
  Doc().Search();
  ASSERT_EQ(Nodes().Count(), 1) << Sim().Log();
  EXPECT_EQ(Node(0).ModuleNumber(), 42);
  EXPECT_EQ(Node(0).Mac(), Twin().Setup(0).mac);
  ASSERT_EQ(Doc().OpenNode(0), OpenResult::Opened) << Sim().Log();
  EXPECT_TRUE(HoldsModuleBlocks(Node(0), Twin(), 0));
  EXPECT_EQ(Nodes().FirmwareNumberOf(0), 154);
  EXPECT_THAT(ui.messages, ::testing::IsEmpty());
  EXPECT_EQ(Sim().CountLogLines("<- read block"), kInquiryBlocks.size());
}

class ModuleSessionTest : public SimLinkTest, public ::testing::WithParamInterface<Line> {};

TEST_P(ModuleSessionTest, WriteOfBlockZeroChangesTheNamedFieldsOnly) {
  ASSERT_NO_FATAL_FAILURE(Start(GetParam(), {"--seed", "11"}));
  const int node = AddKnownNode();
  const std::vector<std::uint8_t> before = Copy(Node(node).Block(0));
  const std::uint32_t newAddress = Ipv4(127, 1, 77, 7);
  StageNameAndAddress(Nodes(), "Line 7 gateway", newAddress);

  EXPECT_TRUE(OnLink([&] { return Link().WriteBlock(0); }));
  // The node holds what the module read back: the named fields new, the
  // others (zero in the outgoing image) as the module had them.
  const ConstBytes block = Node(node).Block(0);
  EXPECT_EQ(Node(node).ModuleName(), "Line 7 gateway");
  EXPECT_EQ(Node(node).IpAddress(), newAddress);
  EXPECT_EQ(Copy(block.subspan(net::Netmask)), Copy(ConstBytes(before).subspan(net::Netmask)));
  EXPECT_EQ(Node(node).ReplyCode(), kReplyReadOk);
  EXPECT_EQ(Sim().CountLogLines("<- write block 0"), 1u);
  EXPECT_EQ(Sim().CountLogLines("<- read block 0"), 1u);

  // A read of its own finds the module holding the new values.
  const Bytes stored = Node(node).Block(0);
  std::fill(stored.begin(), stored.end(), std::uint8_t{0});
  EXPECT_GT(OnLink([&] { return ReadBlockOnce(Link(), 0, Link().CommType()); }), 0);
  EXPECT_EQ(Node(node).ModuleName(), "Line 7 gateway");
  EXPECT_EQ(Node(node).IpAddress(), newAddress);
  EXPECT_EQ(LoadBE32(Node(node).Block(0), net::Gateway), Twin().Setup(0).gateway);
  EXPECT_THAT(ui.messages, ::testing::IsEmpty());
}

TEST_P(ModuleSessionTest, LoginToALockedModuleFollowsTheModulesVerdict) {
  ASSERT_NO_FATAL_FAILURE(Start(GetParam(), {"--locked", "1", "--password", "abcd", "--seed", "12"}));
  const int node = AddKnownNode();
  ASSERT_EQ(Node(node).LockState(), kLockStateLocked);
  const std::string factoryName = Twin().Setup(0).name;

  // Without credentials the locked module refuses the write, and is not
  // asked again.
  StageNameAndAddress(Nodes(), "Not yet", Ipv4(127, 1, 77, 8));
  EXPECT_FALSE(OnLink([&] { return Link().WriteBlock(0); }));
  EXPECT_EQ(Node(node).ModuleName(), factoryName);
  EXPECT_EQ(Sim().CountLogLines("<- write block 0"), 1u);

  PutCredentials(Node(node).Header(), "zzzz");
  EXPECT_FALSE(OnLink([&] { return Link().ExchangeCommand(CmdLogin, 0); }));
  EXPECT_EQ(Node(node).LockState(), kLockStateLocked);
  EXPECT_EQ(Node(node).ReplyCode(), 0x8007);

  PutCredentials(Node(node).Header(), "abcd");
  EXPECT_TRUE(OnLink([&] { return Link().ExchangeCommand(CmdLogin, 0); }));
  EXPECT_EQ(Node(node).LockState(), kLockStateUnlocked);
  EXPECT_EQ(Node(node).ReplyCode(), 0x0007);

  StageNameAndAddress(Nodes(), "Unlocked", Ipv4(127, 1, 77, 8));
  PutCredentials(Nodes().Outgoing().Header(), "abcd");
  EXPECT_TRUE(OnLink([&] { return Link().WriteBlock(0); }));
  EXPECT_EQ(Node(node).ModuleName(), "Unlocked");
  EXPECT_EQ(Sim().CountLogLines("login accepted"), 1u);
  EXPECT_EQ(Sim().CountLogLines("login refused"), 1u);
}

TEST_P(ModuleSessionTest, FactoryResetBringsBackTheFactorySettingWithoutPassword) {
  ASSERT_NO_FATAL_FAILURE(Start(GetParam(), {"--locked", "1", "--password", "abcd", "--seed", "13"}));
  const int node = AddKnownNode();
  PutCredentials(Node(node).Header(), "abcd");
  ASSERT_TRUE(OnLink([&] { return Link().ExchangeCommand(CmdLogin, 0); }));
  StageNameAndAddress(Nodes(), "Renamed", Ipv4(127, 1, 77, 9));
  PutCredentials(Nodes().Outgoing().Header(), "abcd");
  ASSERT_TRUE(OnLink([&] { return Link().WriteBlock(0); }));
  ASSERT_EQ(Node(node).ModuleName(), "Renamed");

  EXPECT_TRUE(OnLink([&] { return Link().ExchangeCommand(CmdFactoryReset, 0); }));
  EXPECT_EQ(Node(node).ReplyCode(), 0x0009);
  EXPECT_EQ(Node(node).LockState(), kLockStateUnlocked);  // no password any more

  EXPECT_GT(OnLink([&] { return ReadBlockOnce(Link(), 0, Link().CommType()); }), 0);
  EXPECT_EQ(Node(node).ModuleName(), Twin().Setup(0).name);
  EXPECT_EQ(Node(node).IpAddress(), Twin().Setup(0).ipAddress);
  const ConstBytes password = Node(node).Block(0).subspan(net::Password, net::kPasswordSize);
  EXPECT_TRUE(std::all_of(password.begin(), password.end(), [](std::uint8_t b) { return b == 0; }));
  EXPECT_EQ(Sim().CountLogLines("factory setting restored"), 1u);
}

INSTANTIATE_TEST_SUITE_P(Lines, ModuleSessionTest, ::testing::Values(Line::Ethernet, Line::Serial),
                         [](const auto& info) { return LineName(info.param); });

}  // namespace
}  // namespace gw::test
