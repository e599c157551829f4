// Opening and closing the configuration and Modbus links: the transport is
// chosen when a link opens and kept until it closes.
#include <gtest/gtest.h>

#include "link/RequestCodes.h"
#include "support/LinkHarness.h"

namespace gw {
namespace {

using Events = std::vector<std::string>;

struct LinkOperations : ::testing::Test {
  test::LinkHarness h;
  void SetUp() override { ASSERT_TRUE(h.Bind()); }
  Events Calls() const {
    return h.log.Only(
        {"OpenSerialEx", "OpenSocket", "CloseSerial", "CloseSocket", "SetRemoteIPAddr", "mb"});
  }
};

TEST_F(LinkOperations, ConfigurationLinkOfEitherCommType) {
  h.port.comPort = 3;
  h.port.remoteAddress = 0x7F000005;  // host order
  const std::pair<int, Events> cases[] = {
      {kCommSerial, {"OpenSerialEx 3 19200 8 N 1", "CloseSerial"}},
      {kCommEthernet, {"OpenSocket 2 127.0.0.5 0 20006 3", "CloseSocket"}}};
  for (const auto& [commType, calls] : cases) {
    h.port.commType = commType;
    h.log.Clear();
    EXPECT_EQ(h.link.OpenLink(), LinkStatus::Ok);
    EXPECT_EQ(h.link.OpenCommType(), commType);
    h.link.CloseLink();
    h.link.CloseLink();  // once closed, closing again does nothing
    EXPECT_EQ(Calls(), calls);

    h.port.openResult = -1;
    EXPECT_EQ(h.link.OpenLink(), LinkStatus::CannotOpen);
    EXPECT_FALSE(h.link.IsOpen());
    h.port.openResult = 0;
  }
  EXPECT_TRUE(h.ui.messages.empty());  // the action says what went wrong
}

TEST_F(LinkOperations, AnActionEndsOnTheTransportItStartedWith) {
  test::FakeModule module(4);
  h.AddNode(module);
  h.port.Attach(module);
  h.port.commType = kCommEthernet;
  ASSERT_EQ(h.link.OpenLink(), LinkStatus::Ok);
  h.port.commType = kCommSerial;  // the settings change while the action runs
  EXPECT_TRUE(h.link.WriteBlock(4).Ok());
  EXPECT_TRUE(h.link.ReadBlock(4).Ok());
  h.link.CloseLink();
  for (const auto& frame : h.port.sent) EXPECT_NE(frame.front(), kFrameEnd);  // never stuffed
  EXPECT_EQ(Calls(), (Events{"OpenSocket 2 127.0.0.1 0 20006 3", "CloseSocket"}));
}

TEST_F(LinkOperations, UnknownCommTypeDeclinesEveryOperationSilently) {
  h.port.commType = 2;
  h.AddNode(test::FakeModule(1));
  h.log.Clear();
  EXPECT_EQ(h.link.OpenLink(), LinkStatus::NoTransport);
  h.link.CloseLink();
  EXPECT_EQ(h.link.OpenModbusLink(), LinkStatus::NoTransport);
  h.link.CloseModbusLink();
  for (const LinkResult& result : {h.link.WriteBlock(4), h.link.Login("abcd"),
                                   h.link.FactoryReset(), h.link.ReadBlock(4), h.link.Search()}) {
    EXPECT_EQ(result.status, LinkStatus::NotOpen);
  }
  EXPECT_TRUE(h.ui.messages.empty());
  EXPECT_TRUE(h.log.All().empty());
}

TEST_F(LinkOperations, SerialModbusLinkPassesTheWholePortName) {
  h.port.commType = kCommSerial;
  h.port.comPort = 12;
  EXPECT_EQ(h.link.OpenModbusLink(), LinkStatus::Ok);
  h.link.CloseModbusLink();
  EXPECT_EQ(Calls(), (Events{"mb OpenModbusSerial COM12 19200 8 N 1 1", "mb CloseSerial"}));

  h.port.modbusOpenResult = -2;
  EXPECT_EQ(h.link.OpenModbusLink(), LinkStatus::CannotOpen);
}

TEST_F(LinkOperations, EthernetModbusLinkFollowsTheNodeAndRestoresTheRemoteAddress) {
  test::FakeModule module(9);
  StoreBE32(module.record.Block(0), net::IpAddress, 0x7F000009);
  h.AddNode(module);
  h.port.commType = kCommEthernet;
  h.port.remoteAddress = 0x7F000001;

  EXPECT_EQ(h.link.OpenModbusLink(), LinkStatus::Ok);
  EXPECT_EQ(h.port.remoteAddress, 0x7F000009u);
  h.link.CloseModbusLink();
  EXPECT_EQ(h.port.remoteAddress, 0x7F000001u);
  EXPECT_EQ(Calls(), (Events{"mb OpenModbusTCPSocket 127.0.0.9", "SetRemoteIPAddr 127.0.0.9",
                             "mb CloseSocket", "SetRemoteIPAddr 127.0.0.1"}));

  // A failed open leaves the remote address.
  h.log.Clear();
  h.port.modbusOpenResult = -1;
  EXPECT_EQ(h.link.OpenModbusLink(), LinkStatus::CannotOpen);
  EXPECT_EQ(h.port.remoteAddress, 0x7F000001u);
  EXPECT_EQ(Calls(), (Events{"mb OpenModbusTCPSocket 127.0.0.9"}));
}

TEST_F(LinkOperations, EthernetModbusLinkWithoutACurrentNodeIsRefused) {
  h.port.commType = kCommEthernet;
  EXPECT_EQ(h.link.OpenModbusLink(), LinkStatus::NotBuilt);
  EXPECT_TRUE(Calls().empty());
}

}  // namespace
}  // namespace gw
