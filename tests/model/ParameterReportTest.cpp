// The parameter report against records written by hand at the block offsets.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/ParameterReport.h"
#include "support/Records.h"

namespace gw {
namespace {

constexpr int kFirmware154 = 154;
constexpr int kFirmware155 = 155;

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

const ReportTable* Table(const std::vector<ReportSection>& report, const std::string& section,
                         const std::string& title) {
  const ReportSection* s = Section(report, section);
  if (!s) return nullptr;
  for (const auto& t : s->tables) {
    if (t.title == title) return &t;
  }
  return nullptr;
}

void PutText(Bytes field, const char* text) { std::memcpy(field.data(), text, std::strlen(text)); }

class ParameterReportTest : public ::testing::Test {
 protected:
  // SerialBlock (block 11): ComConfig at 12, BaudCodes at 14.
  void SetSerial(std::uint16_t comConfig, std::uint16_t baudCodes = 0x0101) {
    StoreBE16(record.Block(11), 12, comConfig);
    StoreBE16(record.Block(11), 14, baudCodes);
  }
  std::string Basic(const std::string& name, int firmware = kFirmware155) {
    return Item(DescribeNode(record, firmware), "Basic", name);
  }

  NodeRecord record;
};

TEST_F(ParameterReportTest, SectionsComeInTheSheetsTabOrder) {
  const auto report = DescribeNode(record, kFirmware155);
  std::vector<std::string> titles;
  for (const auto& s : report) titles.push_back(s.title);
  EXPECT_EQ(titles,
            (std::vector<std::string>{"Overview", "Basic", "Mail", "NTP", "Monitor", "Slave Mode",
                                      "IP Filter", "User Define", "Security"}));
}

TEST_F(ParameterReportTest, OverviewShowsTheModulesIdentity) {
  const auto header = record.Header();
  StoreBE16(header, 0, 0xF200);
  const std::uint8_t mac[6] = {0x00, 0x0A, 0xE9, 0x01, 0xB2, 0x0F};
  std::memcpy(header.data() + 10, mac, sizeof mac);
  StoreBE16(header, 18, 1);       // LockState
  StoreBE16(header, 28, 300);     // ModuleNumber
  StoreBE16(header, 32, 0x0203);  // FirmwareVersion
  StoreBE32(record.Block(0), 36, 0x0A00010C);
  PutText(record.Block(0).subspan(4, 32), "Pump hall");
  StoreBE16(record.Block(11), 18, 0x0802);  // DiDoPoints

  const auto report = DescribeNode(record, 203);
  EXPECT_EQ(Item(report, "Overview", "Module"), "NXG4120-T");
  EXPECT_EQ(Item(report, "Overview", "MAC Address"), "00:0A:E9:01:B2:0F");
  EXPECT_EQ(Item(report, "Overview", "Module Number"), "300");
  EXPECT_EQ(Item(report, "Overview", "Firmware Version"), "2.03");
  EXPECT_EQ(Item(report, "Overview", "IP Address"), "10.0.1.12");
  EXPECT_EQ(Item(report, "Overview", "Module Name"), "Pump hall");
  EXPECT_EQ(Item(report, "Overview", "DI / DO Point"), "8 / 2");
  EXPECT_EQ(Item(report, "Overview", "Lock State"), "Locked");
  EXPECT_EQ(Item(report, "Overview", "Warning"), "<missing>");

  StoreBE16(header, 8, 0xC003);  // reply code: a connection is active
  EXPECT_EQ(Item(DescribeNode(record, 203), "Overview", "Warning"),
            "The network connection is working.\nModifying any parameter may cause connection "
            "terminated!!");
  StoreBE16(header, 8, 0x8005);
  EXPECT_EQ(Item(DescribeNode(record, 203), "Overview", "Warning"),
            "Modification has failed. There are other users modidying the module now");
}

TEST_F(ParameterReportTest, ComProtocolFollowsTheBitPriority) {
  const std::pair<std::uint16_t, const char*> cases[] = {
      {0x0000, "Modbus COM2 (RS-485)"},      {0x0200, "Modbus COM1 (RS-232)"},
      {0x0800, "User Define COM1 (RS-232)"}, {0x8000, "User Define COM2 (RS-485)"},
      {0x8800, "User Define COM1 (RS-232)"},  // bit 11 wins over bit 15
      {0x8200, "User Define COM2 (RS-485)"},  // bit 15 wins over bit 9
  };
  for (auto [config, text] : cases) {
    SetSerial(config);
    EXPECT_EQ(Basic("COM Protocol Setup"), text) << std::hex << config;
  }
}

TEST_F(ParameterReportTest, FramingBitsOfComConfig) {
  SetSerial(0x0000);
  EXPECT_EQ(Basic("Data Length"), "7");
  EXPECT_EQ(Basic("Parity"), "None");
  EXPECT_EQ(Basic("Stop Bits"), "1");
  EXPECT_EQ(Basic("Mode"), "ASCII");

  SetSerial(0x0109);  // bits 0, 3, 8
  EXPECT_EQ(Basic("Data Length"), "8");
  EXPECT_EQ(Basic("Stop Bits"), "2");
  EXPECT_EQ(Basic("Mode"), "RTU");

  // The parity field (bits 1-2) maps 0, 1, 3 to the list; 2 has no entry.
  SetSerial(0x0002);
  EXPECT_EQ(Basic("Parity"), "Odd");
  SetSerial(0x0006);
  EXPECT_EQ(Basic("Parity"), "Even");
  SetSerial(0x0004);
  EXPECT_EQ(Basic("Parity"), "unknown (2)");
}

TEST_F(ParameterReportTest, MasterConfigurationDependsOnTheFirmware) {
  SetSerial(0x0000);
  EXPECT_EQ(Basic("Master Configuration", kFirmware154), "Serial Master");
  SetSerial(0x0400);
  EXPECT_EQ(Basic("Master Configuration", kFirmware154), "Serial Slave");
  EXPECT_EQ(Basic("Master Configuration", kFirmware155), "Serial Slave");

  // Bit 13 means Serial Device Server only above firmware 1.54.
  SetSerial(0x2000);
  EXPECT_EQ(Basic("Master Configuration", kFirmware154), "Serial Master");
  EXPECT_EQ(Basic("Master Configuration", kFirmware155), "Serial Device Server");

  // Both bits: the older firmware sees Serial Slave; the newer has no entry.
  SetSerial(0x2400);
  EXPECT_EQ(Basic("Master Configuration", kFirmware154), "Serial Slave");
  EXPECT_EQ(Basic("Master Configuration", kFirmware155), "unknown (3)");
}

TEST_F(ParameterReportTest, BaudrateIsThatOfTheSelectedPort) {
  // COM1 code 8 (9600) in the low byte, COM2 code 12 (115200) in the high byte.
  SetSerial(0x0200, 0x0C08);  // Modbus COM1
  EXPECT_EQ(Basic("Baudrate"), "9600");
  EXPECT_EQ(Basic("Baudrate COM1 (RS-232)"), "9600");
  EXPECT_EQ(Basic("Baudrate COM2 (RS-485)"), "115200");
  SetSerial(0x0000, 0x0C08);  // Modbus COM2
  EXPECT_EQ(Basic("Baudrate"), "115200");
  SetSerial(0x0800, 0x0C08);  // User Define COM1
  EXPECT_EQ(Basic("Baudrate"), "9600");
  SetSerial(0x8000, 0x0C08);  // User Define COM2
  EXPECT_EQ(Basic("Baudrate"), "115200");

  SetSerial(0x0000, 0x0D01);  // COM1 code 1, COM2 code 13
  EXPECT_EQ(Basic("Baudrate COM1 (RS-232)"), "110");
  EXPECT_EQ(Basic("Baudrate COM2 (RS-485)"), "unknown (13)");
  SetSerial(0x0000, 0x0000);
  EXPECT_EQ(Basic("Baudrate"), "unknown (0)");
}

TEST_F(ParameterReportTest, ComConfigWrittenAtItsPlaceInTheWholeRecord) {
  // Block 11 starts 1880 bytes into the record; ComConfig is its word at 12.
  StoreBE16(record.All(), 1880 + 12, 0x0B07);  // bits 0-2, 8, 9, 11
  StoreBE16(record.All(), 1880 + 14, 0x0309);
  EXPECT_EQ(Basic("COM Protocol Setup"), "User Define COM1 (RS-232)");
  EXPECT_EQ(Basic("Mode"), "RTU");
  EXPECT_EQ(Basic("Parity"), "Even");
  EXPECT_EQ(Basic("Data Length"), "8");
  EXPECT_EQ(Basic("Baudrate"), "19200");
}

TEST_F(ParameterReportTest, NetworkAndSerialNumbers) {
  const auto net = record.Block(0);
  StoreBE32(net, 36, 0xC0A80164);
  StoreBE32(net, 40, 0xFFFFFF00);
  StoreBE32(net, 44, 0xC0A80101);
  StoreBE16(net, 58, 1);
  const auto ser = record.Block(11);
  StoreBE16(ser, 16, 247);
  StoreBE16(ser, 26, 65535);
  StoreBE16(ser, 28, 0);
  StoreBE16(ser, 30, 5);
  const auto report = DescribeNode(record, kFirmware155);
  EXPECT_EQ(Item(report, "Basic", "IP Configuration"), "DHCP");
  EXPECT_EQ(Item(report, "Basic", "IP Address"), "192.168.1.100");
  EXPECT_EQ(Item(report, "Basic", "Netmask"), "255.255.255.0");
  EXPECT_EQ(Item(report, "Basic", "Gateway"), "192.168.1.1");
  EXPECT_EQ(Item(report, "Basic", "Station Address"), "247");
  EXPECT_EQ(Item(report, "Basic", "Modbus Timeout (ms)"), "65535");
  EXPECT_EQ(Item(report, "Basic", "Delay Time (ms)"), "0");
  EXPECT_EQ(Item(report, "Basic", "Keep Alive Time (s)"), "5");
}

TEST_F(ParameterReportTest, Ipv6OnlyAboveFirmware154) {
  const auto net = record.Block(0);
  StoreBE16(net, 62, 1);
  const std::uint8_t v6[16] = {0x20, 0x01, 0x0d, 0xb8, 0, 0, 0, 0, 0, 0, 0, 0, 0xfe, 0x0a, 0, 1};
  std::memcpy(net.data() + 64, v6, sizeof v6);

  EXPECT_EQ(Basic("Enable IPv6", kFirmware154), "<missing>");
  EXPECT_EQ(Basic("IPv6 Address", kFirmware154), "<missing>");
  EXPECT_EQ(Basic("Enable IPv6", kFirmware155), "Yes");
  EXPECT_EQ(Basic("IPv6 Address", kFirmware155), "2001:0DB8:0000:0000:0000:0000:FE0A:0001");
}

TEST_F(ParameterReportTest, ClockAndTimeZone) {
  const auto clock = record.Block(4);
  auto ntp = [&](const std::string& name) {
    return Item(DescribeNode(record, kFirmware155), "NTP", name);
  };
  clock[4] = 1;
  StoreBE32(clock, 8, 0x0A000001);
  StoreBE32(clock, 12, 1434371445);
  EXPECT_EQ(ntp("Enable Time Server"), "Yes");
  EXPECT_EQ(ntp("Start Daylight Saving Time"), "No");
  EXPECT_EQ(ntp("Time Server"), "10.0.0.1");
  EXPECT_EQ(ntp("Module Clock"), "2015-06-15 12:30:45 Monday");
  StoreBE32(clock, 12, 1709251199);  // leap day, with the page's own week day name
  EXPECT_EQ(ntp("Module Clock"), "2024-02-29 23:59:59 Thrisday");
  StoreBE32(clock, 12, 0xFFFFFFFF);
  EXPECT_EQ(ntp("Module Clock"), "2106-02-07 06:28:15 Sunday");
  StoreBE32(clock, 12, 0);
  EXPECT_EQ(ntp("Module Clock"), "Time error");

  StoreBE16(clock, 6, 24);
  StoreBE32(clock, 16, static_cast<std::uint32_t>(-3600));
  EXPECT_EQ(ntp("Time Zone"), "(GMT) Casablanca, Monrovia");
  EXPECT_EQ(ntp("Time Zone Offset"), "GMT-01:00 (-3600 s)");
  StoreBE16(clock, 6, 0);
  EXPECT_EQ(ntp("Time Zone"), "(GMT-12:00) Eniwetok, Kwajalein");
  StoreBE16(clock, 6, 40);
  StoreBE32(clock, 16, 20700);
  EXPECT_EQ(ntp("Time Zone"), "entry 40");
  EXPECT_EQ(ntp("Time Zone Offset"), "GMT+05:45 (20700 s)");
  StoreBE16(clock, 6, 74);
  StoreBE32(clock, 16, 0x80000000);
  EXPECT_EQ(ntp("Time Zone"), "unknown (74)");
  EXPECT_EQ(ntp("Time Zone Offset"), "-2147483648 s");
}

TEST_F(ParameterReportTest, MailAlarmsAndRecipients) {
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

  const auto report = DescribeNode(record, kFirmware155);
  EXPECT_EQ(Item(report, "Mail", "SMTP Server"), "192.168.0.2");
  EXPECT_EQ(Item(report, "Mail", "Mail From"), "gw@plant.example");
  const ReportTable* alarms = Table(report, "Mail", "Alarms");
  ASSERT_NE(alarms, nullptr);
  EXPECT_EQ(alarms->rows,
            (std::vector<std::vector<std::string>>{{"Alarm-1, X0", "Yes", "rising", ""},
                                                   {"Alarm-2, X1", "No", "falling", "Pressure low"},
                                                   {"Alarm-3, X2", "No", "falling", ""}}));
  const ReportTable* recipients = Table(report, "Mail", "Recipient E-mail Address");
  ASSERT_NE(recipients, nullptr);
  EXPECT_EQ(recipients->rows,
            (std::vector<std::vector<std::string>>{{"1", "Yes", "No", "No", "one@x"},
                                                   {"3", "Yes", "No", "Yes", "three@x"},
                                                   {"10", "No", "No", "Yes", "ten@x"}}));
}

TEST_F(ParameterReportTest, MonitorTablesAsTheGridsShowThem) {
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

  const auto report = DescribeNode(record, kFirmware155);
  const ReportTable* bits = Table(report, "Monitor", "Bit Device");
  ASSERT_NE(bits, nullptr);
  EXPECT_EQ(bits->rows,
            (std::vector<std::vector<std::string>>{{"1", "1", "0010", "100017", "5", "input"},
                                                   {"3", "255", "FFFF", "065536", "100", "coil"}}));
  const ReportTable* words = Table(report, "Monitor", "Word Device");
  ASSERT_NE(words, nullptr);
  EXPECT_EQ(words->rows, (std::vector<std::vector<std::string>>{
                             {"1", "2", "0000", "400001", "10", "holding register"},
                             {"2", "3", "00FF", "700256", "1", "unknown (7)"}}));
}

TEST_F(ParameterReportTest, RelayAddressesAreStoredLastOctetFirst) {
  const auto relay = record.Block(9);
  relay[4] = 5;                                          // RelayStation entry 0
  const std::uint8_t ip0[4] = {0x0A, 0x01, 0xA8, 0xC0};  // 192.168.1.10
  std::memcpy(relay.data() + 104, ip0, 4);
  // Entry 1 has an address but no station: not a row.
  const std::uint8_t ip1[4] = {1, 2, 3, 4};
  std::memcpy(relay.data() + 108, ip1, 4);
  relay[4 + 99] = 247;  // the last entry, without an address
  const auto report = DescribeNode(record, kFirmware155);
  const ReportTable* table = Table(report, "Slave Mode", "Serial Slave Mode");
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rows, (std::vector<std::vector<std::string>>{{"1", "5", "192.168.1.10"},
                                                                {"100", "247", "0.0.0.0"}}));
}

TEST_F(ParameterReportTest, IpFilterPairs) {
  const auto filter = record.Block(6);
  StoreBE16(filter, 4, 1);
  StoreBE32(filter, 8 + 4 * 2, 0xC0A80A00);   // address of entry 3
  StoreBE32(filter, 40 + 4 * 2, 0xFFFFFF00);  // its netmask
  const auto report = DescribeNode(record, kFirmware155);
  EXPECT_EQ(Item(report, "IP Filter", "Enable IP Filter"), "Yes");
  const ReportTable* table = Table(report, "IP Filter", "IP Filter Setup");
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->rows.size(), 8u);
  EXPECT_EQ(table->rows[2], (std::vector<std::string>{"3", "192.168.10.0", "255.255.255.0"}));
  EXPECT_EQ(table->rows[7], (std::vector<std::string>{"8", "0.0.0.0", "0.0.0.0"}));
}

TEST_F(ParameterReportTest, UserDefinePorts) {
  SetSerial(0x8000);  // User Define COM2
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

  const auto report = DescribeNode(record, kFirmware155);
  EXPECT_EQ(Item(report, "User Define", "User Define Port"), "COM2 (RS-485)");
  const ReportTable* t = Table(report, "User Define", "Ports");
  ASSERT_NE(t, nullptr);
  auto row = [&](const std::string& field) {
    for (const auto& r : t->rows) {
      if (r[0] == field) return std::vector<std::string>(r.begin() + 1, r.end());
    }
    return std::vector<std::string>{"<missing>"};
  };
  using Cells = std::vector<std::string>;
  EXPECT_EQ(row("Listen Port"), (Cells{"5000", "0"}));
  EXPECT_EQ(row("Destination IP"), (Cells{"0.0.0.0", "192.168.1.50"}));
  EXPECT_EQ(row("Destination Port"), (Cells{"0", "502"}));
  EXPECT_EQ(row("Fix Length"), (Cells{"No", "Yes"}));
  EXPECT_EQ(row("Fix Length (Bytes)"), (Cells{"0", "256"}));
  EXPECT_EQ(row("Start Item"), (Cells{"No", "Yes"}));
  EXPECT_EQ(row("Start Item (Bytes)"), (Cells{"1", "2"}));
  EXPECT_EQ(row("Start Char (Hex.)"), (Cells{"00 00 00", "7E 0D 00"}));
  EXPECT_EQ(row("Stop Item"), (Cells{"No", "No"}));
  EXPECT_EQ(row("Stop Item (Bytes)"), (Cells{"3", "unknown (4)"}));

  SetSerial(0x0200);
  EXPECT_EQ(Item(DescribeNode(record, kFirmware155), "User Define", "User Define Port"), "none");
}

TEST_F(ParameterReportTest, ValuesOutsideTheirListsReadUnknown) {
  StoreBE16(record.Header(), 0, 0x1234);  // module type
  StoreBE16(record.Header(), 18, 9);      // LockState
  StoreBE16(record.Block(0), 58, 2);      // IpConfiguration
  StoreBE16(record.Block(0), 62, 7);      // Ipv6Enable
  record.Block(4)[4] = 2;                 // TimeServerEnable
  StoreBE16(record.Block(6), 4, 0xFFFF);  // FilterEnable
  const auto report = DescribeNode(record, kFirmware155);
  EXPECT_EQ(Item(report, "Overview", "Module"), "unknown (4660)");
  EXPECT_EQ(Item(report, "Overview", "Lock State"), "unknown (9)");
  EXPECT_EQ(Item(report, "Basic", "IP Configuration"), "unknown (2)");
  EXPECT_EQ(Item(report, "Basic", "Enable IPv6"), "unknown (7)");
  EXPECT_EQ(Item(report, "NTP", "Enable Time Server"), "unknown (2)");
  EXPECT_EQ(Item(report, "IP Filter", "Enable IP Filter"), "unknown (65535)");
}

TEST_F(ParameterReportTest, AnyRecordGivesWellFormedReport) {
  for (std::uint32_t seed = 1; seed <= 50; ++seed) {
    test::FillRandom(record, seed);
    for (int firmware : {kFirmware154, kFirmware155}) {
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

TEST_F(ParameterReportTest, CharacterFieldsAreMadePrintable) {
  // A full 32-byte name has no terminating zero.
  const std::string full(32, 'N');
  PutText(record.Block(0).subspan(4, 32), full.c_str());
  EXPECT_EQ(Item(DescribeNode(record, kFirmware155), "Basic", "Module Name"), full);

  record.Block(0)[4] = 0x1B;
  record.Block(0)[5] = '\\';
  record.Block(0)[6] = 0xE9;
  record.Block(0)[7] = 0;
  EXPECT_EQ(Item(DescribeNode(record, kFirmware155), "Basic", "Module Name"), "\\x1B\\\\\\xE9");
}

TEST_F(ParameterReportTest, PasswordIsNeverShown) {
  PutText(record.Block(0).subspan(48, 4), "Qz7#");
  PutText(record.Header().subspan(20, 4), "Qz7#");  // LoginKey
  auto report = DescribeNode(record, kFirmware155);
  EXPECT_EQ(Item(report, "Security", "Password"), "set");
  EXPECT_EQ(FormatReportText(report).find("Qz7"), std::string::npos);

  // One character is enough to count as set.
  std::memset(record.Block(0).data() + 48, 0, 4);
  record.Block(0)[51] = 'x';
  EXPECT_EQ(Item(DescribeNode(record, kFirmware155), "Security", "Password"), "set");
  record.Block(0)[51] = 0;
  report = DescribeNode(record, kFirmware155);
  EXPECT_EQ(Item(report, "Security", "Password"), "not set");
  EXPECT_EQ(Item(report, "Security", "Lock State"), "Unlocked");
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
