// The Slave Mode page: the editable rule, the relay grid's refusals, keys
// and menu, and the bytes of the relay table it writes.
#include <gtest/gtest.h>

#include "link/RequestCodes.h"
#include "model/Texts.h"
#include "support/PageFixture.h"

namespace gw::pages::test {
namespace {

constexpr std::size_t kBody = hdr::kSize;
constexpr std::uint16_t kSlave = comconfig::kSerialSlave;

struct RelayPage : PageFixture {
  void SetUp() override {
    PageFixture::SetUp();
    SetComConfig(kSlave);
    Bytes b = module.record.Block(kRelayBlock);
    b[relay::RelayStation] = 7;
    const std::uint8_t ip[] = {0x01, 0x00, 0x00, 0x0A};  // 10.0.0.1
    std::copy(std::begin(ip), std::end(ip), b.begin() + relay::RelayIp);
  }
  RelayGrid& G() { return Relay().Grid(); }
  bool Edit(CellRef cell, const std::string& text) {
    G().DoubleClick(cell);
    G().SetEditText(text);
    return G().FinishEdit();
  }
};

TEST(RelayIpRule, TakesOnlyThreeDotsAndSevenToFifteenCharacters) {
  struct Case {
    const char* text;
    bool taken;
  };
  for (const Case& c :
       {Case{"1.1.1.1", true}, Case{"192.168.1.10", true}, Case{"192.168.1", false},
        Case{"1.2.3.4.5", false}, Case{"255.255.255.255", false}, Case{"1.1.1.", false},
        Case{"300.1.1.1", false}, Case{"10.0.0.1   x", true} /* the parser stops at a blank */,
        Case{"0.0.0.0", true}}) {
    EXPECT_EQ(ParseRelayIp(c.text).has_value(), c.taken) << c.text;
  }
  EXPECT_EQ(ParseRelayIp("192.168.1.10"), 0xC0A8010Au);
}

struct EditableCase {
  std::uint16_t firmware;
  std::uint16_t comConfig;
  bool before;  // the state the grid had
  bool editable;
};

struct RelayEditable : RelayPage, ::testing::WithParamInterface<EditableCase> {};

TEST_P(RelayEditable, FollowsFirmwareAndComConfig) {
  const EditableCase& c = GetParam();
  SetFirmware(c.firmware);
  SetComConfig(c.comConfig);
  Open();
  G().SetEditable(c.before);
  Relay().OnSiblingQuery();  // reloads
  EXPECT_EQ(G().Editable(), c.editable);
  const GridCell& cell = G().Cell({0, 0});
  EXPECT_EQ(cell.textColour, FromColorRef(c.editable ? 0x000000 : 0x99A8AC));
  EXPECT_EQ(cell.backColour, FromColorRef(c.editable ? 0xFFFFFF : 0xD8E9EC));
}

INSTANTIATE_TEST_SUITE_P(
    Rule, RelayEditable,
    ::testing::Values(EditableCase{0x0154, kSlave, false, true},
                      EditableCase{0x0154, kSlave | comconfig::kUserDefineCom1, true, false},
                      EditableCase{0x0154, 0, true, false},
                      EditableCase{0x0155, kSlave | comconfig::kUserDefineCom2, true, false},
                      EditableCase{0x0155, 0, true, false},
                      EditableCase{0x0155, comconfig::kSerialDeviceServer, true, false},
                      EditableCase{0x0200, kSlave | comconfig::kSerialDeviceServer, true, true},
                      EditableCase{0x0200, kSlave | comconfig::kSerialDeviceServer, false, false}));

TEST_F(RelayPage, EditsAreCheckedCellByCell) {
  Open();
  EXPECT_EQ(G().Text(0, 0), "7");
  EXPECT_EQ(G().Text(1, 0), "10.0.0.1");
  struct Case {
    CellRef cell;
    const char* typed;
    const char* message;
    bool notifies;
  };
  const Case cases[] = {
      {{0, 1}, "0", text::kRelayStationRange, false},
      {{0, 1}, "256", text::kRelayStationRange, false},
      {{1, 1}, "192.168.1", text::kRelayIpFormat, false},
      {{1, 1}, "1.2.3.4.5", text::kRelayIpFormat, false},
      {{1, 0}, "", nullptr, false},  // taken, but an empty cell tells nothing
      {{0, 1}, "255", nullptr, true},
      {{1, 1}, "1.1.1.1", nullptr, true},
  };
  for (const Case& c : cases) {
    ui.messages.clear();
    const std::string before = G().Text(c.cell.column, c.cell.row);
    EXPECT_EQ(Edit(c.cell, c.typed), c.message == nullptr) << c.typed;
    EXPECT_EQ(ui.messages, c.message ? Strings{c.message} : Strings{}) << c.typed;
    if (c.message) {
      EXPECT_EQ(G().EditText(), before) << c.typed;
    }
    // The notifying cases come last.
    EXPECT_EQ(Relay().RelayMask() != 0, c.notifies) << c.typed;
    G().CancelEdit();
  }
}

TEST_F(RelayPage, ApplyPacksTheRowsWithTheOctetsReversed) {
  Open();
  EXPECT_TRUE(Relay().OnApply());
  EXPECT_TRUE(port.requests.empty());
  G().Select({0, 0}, {1, 0});
  G().Key(GridKey::Delete);  // row 1 emptied
  Edit({1, 2}, "10.1.1.1");  // an IP without a station is not written
  Edit({0, 4}, "5");
  Edit({1, 4}, "192.168.1.10");
  Edit({0, 6}, "9");
  ASSERT_TRUE(Relay().OnApply());
  const auto body = WriteBody(kRelayBlock);
  ASSERT_EQ(body.size(), kBody + 504);
  EXPECT_EQ(Long(body, kBody), 0x80000000u);
  EXPECT_EQ(std::vector<std::uint8_t>(body.begin() + kBody + 4, body.begin() + kBody + 7),
            (std::vector<std::uint8_t>{5, 9, 0}));
  EXPECT_EQ(std::vector<std::uint8_t>(body.begin() + kBody + 104, body.begin() + kBody + 112),
            (std::vector<std::uint8_t>{0x0A, 0x01, 0xA8, 0xC0, 0, 0, 0, 0}));
  // Reloaded from what the module holds now.
  EXPECT_EQ(G().Text(0, 0), "5");
  EXPECT_EQ(G().Text(1, 0), "192.168.1.10");
  EXPECT_EQ(G().Text(0, 4), "");
  EXPECT_EQ(Relay().RelayMask(), 0u);
}

TEST_F(RelayPage, KeysAndMenuTellThePageOnlyWhileEditable) {
  Open();
  G().SetCurrent({0, 0});
  EXPECT_TRUE(G().ControlKey('C'));
  EXPECT_EQ(Relay().RelayMask(), 0x80000000u);
  G().SetCurrent({0, 3});
  G().Command(GridCommand::Paste);
  EXPECT_EQ(G().Text(0, 3), "7");
  EXPECT_EQ(G().ContextMenu(),
            (std::vector<GridCommand>{GridCommand::Cut, GridCommand::Copy, GridCommand::Paste}));
  std::vector<CellRef> tabbed;
  G().SetCurrent({0, 5});
  for (int i = 0; i < 2; ++i) {
    G().Key(GridKey::Tab);
    tabbed.push_back(G().Current());
  }
  EXPECT_EQ(tabbed, (std::vector<CellRef>{{1, 5}, {0, 6}}));

  StoreBE16(Node().Block(kSerialBlock), serial::ComConfig, 0);
  Relay().OnSiblingQuery();  // reloads read-only
  EXPECT_FALSE(G().Editable());
  EXPECT_TRUE(G().ContextMenu().empty());
  EXPECT_FALSE(G().ControlKey('V'));
  G().DoubleClick({0, 1});
  EXPECT_FALSE(G().Editing());
}

TEST_F(RelayPage, ImportThenApplyWritesTheMailBlocksAndTheRelayTable) {
  Open();
  sheet->QuerySiblings();
  ASSERT_TRUE(sheet->Apply());
  std::vector<int> blocks;
  for (const auto& w : Sent(CmdWriteBlock)) blocks.push_back(w.block);
  for (int b : {kMailBlock, kMailRecipientBlock, kAlarmBlock, kRelayBlock}) {
    EXPECT_EQ(std::count(blocks.begin(), blocks.end(), b), 1) << b;
  }
  EXPECT_EQ(Long(WriteBody(kRelayBlock), kBody), 0x80000000u);
}

TEST_F(RelayPage, FailuresAreReportedAndThePageReloads) {
  Open();
  module.writeCode = 0x8005;
  Edit({0, 0}, "8");
  ASSERT_TRUE(Relay().OnApply());
  EXPECT_EQ(ui.messages, Strings{text::kModifyFailed});
  EXPECT_EQ(G().Text(0, 0), "7");
  ui.messages.clear();
  port.openResult = -1;
  Edit({0, 0}, "8");
  ASSERT_TRUE(Relay().OnApply());
  EXPECT_EQ(ui.messages, (Strings{text::kCannotOpenDevice, text::kCommunicationError}));
  EXPECT_FALSE(Relay().IsModified());
}

}  // namespace
}  // namespace gw::pages::test
