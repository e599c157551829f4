// Binding the transport libraries: order of the names, the fatal messages,
// and the settings copies.
#include <gtest/gtest.h>

#include "support/LinkHarness.h"

namespace gw {
namespace {

using test::LinkHarness;

const std::vector<std::string> kPortLinkOrder = {
    "OpenSerial",       "CloseSerial",      "OpenSerialEx",     "SetCOMPortNum",
    "GetCOMPortNum",    "GetLastSerialErr", "ResetSerialErr",   "OpenModbusTCPSocket",
    "OpenSocket",       "CloseSocket",      "ReadSelect",       "SetRemoteIPAddr",
    "GetRemoteIPAddr",  "GetLastSocketErr", "ResetSocketErr",   "RequestData",
    "ResponseData",     "SendData",         "RecvData",         "SetCommType",
    "GetCommType",      "SetSerializeData", "GetSerializeData"};
const std::vector<std::string> kMbKitOrder = {"OpenModbusSerial", "CloseSerial",
                                              "OpenModbusTCPSocket", "CloseSocket",
                                              "ReadSelect",       "RequestData",
                                              "ResponseData"};

std::vector<std::string> Lookups(const std::string& library, const std::vector<std::string>& names,
                                 std::size_t count) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < count; ++i) out.push_back(library + ":" + names[i]);
  return out;
}

// Records the buttons and icon of every message box as well.
class BoxUi : public test::RecordingUi {
 public:
  Answer Message(const std::string& text, Buttons buttons, Icon icon) override {
    boxes.emplace_back(buttons, icon);
    return RecordingUi::Message(text, buttons, icon);
  }
  std::vector<std::pair<Buttons, Icon>> boxes;
};

struct Binding : ::testing::Test {
  test::EventLog log;
  test::FakeClock clock{log};
  test::FakePortLink port{log};
  BoxUi ui;
  NodeTable nodes;
  DeviceLink link{nodes, ui, clock};
  std::vector<int> exitCodes;

  void Bind() {
    link.Bind(port, [this](int code) { exitCodes.push_back(code); });
  }
  void ExpectFatal(const std::string& message) {
    ASSERT_EQ(ui.messages, std::vector<std::string>{message});
    EXPECT_EQ(ui.boxes.front(), std::make_pair(Buttons::Ok, Icon::None));
    EXPECT_EQ(exitCodes, std::vector<int>{0});
  }
};

TEST_F(Binding, ResolvesEveryNameInOrderAndTakesTheSettings) {
  port.comPort = 3;
  port.commType = kCommSerial;
  port.remoteAddress = 0x7F000007;
  Bind();
  EXPECT_TRUE(exitCodes.empty());
  EXPECT_TRUE(ui.messages.empty());
  auto expected = Lookups("PortLink", kPortLinkOrder, kPortLinkOrder.size());
  const auto mb = Lookups("MbKit", kMbKitOrder, kMbKitOrder.size());
  expected.insert(expected.end(), mb.begin(), mb.end());
  EXPECT_EQ(port.lookups, expected);
  EXPECT_NE(link.PortLink().GetSerializeData, nullptr);
  EXPECT_NE(link.MbKit().ResponseData, nullptr);
  EXPECT_EQ(link.ComPortCopy(), 3);
  EXPECT_EQ(link.CommTypeCopy(), kCommSerial);
  EXPECT_EQ(link.RemoteAddressCopy(), 0x7F000007u);
  // The copies keep their value; the link asks the transport each time.
  port.commType = kCommEthernet;
  EXPECT_EQ(link.CommTypeCopy(), kCommSerial);
  EXPECT_EQ(link.CommType(), kCommEthernet);
}

TEST_F(Binding, MissingFourthEntryPointStopsThere) {
  port.missing = {"PortLink:SetCOMPortNum"};
  Bind();
  EXPECT_EQ(port.lookups, Lookups("PortLink", kPortLinkOrder, 4));
  EXPECT_NE(link.PortLink().OpenSerial, nullptr);
  EXPECT_NE(link.PortLink().CloseSerial, nullptr);
  EXPECT_NE(link.PortLink().OpenSerialEx, nullptr);
  EXPECT_EQ(link.PortLink().SetCOMPortNum, nullptr);
  EXPECT_EQ(link.PortLink().GetCOMPortNum, nullptr);
  ExpectFatal("SetCOMPortNum function not in PortLink.dll !!");
  // MbKit is not even loaded, and the copies keep their initial values.
  EXPECT_EQ(log.Only({"load"}), std::vector<std::string>{"load PortLink"});
  EXPECT_EQ(link.ComPortCopy(), 1);
  EXPECT_EQ(link.CommTypeCopy(), 0);
  EXPECT_EQ(link.RemoteAddressCopy(), 0xFFFFFFFFu);
}

TEST_F(Binding, ModbusTcpOpenerIsReportedWithThreeExclamationMarks) {
  port.missing = {"PortLink:OpenModbusTCPSocket"};
  Bind();
  ExpectFatal("OpenModbusTCPSocket function not in PortLink.dll !!!");
}

TEST_F(Binding, MbKitNamesHaveTheirOwnTexts) {
  port.missing = {"MbKit:CloseSocket"};
  Bind();
  const auto mb = Lookups("MbKit", kMbKitOrder, 4);
  EXPECT_EQ(std::vector<std::string>(port.lookups.end() - 4, port.lookups.end()), mb);
  ExpectFatal("CloseSocket function not in MbKit.dll !!");
}

TEST_F(Binding, MbKitModbusTcpOpener) {
  port.missing = {"MbKit:OpenModbusTCPSocket"};
  Bind();
  ExpectFatal("OpenModbusTCPSocket function not in MbKit.dll !!!");
}

TEST_F(Binding, UnloadablePortLink) {
  port.unloadable = {"PortLink"};
  Bind();
  EXPECT_TRUE(port.lookups.empty());
  ExpectFatal("Can't load PortLink,\nProcess Terminate !!");
}

TEST_F(Binding, UnloadableMbKit) {
  port.unloadable = {"MbKit"};
  Bind();
  ExpectFatal("Can't load MbKit,\nProcess Terminate !!");
}

TEST(BindingLifetime, PortLinkIsReleasedWithTheLinkAndMbKitStays) {
  test::EventLog log;
  {
    test::FakeClock clock{log};
    test::FakePortLink port{log};
    test::RecordingUi ui;
    NodeTable nodes;
    {
      DeviceLink link{nodes, ui, clock};
      link.Bind(port, [](int) { FAIL() << "terminated"; });
    }
  }
  EXPECT_EQ(log.Only({"load", "unload"}),
            (std::vector<std::string>{"load PortLink", "load MbKit", "unload PortLink"}));
}

TEST(SystemLoaderTest, MissingLibraryGivesNull) {
  LibraryLoader& loader = SystemLoader();
  EXPECT_EQ(loader.Open("NoSuchGwLibrary"), nullptr);
  EXPECT_EQ(loader.Symbol(nullptr, "OpenSerial"), nullptr);
}

}  // namespace
}  // namespace gw
