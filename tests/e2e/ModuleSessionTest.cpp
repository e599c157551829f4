// A user's session with real modules over the real transport, over UDP on
// the test's own loopback address and over a serial pseudo-terminal.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "SimLinkTest.h"
#include "link/RequestCodes.h"
#include "protocol/ModuleSearch.h"

namespace gw::test {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

bool AllZero(ConstBytes bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

TEST_F(SimLinkTest, UdpSearchListsEveryModuleByNumberAndTheInquiryReadsEveryBlock) {
  ASSERT_NO_FATAL_FAILURE(
      Start(Line::Ethernet, {"--modules", "4", "--module-numbers", "2,300,1,7", "--firmware",
                             "1.55,1.54,1.55", "--foreign-type", "4", "--seed", "7"}));
  Doc().SearchAt(Address());
  // The fourth module is of another type; the others by ModuleNumber.
  ASSERT_EQ(Nodes().Count(), 3) << Sim().Log();
  const std::size_t moduleOf[] = {2, 0, 1};
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE("node " + std::to_string(k));
    EXPECT_EQ(Node(k).ModuleNumber(), Module(moduleOf[k]).moduleNumber);
    EXPECT_EQ(Node(k).Mac(), Module(moduleOf[k]).mac);
    EXPECT_EQ(Node(k).Online(), 1u);
    ASSERT_EQ(Doc().OpenNode(k), OpenResult::Opened) << Sim().Log();
    EXPECT_TRUE(HoldsModuleBlocks(Node(k), moduleOf[k]));
    EXPECT_EQ(Node(k).ReplyCode(), kReplyReadOk);
  }
  // The search went to this test's address; the IP list took the modules' own.
  EXPECT_EQ(Link().PortLink().GetRemoteIPAddr(), Address());
  EXPECT_THAT(home.ReadConfigFile("IPList.ini"), HasSubstr(Ipv4Text(Module(1).ipAddress)));
  // Firmware 1.54 sends 64 bytes of block 0: no IPv6 address.
  EXPECT_EQ(Nodes().FirmwareNumberOf(2), 154);
  EXPECT_TRUE(AllZero(Node(2).Block(0).subspan(net::Ipv6Address, net::kIpv6Size)));
  EXPECT_THAT(ui.messages, IsEmpty());
  EXPECT_EQ(Sim().CountLogLines("<- read block"), 3u * kInquiryBlocks.size());
  // On a module's own address a search finds that module alone.
  Doc().SearchAt(Module(1).ipAddress);
  ASSERT_EQ(Nodes().Count(), 1) << Sim().Log();
  EXPECT_EQ(Node(0).Mac(), Module(1).mac);
}

TEST_F(SimLinkTest, SerialSearchFindsTheModuleAndTheInquiryReadsEveryBlock) {
  ASSERT_NO_FATAL_FAILURE(
      Start(Line::Serial, {"--module-numbers", "42", "--firmware", "1.54", "--seed", "3"}));
  Doc().Search();
  ASSERT_EQ(Nodes().Count(), 1) << Sim().Log();
  EXPECT_EQ(Node(0).ModuleNumber(), 42);
  EXPECT_EQ(Node(0).Mac(), Module(0).mac);
  ASSERT_EQ(Doc().OpenNode(0), OpenResult::Opened) << Sim().Log();
  EXPECT_TRUE(HoldsModuleBlocks(Node(0), 0));
  EXPECT_EQ(Nodes().FirmwareNumberOf(0), 154);
  EXPECT_THAT(ui.messages, IsEmpty());
  EXPECT_EQ(Sim().CountLogLines("<- read block"), kInquiryBlocks.size());
}

class ModuleSessionTest : public SimLinkTest, public ::testing::WithParamInterface<Line> {
 protected:
  LinkStatus Login(const char* key) {
    return OnLink([&] { return Link().Login(key); }).status;
  }
  bool WriteBlock0() {
    return OnLink([&] { return Link().WriteBlock(0); }).Ok();
  }
  bool ReadBlock0() {
    return OnLink([&] { return Link().ReadBlock(0); }).Ok();
  }
};

TEST_P(ModuleSessionTest, ALockedModuleIsLoggedInToWrittenAndReturnedToItsFactorySetting) {
  ASSERT_NO_FATAL_FAILURE(Start(GetParam(), {"--locked", "1", "--password", "abcd"}));
  const int node = AddKnownNode();
  const sim::ModuleSetup& factory = Module(0);
  ASSERT_EQ(Node(node).LockState(), kLockStateLocked);

  // Without credentials the write is refused, and not sent again.
  StageNameAndAddress(Nodes(), "Not yet", Ipv4(127, 1, 77, 8));
  EXPECT_FALSE(WriteBlock0());
  EXPECT_EQ(Node(node).ModuleName(), factory.name);
  EXPECT_EQ(Sim().CountLogLines("<- write block 0"), 1u);

  EXPECT_EQ(Login("zzzz"), LinkStatus::Refused);
  EXPECT_EQ(Node(node).LockState(), kLockStateLocked);
  EXPECT_EQ(Node(node).ReplyCode(), 0x8007);
  EXPECT_EQ(Login("abcd"), LinkStatus::Ok);
  EXPECT_EQ(Node(node).LockState(), kLockStateUnlocked);
  EXPECT_EQ(Node(node).ReplyCode(), 0x0007);

  // The write changes the named fields only; the node holds the read-back.
  const std::vector<std::uint8_t> before(Node(node).Block(0).begin(), Node(node).Block(0).end());
  const std::uint32_t newAddress = Ipv4(127, 1, 77, 7);
  StageNameAndAddress(Nodes(), "Line 7 gateway", newAddress);
  EXPECT_TRUE(WriteBlock0());
  EXPECT_EQ(Node(node).ModuleName(), "Line 7 gateway");
  EXPECT_EQ(Node(node).IpAddress(), newAddress);
  EXPECT_TRUE(std::equal(before.begin() + net::Netmask, before.end(),
                         Node(node).Block(0).begin() + net::Netmask));
  EXPECT_EQ(Node(node).ReplyCode(), kReplyReadOk);
  // A read of its own finds the module holding the new values.
  const Bytes stored = Node(node).Block(0);
  std::fill(stored.begin(), stored.end(), std::uint8_t{0});
  EXPECT_TRUE(ReadBlock0());
  EXPECT_EQ(Node(node).ModuleName(), "Line 7 gateway");
  EXPECT_EQ(Node(node).IpAddress(), newAddress);
  EXPECT_EQ(LoadBE32(Node(node).Block(0), net::Gateway), factory.gateway);

  // The factory setting comes back without a password.
  EXPECT_TRUE(OnLink([&] { return Link().FactoryReset(); }).Ok());
  EXPECT_EQ(Node(node).ReplyCode(), 0x0009);
  EXPECT_EQ(Node(node).LockState(), kLockStateUnlocked);
  EXPECT_TRUE(ReadBlock0());
  EXPECT_EQ(Node(node).ModuleName(), factory.name);
  EXPECT_EQ(Node(node).IpAddress(), factory.ipAddress);
  EXPECT_TRUE(AllZero(Node(node).Block(0).subspan(net::Password, net::kPasswordSize)));

  EXPECT_EQ(Sim().CountLogLines("login refused"), 1u);
  EXPECT_EQ(Sim().CountLogLines("login accepted"), 1u);
  EXPECT_EQ(Sim().CountLogLines("factory setting restored"), 1u);
  EXPECT_EQ(Sim().CountLogLines("<- write block 0"), 2u);
  EXPECT_THAT(ui.messages, IsEmpty());
}

TEST_F(SimLinkTest, AnActionEndsOnTheLinkItOpenedWhateverTheSettingsSayByThen) {
  ASSERT_NO_FATAL_FAILURE(Start(Line::Ethernet, {"--seed", "5"}));
  const int node = AddKnownNode();
  // The settings file turns to a serial line that does not exist while the
  // action runs; its reads still go over the socket it opened.
  const LinkResult read = OnLink([&] {
    home.UseSerial(home.Root() / "no-such-line", Address());
    LinkResult result = Link().ReadBlock(0);
    if (result.Ok()) result = Link().ReadBlock(11);
    return result;
  });
  EXPECT_TRUE(read.Ok()) << Sim().Log();
  EXPECT_EQ(Sim().CountLogLines("<- read block"), 2u);
  EXPECT_EQ(Node(node).Mac(), Module(0).mac);
}

INSTANTIATE_TEST_SUITE_P(Lines, ModuleSessionTest, ::testing::Values(Line::Ethernet, Line::Serial),
                         [](const auto& info) { return LineName(info.param); });

}  // namespace
}  // namespace gw::test
