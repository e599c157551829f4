// Opening and closing the configuration and Modbus links.
#include <gtest/gtest.h>

#include "support/LinkHarness.h"

namespace gw {
namespace {

using Events = std::vector<std::string>;
const Events kCannotOpen = {"Cannot open the specified device"};

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
    EXPECT_TRUE(h.link.OpenLink());
    EXPECT_TRUE(h.link.CloseLink());
    EXPECT_EQ(Calls(), calls);
    EXPECT_TRUE(h.ui.messages.empty());

    h.port.openResult = -1;
    EXPECT_FALSE(h.link.OpenLink());
    EXPECT_EQ(h.ui.messages, kCannotOpen);
    h.port.openResult = 0;
    h.ui.messages.clear();
  }
}

TEST_F(LinkOperations, UnknownCommTypeDeclinesEveryOperationSilently) {
  h.port.commType = 2;
  h.AddNode(test::FakeModule(1));
  h.log.Clear();
  EXPECT_FALSE(h.link.OpenLink());
  EXPECT_FALSE(h.link.CloseLink());
  EXPECT_FALSE(h.link.OpenModbusLink());
  EXPECT_FALSE(h.link.CloseModbusLink());
  EXPECT_TRUE(h.ui.messages.empty());
  EXPECT_TRUE(h.log.All().empty());
}

TEST_F(LinkOperations, SerialModbusLinkPassesTheWholePortName) {
  h.port.commType = kCommSerial;
  h.port.comPort = 12;
  EXPECT_TRUE(h.link.OpenModbusLink());
  EXPECT_TRUE(h.link.CloseModbusLink());
  EXPECT_EQ(Calls(), (Events{"mb OpenModbusSerial COM12 19200 8 N 1 1", "mb CloseSerial"}));

  h.port.modbusOpenResult = -2;
  EXPECT_FALSE(h.link.OpenModbusLink());
  EXPECT_EQ(h.ui.messages, kCannotOpen);
}

TEST_F(LinkOperations, EthernetModbusLinkFollowsTheNodeAndRestoresTheRemoteAddress) {
  test::FakeModule module(9);
  StoreBE32(module.record.Block(0), net::IpAddress, 0x7F000009);
  h.AddNode(module);
  h.port.commType = kCommEthernet;
  h.port.remoteAddress = 0x7F000001;

  EXPECT_TRUE(h.link.OpenModbusLink());
  EXPECT_EQ(h.port.remoteAddress, 0x7F000009u);
  EXPECT_TRUE(h.link.CloseModbusLink());
  EXPECT_EQ(h.port.remoteAddress, 0x7F000001u);
  EXPECT_EQ(Calls(), (Events{"mb OpenModbusTCPSocket 127.0.0.9", "SetRemoteIPAddr 127.0.0.9",
                             "mb CloseSocket", "SetRemoteIPAddr 127.0.0.1"}));
  EXPECT_TRUE(h.ui.messages.empty());

  // A failed open leaves the remote address.
  h.log.Clear();
  h.port.modbusOpenResult = -1;
  EXPECT_FALSE(h.link.OpenModbusLink());
  EXPECT_EQ(h.ui.messages, kCannotOpen);
  EXPECT_EQ(h.port.remoteAddress, 0x7F000001u);
  EXPECT_EQ(Calls(), (Events{"mb OpenModbusTCPSocket 127.0.0.9"}));
}

TEST_F(LinkOperations, EthernetModbusLinkWithoutACurrentNodeIsRefused) {
  h.port.commType = kCommEthernet;
  EXPECT_FALSE(h.link.OpenModbusLink());
  EXPECT_EQ(h.ui.messages, kCannotOpen);
  EXPECT_TRUE(Calls().empty());
}

}  // namespace
}  // namespace gw
