// The "Monitor" page: the address grid's rules, the table it writes, the
// reload rules, and monitoring against a scripted Modbus side.
#include <gtest/gtest.h>

#include <fstream>

#include "link/RequestCodes.h"
#include "model/RecordLayout.h"
#include "model/Texts.h"
#include "monitor/Monitor1Dlg.h"
#include "support/PageFixture.h"

namespace gw::monitor {
namespace {

using pages::CellRef;
using pages::GridCommand;
using pages::GridKey;
using pages::test::Long;
using pages::test::PageFixture;
using pages::test::Strings;
using pages::test::Word;

constexpr std::size_t kBody = hdr::kSize;
constexpr auto kA = MonitorAddressGrid::kStation;
constexpr auto kHex = MonitorAddressGrid::kHex;
constexpr auto kDec = MonitorAddressGrid::kDecimal;
constexpr auto kAmount = MonitorAddressGrid::kAmount;

struct MonitorPage : PageFixture {
  // What the module's result registers hold, by register number.
  std::map<int, std::uint16_t> registers;

  void SetUp() override {
    PageFixture::SetUp();
    port.modbusResponder = [this](int, int, const std::vector<std::uint8_t>& data) {
      const int start = (data[0] << 8) | data[1];
      const int count = (data[2] << 8) | data[3];
      std::vector<std::uint8_t> reply;
      for (int r = start; r < start + count; ++r) {
        reply.push_back(static_cast<std::uint8_t>(registers[r] >> 8));
        reply.push_back(static_cast<std::uint8_t>(registers[r]));
      }
      return std::optional(reply);
    };
  }
  void SetEntries(Table table, const std::vector<MonitorEntry>& entries) {
    const Bytes block = module.record.Block(kDeviceMonitorBlock);
    for (std::size_t i = 0; i < entries.size(); ++i)
      WriteEntry(block, TraitsOf(table), i, entries[i]);
  }
  CMonitor1Dlg& Page() { return *sheet->Find<CMonitor1Dlg>(); }
  CDeviceMonitorPane& Pane(Table table) { return Page().Pane(table); }
  MonitorAddressGrid& Grid(Table table) { return Pane(table).AddressGrid(); }
  bool Edit(Table table, CellRef cell, const std::string& text) {
    Grid(table).DoubleClick(cell);
    Grid(table).SetEditText(text);
    return Grid(table).FinishEdit();
  }
  std::vector<std::string> Column(Table table, int column, int rows) {
    std::vector<std::string> texts;
    for (int r = 0; r < rows; ++r) texts.push_back(Pane(table).StatusGrid().Text(column, r));
    return texts;
  }
  std::vector<std::string> Modbus() const { return log.Only({"mb"}); }
};

TEST_F(MonitorPage, EditsAreCheckedAndTheAddressColumnsFollowEachOther) {
  Open();
  struct Case {
    Table table;
    CellRef cell;
    const char* typed;
    const char* message;  // refused with it, or taken
    const char* hex;      // the row's hex and decimal afterwards
    const char* decimal;
  };
  const Case cases[] = {
      {Table::Bits, {kDec, 0}, "000001", nullptr, "0000", "000001"},
      {Table::Bits, {kDec, 0}, "165536", nullptr, "FFFF", "165536"},
      {Table::Bits, {kHex, 0}, "00FF", nullptr, "00FF", "100256"},
      {Table::Words, {kHex, 0}, "ff", nullptr, "ff", "400256"},
      {Table::Words, {kDec, 0}, "300001", nullptr, "0000", "300001"},
      {Table::Bits, {kDec, 1}, "065537", text::kBitNumberRange, "", ""},
      {Table::Bits, {kDec, 1}, "100000", text::kBitNumberRange, "", ""},
      {Table::Words, {kDec, 1}, "365537", text::kWordNumberRange, "", ""},
      {Table::Words, {kDec, 1}, "000001", text::kWordNumberRange, "", ""},
      {Table::Bits, {kHex, 1}, "00G1", text::kMonitorAddressRange, "", ""},
      {Table::Bits, {kA, 1}, "0", text::kRelayStationRange, "", ""},
      {Table::Bits, {kA, 1}, "256", text::kRelayStationRange, "", ""},
      {Table::Bits, {kAmount, 1}, "101", text::kAmountRange, "", ""},
      {Table::Bits, {kAmount, 1}, "0", text::kAmountRange, "", ""},
  };
  for (const Case& c : cases) {
    ui.messages.clear();
    EXPECT_EQ(Edit(c.table, c.cell, c.typed), c.message == nullptr) << c.typed;
    EXPECT_EQ(ui.messages, c.message ? Strings{c.message} : Strings{}) << c.typed;
    EXPECT_EQ(Grid(c.table).Text(kHex, c.cell.row), c.hex) << c.typed;
    EXPECT_EQ(Grid(c.table).Text(kDec, c.cell.row), c.decimal) << c.typed;
    Grid(c.table).CancelEdit();
  }
  // Every keystroke marked the table changed and the page modified.
  EXPECT_EQ(Pane(Table::Bits).ChangeMask(), 0x80000000u);
  EXPECT_EQ(Pane(Table::Words).ChangeMask(), 0x40000000u);
  EXPECT_TRUE(Page().IsModified());
}

TEST_F(MonitorPage, TheAmountsOfAllRowsAddUpToAtMostOneHundred) {
  Open();
  ASSERT_TRUE(Edit(Table::Bits, {kAmount, 0}, "60"));
  EXPECT_FALSE(Edit(Table::Bits, {kAmount, 1}, "41"));
  EXPECT_EQ(ui.messages, Strings{text::kAmountRange});
  Grid(Table::Bits).CancelEdit();
  EXPECT_TRUE(Edit(Table::Bits, {kAmount, 1}, "40"));
  EXPECT_EQ(Grid(Table::Bits).AmountsAbove(2), 100u);
}

TEST_F(MonitorPage, ApplyPacksTheRowsOfItsOwnTableUnderItsOwnMask) {
  Open();
  auto& g = Grid(Table::Words);
  for (const auto& [cell, text] :
       std::vector<std::pair<CellRef, std::string>>{{{kA, 0}, "2"},
                                                    {{kAmount, 0}, "3"},  // no address: skipped
                                                    {{kA, 2}, "5"},
                                                    {{kDec, 2}, "300016"},
                                                    {{kAmount, 2}, "4"},  // input register 15
                                                    {{kA, 3}, "255"},
                                                    {{kHex, 3}, "1234"},
                                                    {{kAmount, 3}, "1"},
                                                    {{kA, 4}, "9"},
                                                    {{kHex, 4}, "10"}}) {  // no amount: skipped
    ASSERT_TRUE(Edit(Table::Words, cell, text)) << text;
  }
  EXPECT_EQ(g.Text(kDec, 3), "404661");
  ASSERT_TRUE(sheet->Apply());
  EXPECT_EQ(Sent(CmdWriteBlock).size(), 1u);  // the bit pane had nothing to write
  const auto body = WriteBody(kDeviceMonitorBlock);
  ASSERT_EQ(body.size(), kBody + 1008);
  EXPECT_EQ(Long(body, kBody), 0x40000000u);
  EXPECT_EQ(Word(body, kBody + devmon::BitCount), 0x8064);
  EXPECT_EQ(Word(body, kBody + devmon::WordCount), 0x8064);
  const std::size_t words = kBody + devmon::WordAddresses;
  EXPECT_EQ(std::vector<std::uint8_t>(body.begin() + words, body.begin() + words + 12),
            (std::vector<std::uint8_t>{4, 5, 0x00, 0x0F, 1, 255, 0x12, 0x34, 0, 0, 0, 0}));
  EXPECT_EQ(body[kBody + devmon::WordTypes], 3);
  EXPECT_EQ(body[kBody + devmon::WordTypes + 1], 4);
  // A parameter import: both tables are written at the next Apply.
  port.requests.clear();
  sheet->QuerySiblings();
  EXPECT_TRUE(Page().IsModified());
  ASSERT_TRUE(sheet->Apply());
  std::vector<std::uint32_t> masks;
  for (const auto& request : Sent(CmdWriteBlock, kDeviceMonitorBlock)) {
    masks.push_back(Long(request.body, kBody));
  }
  EXPECT_EQ(masks, (std::vector<std::uint32_t>{0x80000000u, 0x40000000u}));
}

struct ReloadCase {
  std::uint16_t firmware;
  std::uint16_t comConfig;
  bool before;    // the grid's state before the reload
  bool editable;  // after
  bool startEnabled;
};

struct MonitorReload : MonitorPage, ::testing::WithParamInterface<ReloadCase> {};

TEST_F(MonitorPage, BothModeBitsOnTheFirstLoadShowTheTableReadOnly) {
  SetComConfig(comconfig::kSerialSlave | comconfig::kSerialDeviceServer);
  SetEntries(Table::Words, {{3, 2, 0x10, 4}});
  Open();
  EXPECT_FALSE(Grid(Table::Words).Editable());
  EXPECT_EQ(Grid(Table::Words).Text(kA, 0), "3");
  EXPECT_FALSE(Pane(Table::Words).Ctl().startMonitor.enabled);
}

TEST_P(MonitorReload, FollowsFirmwareAndComConfig) {
  const ReloadCase& c = GetParam();
  SetFirmware(c.firmware);
  SetComConfig(c.comConfig);
  SetEntries(Table::Bits, {{1, 2, 0, 0}});
  Open();
  Grid(Table::Bits).SetEditable(c.before);
  Pane(Table::Bits).OnSiblingQuery();
  EXPECT_EQ(Grid(Table::Bits).Editable(), c.editable);
  EXPECT_EQ(Pane(Table::Bits).Ctl().startMonitor.enabled, c.startEnabled);
}

constexpr std::uint16_t kSlave = comconfig::kSerialSlave;
constexpr std::uint16_t kServer = comconfig::kSerialDeviceServer;
INSTANTIATE_TEST_SUITE_P(Rule, MonitorReload,
                         ::testing::Values(ReloadCase{0x0154, 0, false, true, true},
                                           ReloadCase{0x0154, kSlave, true, false, false},
                                           ReloadCase{0x0155, kServer, true, false, false},
                                           ReloadCase{0x0155, kSlave, true, false, false},
                                           ReloadCase{0x0155, kSlave | kServer, true, true, false},
                                           ReloadCase{0x0155, kSlave | kServer, false, false,
                                                      false}));

TEST_F(MonitorPage, StartMonitorNeedsAStationInRowOneAndANetwork) {
  SetEntries(Table::Bits, {{1, 2, 0, 0}});
  Open(kCommSerial);
  EXPECT_FALSE(Pane(Table::Bits).Ctl().startMonitor.enabled);
  EXPECT_FALSE(Pane(Table::Words).Ctl().startMonitor.enabled);
}

TEST_F(MonitorPage, ATickReadsBothRangesAndShowsEveryPointInItsFormat) {
  SetEntries(Table::Words, {{2, 3, 0x0100, 4}, {0, 5, 0, 0}, {7, 0, 9, 4}, {3, 1, 0xFFFF, 3}});
  Open();
  CDeviceMonitorPane& pane = Pane(Table::Words);
  std::vector<MonitorTick> ticks;
  pane.SetTickListener([&ticks](const MonitorTick& tick) { ticks.push_back(tick); });
  EXPECT_TRUE(pane.Ctl().startMonitor.enabled);
  EXPECT_FALSE(Pane(Table::Bits).Ctl().startMonitor.enabled);  // its row 1 is empty
  log.Clear();
  pane.OnStartMonitor(true);
  ASSERT_TRUE(pane.Monitoring());
  EXPECT_EQ(pane.Ctl().startCaption, text::kStopMonitor);
  registers[0x235F] = 0b1011;  // point 2 not valid
  for (int r = 0; r < 4; ++r)
    registers[0x22FB + r] = std::array<std::uint16_t, 4>{0xFFFF, 5, 7, 0x8000}[r];
  pane.StatusGrid().SetText({MonitorStatusGrid::kFormat, 1}, "Bin");
  pane.StatusGrid().SetText({MonitorStatusGrid::kFormat, 3}, "Dec");
  pane.OnTimer();
  EXPECT_EQ(port.modbusRequests,
            (std::vector<std::vector<std::uint8_t>>{{17, 3, 0x23, 0x5F, 0x00, 0x07},
                                                    {17, 3, 0x22, 0xFB, 0x00, 0x64}}));
  EXPECT_EQ(Column(Table::Words, MonitorStatusGrid::kValue, 5),
            (Strings{"HFFFF", "B0000 0000 0000 0101", "X", "K-32768", ""}));
  EXPECT_EQ(Column(Table::Words, MonitorStatusGrid::kHex, 5),
            (Strings{"0100H", "0101H", "0102", "FFFFH", ""}));
  EXPECT_EQ(Column(Table::Words, MonitorStatusGrid::kDecimal, 4),
            (Strings{"400257", "400258", "400259", "365536"}));
  ASSERT_EQ(ticks.size(), 1u);
  EXPECT_EQ(ticks[0].points[3].value, -32768);
  EXPECT_EQ(ticks[0].points[0].value, 0xFFFF);
  // Each request waited for its reply, and the table was read again.
  EXPECT_EQ(std::count(log.All().begin(), log.All().end(), "mb ReadSelect 3000"), 2);
  EXPECT_EQ(Sent(CmdReadBlock, kDeviceMonitorBlock).size(), 1u);
  // 0xFFFF in the other two formats.
  for (const auto& [format, shown] : {std::pair{"Dec", "K-1"}, {"Bin", "B1111 1111 1111 1111"}}) {
    pane.StatusGrid().SetText({MonitorStatusGrid::kFormat, 0}, format);
    pane.OnTimer();
    EXPECT_EQ(pane.StatusGrid().Text(MonitorStatusGrid::kValue, 0), shown);
  }
}

TEST_F(MonitorPage, BitsComeFromTheirBitAndNoValidityShowsEveryRowX) {
  SetEntries(Table::Bits, {{4, 3, 0x0010, 1}});
  Open();
  CDeviceMonitorPane& pane = Pane(Table::Bits);
  pane.OnStartMonitor(true);
  pane.OnTimer();
  EXPECT_EQ(Column(Table::Bits, MonitorStatusGrid::kValue, 3), (Strings{"X", "X", "X"}));
  registers[0x2108] = 0x0007;
  registers[0x20FB] = 0b101;
  pane.OnTimer();
  EXPECT_EQ(Column(Table::Bits, MonitorStatusGrid::kValue, 4), (Strings{"1", "0", "1", ""}));
  EXPECT_EQ(port.modbusRequests.back(), (std::vector<std::uint8_t>{17, 3, 0x20, 0xFB, 0x00, 0x07}));
}

TEST_F(MonitorPage, APastedTableBeyondOneHundredPointsStaysInsideTheBuffers) {
  SetEntries(Table::Words, {{1, 1, 0, 4}});
  Open();
  // 3 rows of 100 points each, pasted without the amount rule.
  std::vector<MonitorEntry> rows(3, MonitorEntry{1, 100, 0x0200, 4});
  pages::SharedGridClipboard().Put("WORD_MONITOR", EncodeClipboardRows(rows));
  auto& grid = Grid(Table::Words);
  grid.Select({kA, 0}, {kAmount, 0});
  grid.Command(GridCommand::Paste);
  EXPECT_EQ(grid.Text(kAmount, 2), "100");
  ASSERT_TRUE(sheet->Apply());
  CDeviceMonitorPane& pane = Pane(Table::Words);
  ASSERT_TRUE(pane.Monitoring());  // an Apply on Ethernet starts monitoring
  for (int r = 0; r < 7; ++r) registers[0x235F + r] = 0xFFFF;
  pane.OnTimer();
  EXPECT_EQ(pane.StatusGrid().Text(MonitorStatusGrid::kValue, 99), "H0000");
  EXPECT_EQ(pane.Ctl().statusLine.text,
            "200 points of this table are not shown: the monitor shows the first 100");
}

TEST_F(MonitorPage, MonitoringEndsOnAFailedRequestAnEditAndLeavingTheTabOrThePage) {
  SetEntries(Table::Bits, {{1, 2, 0, 0}});
  SetEntries(Table::Words, {{1, 2, 0, 4}});
  Open();
  const int monitorPage = pages::PageIndex(pages::PageId::Monitor);
  ASSERT_TRUE(sheet->SetActivePage(monitorPage));
  CDeviceMonitorPane& bits = Pane(Table::Bits);
  struct Case {
    const char* how;
    std::function<void()> stop;
    Strings messages;
  };
  const Case cases[] = {
      {"released", [&] { bits.OnStartMonitor(false); }, {}},
      {"request not sent",
       [&] {
         port.modbusSendResult = -1;
         bits.OnTimer();
         port.modbusSendResult.reset();
       },
       {text::kCommunicationError}},
      {"keystroke", [&] { Grid(Table::Bits).Type("3"); }, {}},
      {"other tab", [&] { Page().Tabs().Click(1); }, {}},
      {"other page", [&] { sheet->SetActivePage(0); }, {}},
      {"sheet closed", [&] { sheet->Cancel(); }, {}},
  };
  for (const Case& c : cases) {
    Page().Tabs().Click(0);
    sheet->SetActivePage(monitorPage);
    Grid(Table::Bits).CancelEdit();
    ui.messages.clear();
    log.Clear();
    bits.OnStartMonitor(true);
    ASSERT_TRUE(bits.Monitoring()) << c.how;
    c.stop();
    EXPECT_FALSE(bits.Monitoring()) << c.how;
    EXPECT_EQ(bits.Ctl().startCaption, text::kStartMonitor) << c.how;
    EXPECT_EQ(ui.messages, c.messages) << c.how;
    ASSERT_FALSE(Modbus().empty()) << c.how;
    EXPECT_EQ(Modbus().front(), "mb OpenModbusTCPSocket 192.168.1.20") << c.how;
    EXPECT_EQ(Modbus().back(), "mb CloseSocket") << c.how;
  }
}

TEST_F(MonitorPage, StoppingWhileAnExchangeIsOutClosesTheLinkWhenItIsBack) {
  SetEntries(Table::Words, {{1, 2, 0, 4}});
  Open();
  CDeviceMonitorPane& pane = Pane(Table::Words);
  pane.OnStartMonitor(true);
  auto exchange = pane.BeginPoll();
  ASSERT_TRUE(exchange);
  EXPECT_FALSE(pane.BeginPoll());  // one exchange at a time
  const PollReplies replies = (*exchange)();
  log.Clear();
  pane.OnStartMonitor(false);
  EXPECT_TRUE(Modbus().empty());
  pane.FinishPoll(replies);
  EXPECT_EQ(Modbus(), Strings{"mb CloseSocket"});
  EXPECT_EQ(pane.StatusGrid().Text(MonitorStatusGrid::kValue, 0), "");
}

TEST_F(MonitorPage, ADoubleClickWhileMonitoringHighlightsTheEntrysRows) {
  SetEntries(Table::Words, {{1, 2, 0, 4}, {1, 3, 0x10, 4}});
  Open();
  CDeviceMonitorPane& pane = Pane(Table::Words);
  pane.OnStartMonitor(true);
  pane.StatusGrid().TakeScrollRequest();
  Grid(Table::Words).DoubleClick({kA, 1});
  EXPECT_EQ(pane.StatusGrid().TakeScrollRequest(), 2);
  pane.OnTimer();
  const auto back = [&](int row) { return pane.StatusGrid().Cell({kA, row}).backColour; };
  EXPECT_EQ(back(1), pages::FromColorRef(0xFFFFFF));
  EXPECT_EQ(back(2), pages::FromColorRef(0x4080FF));
  EXPECT_EQ(back(4), pages::FromColorRef(0x4080FF));
}

TEST_F(MonitorPage, ALogTakesEveryTickAndTheTrendTheSelectedRows) {
  SetEntries(Table::Bits, {{4, 2, 0x0010, 1}});
  Open();
  CDeviceMonitorPane& pane = Pane(Table::Bits);
  const std::string path = (dir / "bits.csv").string();
  ui.files = {(dir / "no" / "such" / "folder.csv").string(), path};
  pane.OnLogToCsv();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].rfind("Cannot open the log file", 0), 0u) << ui.messages[0];
  EXPECT_FALSE(pane.Ctl().logToCsv.checked);
  pane.OnLogToCsv();
  EXPECT_TRUE(pane.Ctl().logToCsv.checked);
  EXPECT_TRUE(pane.TrendPoints().empty());
  pane.OnStartMonitor(true);
  registers[0x2108] = 0x0001;
  registers[0x20FB] = 0x0001;
  pane.OnTimer();
  pane.OnTimer();
  pane.OnLogToCsv();  // the log ends
  pane.OnTimer();
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line.substr(line.find(',')));
  EXPECT_EQ(lines, (Strings{",4:100017,4:100018", ",1,", ",1,"}));
  pane.StatusGrid().Select({0, 1}, {3, 1});
  ASSERT_EQ(pane.TrendPoints().size(), 1u);
  EXPECT_EQ(pane.TrendPoints()[0].address, 0x0011);
  pane.StatusGrid().Select({0, 0}, {3, 5});  // rows 3 to 6 show no point
  EXPECT_EQ(pane.TrendPoints().size(), 2u);
}

TEST(MonitorClipboard, RecordsAreLittleEndianAndAShortEntryGivesItsWholeRecords) {
  const std::string data = EncodeClipboardRows({{2, 5, 0x1234, 4}, {0, 0, 0, 0}});
  EXPECT_EQ(data, std::string("\x02\x00\x00\x00\x05\x02\x34\x12\x04\x00"
                              "\x00\x00\x00\x00\x00\x00",
                              16));
  EXPECT_EQ(DecodeClipboardRows(data).front(), (MonitorEntry{2, 5, 0x1234, 4}));
  // A count of 1000 over one and a half records.
  EXPECT_EQ(DecodeClipboardRows(std::string("\xE8\x03\x00\x00", 4) + data.substr(4, 9)).size(), 1u);
  EXPECT_TRUE(DecodeClipboardRows("ab").empty());
}

TEST_F(MonitorPage, CopyCutAndDeleteTakeWholeRowsAndTheMenuOnlyWhileEditable) {
  SetEntries(Table::Bits, {{1, 2, 0, 0}, {3, 4, 0x20, 1}});
  Open();
  auto& g = Grid(Table::Bits);
  EXPECT_EQ(g.ContextMenu().size(), 2u);  // no Paste before a copy
  g.Select({kA, 0}, {kHex, 1});
  g.Command(GridCommand::Cut);
  EXPECT_EQ(g.Text(kAmount, 1), "");
  EXPECT_EQ(g.ContextMenu().size(), 3u);
  g.Select({kA, 5}, {kA, 5});
  g.Command(GridCommand::Paste);
  EXPECT_EQ(g.Text(kDec, 6), "100033");
  g.Select({kA, 6}, {kA, 6});
  g.Key(GridKey::Delete);
  EXPECT_EQ(g.Text(kDec, 6), "");
  EXPECT_EQ(Pane(Table::Bits).ChangeMask(), 0x80000000u);
  g.SetEditable(false);
  EXPECT_TRUE(g.ContextMenu().empty());
}

TEST(MonitorTabs, AddPageStopsAtSixteenAndSetCurrentPageAnswersTheOldIndex) {
  CTabSheet tabs;
  pages::PropertyPage pane("pane");
  for (int i = 0; i < 16; ++i) EXPECT_TRUE(tabs.AddPage("p", &pane));
  EXPECT_FALSE(tabs.AddPage("p", &pane));
  tabs.Show();
  EXPECT_EQ(tabs.SetCurrentPage(16), -1);
  EXPECT_EQ(tabs.SetCurrentPage(0), 0);
  EXPECT_EQ(tabs.SetCurrentPage(3), 0);
  EXPECT_EQ(tabs.Current(), 3);
}

}  // namespace
}  // namespace gw::monitor
