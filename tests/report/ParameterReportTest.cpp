// The parameter report against records written by hand at the block offsets.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>

#include "report/ParameterReport.h"
#include "support/Records.h"

namespace gw {
namespace {

using Rows = std::vector<std::vector<std::string>>;

const ReportSection* Section(const std::vector<ReportSection>& report, const std::string& title) {
  for (const auto& s : report) {
    if (s.title == title) return &s;
  }
  return nullptr;
}

// The value of an item, or "<missing>".
std::string Item(const std::vector<ReportSection>& report, const std::string& section,
                 const std::string& name) {
  const ReportSection* s = Section(report, section);
  if (!s) return "<missing section>";
  for (const auto& item : s->items) {
    if (item.name == name) return item.value;
  }
  return "<missing>";
}

// The rows of a table, or one "<missing>" row.
Rows Table(const std::vector<ReportSection>& report, const std::string& section,
           const std::string& title) {
  if (const ReportSection* s = Section(report, section)) {
    for (const auto& t : s->tables) {
      if (t.title == title) return t.rows;
    }
  }
  return {{"<missing>"}};
}

void PutText(Bytes field, std::string_view text) {
  std::memcpy(field.data(), text.data(), text.size());
}

// One field written big-endian (or a text) at an offset of a block; block -1
// is the header.
struct Put {
  Put(int b, std::size_t a, std::uint32_t v, int w = 2) : block(b), at(a), value(v), width(w) {}
  Put(int b, std::size_t a, std::string_view t) : block(b), at(a), text(t) {}
  void To(NodeRecord& record) const {
    const Bytes target = block < 0 ? record.Header() : record.Block(block);
    if (!text.empty()) {
      PutText(target.subspan(at), text);
    } else if (width == 4) {
      StoreBE32(target, at, value);
    } else if (width == 2) {
      StoreBE16(target, at, static_cast<std::uint16_t>(value));
    } else {
      target[at] = static_cast<std::uint8_t>(value);
    }
  }
  int block;
  std::size_t at;
  std::uint32_t value = 0;
  int width = 0;
  std::string_view text;
};

struct ItemCase {
  std::vector<Put> puts;
  const char* section;
  const char* name;
  std::string want;
  int firmware = 155;
};

TEST(ParameterReport, ItemsOfOneFieldEach) {
  const std::string full32(32, 'N');  // a full name has no terminating zero
  // Block 11: ComConfig at 12, BaudCodes at 14 (COM1 low byte, COM2 high byte).
  const ItemCase cases[] = {
      {{{-1, 0, 0xF200}}, "Overview", "Module", "NXG4120-T"},
      {{{-1, 10, 0x000AE901, 4}, {-1, 14, 0xB20F}}, "Overview", "MAC Address", "00:0A:E9:01:B2:0F"},
      {{{-1, 28, 300}}, "Overview", "Module Number", "300"},
      {{{-1, 32, 0x0203}}, "Overview", "Firmware Version", "2.03"},
      {{{0, 36, 0x0A00010C, 4}}, "Overview", "IP Address", "10.0.1.12"},
      {{{0, 4, "Pump hall"}}, "Overview", "Module Name", "Pump hall"},
      {{{11, 18, 0x0802}}, "Overview", "DI / DO Point", "8 / 2"},
      {{{-1, 18, 1}}, "Overview", "Lock State", "Locked"},
      {{{-1, 18, 2}}, "Security", "Lock State", "Unlocked"},
      {{}, "Security", "Lock State", "Unlocked"},
      {{}, "Overview", "Warning", "<missing>"},
      {{{-1, 8, 0xC003}},
       "Overview",
       "Warning",
       "The network connection is working.\nModifying any parameter may cause connection "
       "terminated!!"},
      {{{-1, 8, 0x8005}},
       "Overview",
       "Warning",
       "Modification has failed. There are other users modidying the module now"},
      // The protocol bits by priority: 11 over 15 over 9.
      {{{11, 12, 0x0000}}, "Basic", "COM Protocol Setup", "Modbus COM2 (RS-485)"},
      {{{11, 12, 0x0200}}, "Basic", "COM Protocol Setup", "Modbus COM1 (RS-232)"},
      {{{11, 12, 0x0800}}, "Basic", "COM Protocol Setup", "User Define COM1 (RS-232)"},
      {{{11, 12, 0x8000}}, "Basic", "COM Protocol Setup", "User Define COM2 (RS-485)"},
      {{{11, 12, 0x8800}}, "Basic", "COM Protocol Setup", "User Define COM1 (RS-232)"},
      {{{11, 12, 0x8200}}, "Basic", "COM Protocol Setup", "User Define COM2 (RS-485)"},
      {{}, "Basic", "Data Length", "7"},
      {{}, "Basic", "Parity", "None"},
      {{}, "Basic", "Stop Bits", "1"},
      {{}, "Basic", "Mode", "ASCII"},
      {{{11, 12, 0x0109}}, "Basic", "Data Length", "8"},
      {{{11, 12, 0x0109}}, "Basic", "Stop Bits", "2"},
      {{{11, 12, 0x0109}}, "Basic", "Mode", "RTU"},
      // The parity field (bits 1-2) maps 0, 1, 3 to the list; 2 has no entry.
      {{{11, 12, 0x0002}}, "Basic", "Parity", "Odd"},
      {{{11, 12, 0x0006}}, "Basic", "Parity", "Even"},
      {{{11, 12, 0x0004}}, "Basic", "Parity", "unknown (2)"},
      // Bit 13 means Serial Device Server only above firmware 1.54.
      {{}, "Basic", "Master Configuration", "Serial Master", 154},
      {{}, "Basic", "Master Configuration", "Serial Master"},
      {{{11, 12, 0x0400}}, "Basic", "Master Configuration", "Serial Slave", 154},
      {{{11, 12, 0x0400}}, "Basic", "Master Configuration", "Serial Slave"},
      {{{11, 12, 0x2000}}, "Basic", "Master Configuration", "Serial Master", 154},
      {{{11, 12, 0x2000}}, "Basic", "Master Configuration", "Serial Device Server"},
      {{{11, 12, 0x2400}}, "Basic", "Master Configuration", "Serial Slave", 154},
      {{{11, 12, 0x2400}}, "Basic", "Master Configuration", "unknown (3)"},
      // The baud rate of the selected port: COM1 code 8 (9600), COM2 code 12.
      {{{11, 12, 0x0200}, {11, 14, 0x0C08}}, "Basic", "Baudrate", "9600"},
      {{{11, 12, 0x0000}, {11, 14, 0x0C08}}, "Basic", "Baudrate", "115200"},
      {{{11, 12, 0x0800}, {11, 14, 0x0C08}}, "Basic", "Baudrate", "9600"},
      {{{11, 12, 0x8000}, {11, 14, 0x0C08}}, "Basic", "Baudrate", "115200"},
      {{{11, 12, 0x0B07}, {11, 14, 0x0309}}, "Basic", "Baudrate", "19200"},
      {{{11, 14, 0x0000}}, "Basic", "Baudrate", "unknown (0)"},
      {{{11, 12, 0x0200}, {11, 14, 0x0C08}}, "Basic", "Baudrate COM2 (RS-485)", "115200"},
      {{{11, 14, 0x0D01}}, "Basic", "Baudrate COM1 (RS-232)", "110"},
      {{{11, 14, 0x0D01}}, "Basic", "Baudrate COM2 (RS-485)", "unknown (13)"},
      {{{0, 58, 1}}, "Basic", "IP Configuration", "DHCP"},
      {{{0, 36, 0xC0A80164, 4}}, "Basic", "IP Address", "192.168.1.100"},
      {{{0, 40, 0xFFFFFF00, 4}}, "Basic", "Netmask", "255.255.255.0"},
      {{{0, 44, 0xC0A80101, 4}}, "Basic", "Gateway", "192.168.1.1"},
      {{{11, 16, 247}}, "Basic", "Station Address", "247"},
      {{{11, 26, 65535}}, "Basic", "Modbus Timeout (ms)", "65535"},
      {{{11, 28, 0x1234}}, "Basic", "Delay Time (ms)", "4660"},
      {{{11, 30, 5}}, "Basic", "Keep Alive Time (s)", "5"},
      {{{0, 62, 1}}, "Basic", "Enable IPv6", "<missing>", 154},
      {{{0, 62, 1}}, "Basic", "IPv6 Address", "<missing>", 154},
      {{{0, 62, 1}}, "Basic", "Enable IPv6", "Yes"},
      {{{0, 64, 0x20010DB8, 4}, {0, 76, 0xFE0A0001, 4}},
       "Basic",
       "IPv6 Address",
       "2001:0DB8:0000:0000:0000:0000:FE0A:0001"},
      {{{0, 4, full32.c_str()}}, "Basic", "Module Name", full32},
      {{{0, 4, 0x1B5CE900, 4}}, "Basic", "Module Name", "\\x1B\\\\\\xE9"},
      {{{4, 4, 1, 1}}, "NTP", "Enable Time Server", "Yes"},
      {{{4, 4, 1, 1}}, "NTP", "Start Daylight Saving Time", "No"},
      {{{4, 5, 1, 1}}, "NTP", "Start Daylight Saving Time", "Yes"},
      {{{4, 8, 0x0A000001, 4}}, "NTP", "Time Server", "10.0.0.1"},
      {{{4, 12, 1434371445, 4}}, "NTP", "Module Clock", "2015-06-15 12:30:45 Monday"},
      // A leap day, with the page's own week day name.
      {{{4, 12, 1709251199, 4}}, "NTP", "Module Clock", "2024-02-29 23:59:59 Thrisday"},
      {{{4, 12, 0xFFFFFFFF, 4}}, "NTP", "Module Clock", "2106-02-07 06:28:15 Sunday"},
      {{}, "NTP", "Module Clock", "Time error"},
      {{{4, 6, 24}}, "NTP", "Time Zone", "(GMT) Casablanca, Monrovia"},
      {{}, "NTP", "Time Zone", "(GMT-12:00) Eniwetok, Kwajalein"},
      {{{4, 6, 40}}, "NTP", "Time Zone", "(GMT+03:00) Nairobi"},
      {{{4, 6, 48}}, "NTP", "Time Zone", "(GMT+05:45) Kathmandu"},
      {{{4, 6, 74}}, "NTP", "Time Zone", "unknown (74)"},
      {{{4, 16, 0xFFFFF1F0, 4}}, "NTP", "Time Zone Offset", "GMT-01:00 (-3600 s)"},
      {{{4, 16, 20700, 4}}, "NTP", "Time Zone Offset", "GMT+05:45 (20700 s)"},
      {{{4, 16, 0x80000000, 4}}, "NTP", "Time Zone Offset", "-2147483648 s"},
      {{{6, 4, 1}}, "IP Filter", "Enable IP Filter", "Yes"},
      // One password character is enough to count as set.
      {{{0, 51, 'x', 1}}, "Security", "Password", "set"},
      {{}, "Security", "Password", "not set"},
      // Values outside their lists.
      {{{-1, 0, 0x1234}}, "Overview", "Module", "unknown (4660)"},
      {{{-1, 18, 9}}, "Overview", "Lock State", "unknown (9)"},
      {{{0, 58, 2}}, "Basic", "IP Configuration", "unknown (2)"},
      {{{0, 62, 7}}, "Basic", "Enable IPv6", "unknown (7)"},
      {{{4, 4, 2, 1}}, "NTP", "Enable Time Server", "unknown (2)"},
      {{{6, 4, 0xFFFF}}, "IP Filter", "Enable IP Filter", "unknown (65535)"},
  };
  for (const ItemCase& c : cases) {
    SCOPED_TRACE(std::string(c.section) + " / " + c.name + " = " + c.want);
    NodeRecord record;
    for (const Put& p : c.puts) p.To(record);
    EXPECT_EQ(Item(DescribeNode(record, c.firmware), c.section, c.name), c.want);
  }
}

TEST(ParameterReport, SectionsComeInTheSheetsTabOrderAndNeverShowThePassword) {
  NodeRecord record;
  PutText(record.Block(0).subspan(48, 4), "Qz7#");
  PutText(record.Header().subspan(20, 4), "Qz7#");  // LoginKey
  const auto report = DescribeNode(record, 155);
  std::vector<std::string> titles;
  for (const auto& s : report) titles.push_back(s.title);
  EXPECT_EQ(titles,
            (std::vector<std::string>{"Overview", "Basic", "Mail", "NTP", "Monitor", "Slave Mode",
                                      "IP Filter", "User Define", "Security"}));
  EXPECT_EQ(Item(report, "Security", "Password"), "set");
  EXPECT_EQ(FormatReportText(report).find("Qz7"), std::string::npos);
}

TEST(ParameterReport, MailAlarmsAndRecipients) {
  NodeRecord record;
  const auto mail = record.Block(1);
  StoreBE32(mail, 4, 0xC0A80002);
  PutText(mail.subspan(8, 64), "gw@plant.example");
  PutText(mail.subspan(200, 64), "Pressure low");
  StoreBE16(mail, 330, 0x0005);  // alarm 1: recipients 1 and 3
  StoreBE16(mail, 334, 0x0204);  // alarm 3: recipients 3 and 10
  const auto addresses = record.Block(2);
  PutText(addresses.subspan(4, 64), "one@x");
  PutText(addresses.subspan(4 + 64 * 2, 64), "three@x");
  PutText(addresses.subspan(4 + 64 * 9, 64), "ten@x");
  StoreBE16(record.Block(10), 4, 0x8005);  // enabled, recipient chosen, rising
  StoreBE16(record.Block(10), 8, 0x0004);  // disabled, falling

  const auto report = DescribeNode(record, 155);
  EXPECT_EQ(Item(report, "Mail", "SMTP Server"), "192.168.0.2");
  EXPECT_EQ(Item(report, "Mail", "Mail From"), "gw@plant.example");
  EXPECT_EQ(Table(report, "Mail", "Alarms"), (Rows{{"Alarm-1, X0", "Yes", "rising", ""},
                                                   {"Alarm-2, X1", "No", "falling", "Pressure low"},
                                                   {"Alarm-3, X2", "No", "falling", ""}}));
  EXPECT_EQ(Table(report, "Mail", "Recipient E-mail Address"),
            (Rows{{"1", "Yes", "No", "No", "one@x"},
                  {"3", "Yes", "No", "Yes", "three@x"},
                  {"10", "No", "No", "Yes", "ten@x"}}));
}

TEST(ParameterReport, MonitorSlaveModeAndIpFilterTables) {
  NodeRecord record;
  const auto mon = record.Block(44);
  // Bit entry 1: station 1, amount 5, address 0x0010, type 1 (input).
  StoreBE16(mon, 6, 0x0501);
  StoreBE16(mon, 8, 0x0010);
  mon[808] = 1;
  // Bit entry 2 empty; entry 3: station 255, amount 100, address 0xFFFF, type 0.
  StoreBE16(mon, 6 + 8, 0x64FF);
  StoreBE16(mon, 6 + 10, 0xFFFF);
  // Word entry 1: station 2, amount 10, address 0, holding register; entry 2
  // with a type digit no word table has.
  StoreBE16(mon, 408, 0x0A02);
  mon[908] = 4;
  StoreBE16(mon, 412, 0x0103);
  StoreBE16(mon, 414, 0x00FF);
  mon[909] = 7;
  // Relay addresses are stored last octet first; an address without a
  // station is not a row.
  const auto relay = record.Block(9);
  relay[4] = 5;
  StoreBE32(relay, 104, 0x0A01A8C0);  // 192.168.1.10
  StoreBE32(relay, 108, 0x01020304);
  relay[4 + 99] = 247;
  StoreBE32(record.Block(6), 8 + 4 * 2, 0xC0A80A00);   // filter address of entry 3
  StoreBE32(record.Block(6), 40 + 4 * 2, 0xFFFFFF00);  // its netmask

  const auto report = DescribeNode(record, 155);
  EXPECT_EQ(Table(report, "Monitor", "Bit Device"),
            (Rows{{"1", "1", "0010", "100017", "5", "input"},
                  {"3", "255", "FFFF", "065536", "100", "coil"}}));
  EXPECT_EQ(Table(report, "Monitor", "Word Device"),
            (Rows{{"1", "2", "0000", "400001", "10", "holding register"},
                  {"2", "3", "00FF", "700256", "1", "unknown (7)"}}));
  EXPECT_EQ(Table(report, "Slave Mode", "Serial Slave Mode"),
            (Rows{{"1", "5", "192.168.1.10"}, {"100", "247", "0.0.0.0"}}));
  const Rows filter = Table(report, "IP Filter", "IP Filter Setup");
  ASSERT_EQ(filter.size(), 8u);
  EXPECT_EQ(filter[2], (std::vector<std::string>{"3", "192.168.10.0", "255.255.255.0"}));
  EXPECT_EQ(filter[7], (std::vector<std::string>{"8", "0.0.0.0", "0.0.0.0"}));
}

TEST(ParameterReport, UserDefinePorts) {
  NodeRecord record;
  StoreBE16(record.Block(11), 12, 0x8000);  // User Define COM2
  const auto com1 = record.Block(13).subspan(4, 40);
  const auto com2 = record.Block(13).subspan(44, 40);
  StoreBE16(com1, 6, 5000);
  StoreBE32(com2, 0, 0xC0A80132);
  StoreBE16(com2, 4, 502);
  StoreBE16(com2, 8, 256);
  com2[12] = 2;
  com2[13] = 0x7E;
  com2[14] = 0x0D;
  com2[20] = 4;     // no such list entry
  com2[36] = 0x05;  // fix length and start item on
  com1[12] = 1;
  com1[20] = 3;
  com1[21] = 0x03;

  auto report = DescribeNode(record, 155);
  EXPECT_EQ(Item(report, "User Define", "User Define Port"), "COM2 (RS-485)");
  EXPECT_EQ(Table(report, "User Define", "Ports"),
            (Rows{{"Listen Port", "5000", "0"},
                  {"Destination IP", "0.0.0.0", "192.168.1.50"},
                  {"Destination Port", "0", "502"},
                  {"Fix Length", "No", "Yes"},
                  {"Fix Length (Bytes)", "0", "256"},
                  {"Start Item", "No", "Yes"},
                  {"Start Item (Bytes)", "1", "2"},
                  {"Start Char (Hex.)", "00 00 00", "7E 0D 00"},
                  {"Stop Item", "No", "No"},
                  {"Stop Item (Bytes)", "3", "unknown (4)"},
                  {"Stop Char (Hex.)", "03 00 00", "00 00 00"}}));

  StoreBE16(record.Block(11), 12, 0x0200);
  EXPECT_EQ(Item(DescribeNode(record, 155), "User Define", "User Define Port"), "none");
}

TEST(ParameterReport, AnyRecordGivesWellFormedReport) {
  NodeRecord record;
  for (std::uint32_t seed = 1; seed <= 50; ++seed) {
    test::FillRandom(record, seed);
    for (int firmware : {154, 155}) {
      const auto report = DescribeNode(record, firmware);
      ASSERT_EQ(report.size(), 9u);
      for (const auto& section : report) {
        for (const auto& table : section.tables) {
          for (const auto& row : table.rows) {
            ASSERT_EQ(row.size(), table.columns.size()) << section.title << " / " << table.title;
          }
        }
      }
      // Printable ASCII and line breaks only, whatever the bytes were.
      for (char c : FormatReportText(report)) {
        ASSERT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << "seed " << seed;
      }
    }
  }
}

TEST(ParameterReportText, AlignsValuesAndColumns) {
  const std::vector<ReportSection> sections = {
      {"Basic",
       {{"Mode", "RTU"}, {"Station Address", "1"}, {"Note", "first\nsecond"}, {"Empty", ""}},
       {{"Ports", {"#", "Name", "Value"}, {{"1", "a", "x"}, {"10", "longer name", ""}}}}},
      {"Slave Mode", {}, {{"Serial Slave Mode", {"#", "Station Address"}, {}}}},
  };
  EXPECT_EQ(FormatReportText(sections),
            "Basic\n"
            "=====\n"
            "  Mode:            RTU\n"
            "  Station Address: 1\n"
            "  Note:            first\n"
            "                   second\n"
            "  Empty:\n"
            "\n"
            "  Ports\n"
            "    #   Name         Value\n"
            "    --  -----------  -----\n"
            "    1   a            x\n"
            "    10  longer name\n"
            "\n"
            "Slave Mode\n"
            "==========\n"
            "  Serial Slave Mode\n"
            "    #  Station Address\n"
            "    -  ---------------\n"
            "    (none)\n");
}

}  // namespace
}  // namespace gw
