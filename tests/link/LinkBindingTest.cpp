// Binding the transport libraries: order of the names, the fatal messages,
// and the settings copies.
#include <gtest/gtest.h>

#include <algorithm>

#include "link/LinkEntryPoints.h"
#include "support/LinkHarness.h"

namespace gw {
namespace {

using Names = std::vector<std::string>;

#define GW_NAME(name) #name,

// Every lookup of a binding that succeeds, in order.
Names AllLookups() {
  Names out;
  for (const char* name : {GW_PORTLINK_ENTRY_POINTS(GW_NAME)}) {
    out.push_back(std::string("PortLink:") + name);
  }
  for (const char* name : {GW_MBKIT_ENTRY_POINTS(GW_NAME)}) {
    out.push_back(std::string("MbKit:") + name);
  }
  return out;
}

TEST(LinkBinding, TheListHasTheLibrariesNamesInBindingOrder) {
  const Names all = AllLookups();
  ASSERT_EQ(all.size(), 30u);
  EXPECT_EQ(Names(all.begin(), all.begin() + 4),
            (Names{"PortLink:OpenSerial", "PortLink:CloseSerial", "PortLink:OpenSerialEx",
                   "PortLink:SetCOMPortNum"}));
  EXPECT_EQ(all[22], "PortLink:GetSerializeData");
  EXPECT_EQ(all[23], "MbKit:OpenModbusSerial");
}

// Records the buttons and icon of every message box as well.
class BoxUi : public test::RecordingUi {
 public:
  Answer Message(const std::string& text, Buttons buttons, Icon icon,
                 std::optional<Answer> defaultButton = std::nullopt) override {
    boxes.emplace_back(buttons, icon);
    return RecordingUi::Message(text, buttons, icon, defaultButton);
  }
  std::vector<std::pair<Buttons, Icon>> boxes;
};

struct Binding {
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
};

TEST(LinkBinding, ResolvesEveryNameInOrderAndTakesTheSettings) {
  Binding b;
  b.port.comPort = 3;
  b.port.commType = kCommSerial;
  b.port.remoteAddress = 0x7F000007;
  b.Bind();
  EXPECT_TRUE(b.exitCodes.empty());
  EXPECT_TRUE(b.ui.messages.empty());
  EXPECT_EQ(b.port.lookups, AllLookups());
  EXPECT_NE(b.link.PortLink().GetSerializeData, nullptr);
  EXPECT_EQ(b.link.ComPortCopy(), 3);
  EXPECT_EQ(b.link.CommTypeCopy(), kCommSerial);
  EXPECT_EQ(b.link.RemoteAddressCopy(), 0x7F000007u);
  // The copies keep their value; the link asks the transport each time.
  b.port.commType = kCommEthernet;
  EXPECT_EQ(b.link.CommTypeCopy(), kCommSerial);
  EXPECT_EQ(b.link.CommType(), kCommEthernet);
}

TEST(LinkBinding, FailureShowsItsMessageStopsThereAndTerminates) {
  const Names all = AllLookups();
  const auto mbKitStart = all.begin() + 23;
  const struct {
    std::string missing;
    std::string unloadable;
    std::string message;
  } cases[] = {
      {"PortLink:SetCOMPortNum", "", "SetCOMPortNum function not in PortLink.dll !!"},
      {"PortLink:OpenModbusTCPSocket", "", "OpenModbusTCPSocket function not in PortLink.dll !!!"},
      {"MbKit:CloseSocket", "", "CloseSocket function not in MbKit.dll !!"},
      {"MbKit:OpenModbusTCPSocket", "", "OpenModbusTCPSocket function not in MbKit.dll !!!"},
      {"", "PortLink", "Can't load PortLink,\nProcess Terminate !!"},
      {"", "MbKit", "Can't load MbKit,\nProcess Terminate !!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    Binding b;
    if (!c.missing.empty()) b.port.missing = {c.missing};
    if (!c.unloadable.empty()) b.port.unloadable = {c.unloadable};
    b.Bind();
    const bool inPortLink = c.missing.starts_with("PortLink") || c.unloadable == "PortLink";
    const auto last = c.missing.empty() ? (inPortLink ? all.begin() : mbKitStart)
                                        : std::find(all.begin(), all.end(), c.missing) + 1;
    EXPECT_EQ(b.port.lookups, Names(all.begin(), last));
    EXPECT_EQ(b.ui.messages, Names{c.message});
    EXPECT_EQ(b.ui.boxes, (std::vector{std::make_pair(Buttons::Ok, Icon::None)}));
    EXPECT_EQ(b.exitCodes, std::vector<int>{0});
    // MbKit is not even loaded after a PortLink failure, and the copies keep
    // their initial values.
    EXPECT_EQ(b.log.Only({"load"}).size(), inPortLink ? 1u : 2u);
    EXPECT_EQ(b.link.ComPortCopy(), 1);
    EXPECT_EQ(b.link.CommTypeCopy(), 0);
    EXPECT_EQ(b.link.RemoteAddressCopy(), 0xFFFFFFFFu);
  }
}

TEST(LinkBinding, PortLinkIsReleasedWithTheLinkAndMbKitStays) {
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
            (Names{"load PortLink", "load MbKit", "unload PortLink"}));
}

TEST(LinkBinding, SystemLoaderGivesNullForAMissingLibrary) {
  LibraryLoader& loader = SystemLoader();
  EXPECT_EQ(loader.Open("NoSuchGwLibrary"), nullptr);
  EXPECT_EQ(loader.Symbol(nullptr, "OpenSerial"), nullptr);
}

}  // namespace
}  // namespace gw
