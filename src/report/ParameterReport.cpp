#include "ParameterReport.h"

#include <algorithm>
#include <cstdio>

#include "ParameterReportTexts.h"
#include "link/RequestCodes.h"
#include "model/Texts.h"

namespace gw {
namespace {

using namespace report;

std::string Number(long long value) { return std::to_string(value); }

std::string Ip(ConstBytes block, std::size_t offset) { return Ipv4Text(LoadBE32(block, offset)); }

std::string Text(ConstBytes block, std::size_t offset, std::size_t size) {
  return PrintableText(block.subspan(offset, size));
}

std::uint16_t ComConfigOf(const NodeRecord& record) {
  return LoadBE16(record.Block(11), serial::ComConfig);
}

ReportSection Overview(const NodeRecord& record) {
  ReportSection s{"Overview", {}, {}};
  const std::uint16_t type = record.ModuleType();
  s.items.push_back({"Module", type == kModuleTypeNxg ? "NXG4120-T" : UnknownText(type)});
  s.items.push_back({"Module Name", Text(record.Block(0), net::ModuleName, net::kModuleNameSize)});
  s.items.push_back({"Module Number", Number(record.ModuleNumber())});
  s.items.push_back({"IP Address", Ipv4Text(record.IpAddress())});
  s.items.push_back({"MAC Address", MacText(record.Mac())});
  s.items.push_back({"Firmware Version", FirmwareText(record.FirmwareVersion())});
  s.items.push_back({"DI / DO Point", DiDoText(LoadBE16(record.Block(11), serial::DiDoPoints))});
  s.items.push_back({"Lock State", LockStateText(record.LockState())});
  // The warning the page gives when the sheet opens, from the last reply code.
  if (record.ReplyCode() == kReplyWriteRefused) {
    s.items.push_back({"Warning", text::kOtherUserModifying});
  } else if (record.ReplyCode() == kReplyReadOkConnected) {
    s.items.push_back({"Warning", text::kConnectionActive});
  }
  return s;
}

ReportSection Basic(const NodeRecord& record, int firmwareNumber) {
  ReportSection s{"Basic", {}, {}};
  const ConstBytes net = record.Block(0);
  const ConstBytes ser = record.Block(11);
  const std::uint16_t config = LoadBE16(ser, serial::ComConfig);
  const std::uint16_t baud = LoadBE16(ser, serial::BaudCodes);
  const ComProtocol protocol = ProtocolOf(config);

  s.items.push_back({"Module Name", Text(net, net::ModuleName, net::kModuleNameSize)});
  s.items.push_back({"Master Configuration", MasterText(config, firmwareNumber)});
  s.items.push_back({"IP Configuration", IpConfigurationText(LoadBE16(net, net::IpConfiguration))});
  s.items.push_back({"IP Address", Ip(net, net::IpAddress)});
  s.items.push_back({"Netmask", Ip(net, net::Netmask)});
  s.items.push_back({"Gateway", Ip(net, net::Gateway)});
  if (HasIpv6AndDeviceServer(firmwareNumber)) {
    s.items.push_back({"Enable IPv6", SwitchText(LoadBE16(net, net::Ipv6Enable))});
    s.items.push_back({"IPv6 Address", Ipv6Text(net.subspan(net::Ipv6Address, net::kIpv6Size))});
  }
  s.items.push_back({"COM Protocol Setup", ProtocolText(protocol)});
  s.items.push_back({"Baudrate", BaudText(BaudCode(baud, UsesCom1(protocol)))});
  s.items.push_back({"Baudrate COM1 (RS-232)", BaudText(BaudCode(baud, true))});
  s.items.push_back({"Baudrate COM2 (RS-485)", BaudText(BaudCode(baud, false))});
  s.items.push_back({"Data Length", DataLengthText(config)});
  s.items.push_back({"Parity", ParityText(config)});
  s.items.push_back({"Stop Bits", StopBitsText(config)});
  s.items.push_back({"Mode", ModeText(config)});
  s.items.push_back({"Station Address", Number(LoadBE16(ser, serial::StationAddress))});
  s.items.push_back({"Keep Alive Time (s)", Number(LoadBE16(ser, serial::KeepAliveTime))});
  s.items.push_back({"Modbus Timeout (ms)", Number(LoadBE16(ser, serial::ModbusTimeout))});
  s.items.push_back({"Delay Time (ms)", Number(LoadBE16(ser, serial::DelayTime))});
  return s;
}

ReportSection Mail(const NodeRecord& record) {
  ReportSection s{"Mail", {}, {}};
  const ConstBytes mailBlock = record.Block(1);
  const ConstBytes recipientBlock = record.Block(2);
  const ConstBytes alarmBlock = record.Block(10);

  s.items.push_back({"SMTP Server", Ip(mailBlock, mail::SmtpServer)});
  s.items.push_back({"Mail From", Text(mailBlock, mail::MailFrom, mail::kTextSize)});

  ReportTable alarms{"Alarms", {"Alarm", "Enabled", "Trigger", "Subject of Alarm"}, {}};
  static constexpr std::string_view kAlarmNames[alarm::kCount] = {"Alarm-1, X0", "Alarm-2, X1",
                                                                  "Alarm-3, X2"};
  for (std::size_t k = 0; k < alarm::kCount; ++k) {
    const std::uint16_t setting =
        LoadBE16(alarmBlock, alarm::AlarmSetting + sizeof(std::uint16_t) * k);
    alarms.rows.push_back(
        {std::string(kAlarmNames[k]), SwitchText((setting & alarm::kEnabled) ? 1 : 0),
         (setting & alarm::kRising) ? "rising" : "falling",
         Text(mailBlock, mail::AlarmSubjects + mail::kTextSize * k, mail::kTextSize)});
  }
  s.tables.push_back(std::move(alarms));

  // The recipient grid: a row without an address shows no marks, so only
  // rows with an address are listed.
  ReportTable recipients{
      "Recipient E-mail Address", {"#", "Alarm-1", "Alarm-2", "Alarm-3", "Mail Address"}, {}};
  for (std::size_t r = 0; r < recipients::kCount; ++r) {
    const std::string address =
        Text(recipientBlock, recipients::Addresses + recipients::kAddressSize * r,
             recipients::kAddressSize);
    if (address.empty()) continue;
    std::vector<std::string> row{Number(static_cast<long long>(r + 1))};
    for (std::size_t k = 0; k < alarm::kCount; ++k) {
      const std::uint16_t word =
          LoadBE16(mailBlock, mail::RecipientWords + sizeof(std::uint16_t) * k);
      row.push_back(SwitchText((word >> r) & 1u));
    }
    row.push_back(address);
    recipients.rows.push_back(std::move(row));
  }
  s.tables.push_back(std::move(recipients));
  return s;
}

ReportSection Ntp(const NodeRecord& record) {
  ReportSection s{"NTP", {}, {}};
  const ConstBytes b = record.Block(4);
  s.items.push_back({"Enable Time Server", SwitchText(b[clock::TimeServerEnable])});
  s.items.push_back({"Start Daylight Saving Time", SwitchText(b[clock::DaylightSaving])});
  s.items.push_back({"Time Server", Ip(b, clock::TimeServerIp)});
  s.items.push_back({"Time Zone", TimeZoneText(LoadBE16(b, clock::TimeZone))});
  s.items.push_back({"Time Zone Offset", TimeZoneOffsetText(static_cast<std::int32_t>(
                                             LoadBE32(b, clock::TimeZoneOffset)))});
  s.items.push_back({"Module Clock", ClockText(LoadBE32(b, clock::ClockTime))});
  return s;
}

// One monitor table as its address grid shows it; empty entries are left out.
ReportTable MonitorTable(ConstBytes b, std::string title, std::size_t entries, std::size_t types,
                         bool bits) {
  ReportTable t{std::move(title),
                {"#", "Station Address", "MODBUS (Hex)", "MODBUS (Dec)", "Amount", "Type"},
                {}};
  for (std::size_t k = 0; k < devmon::kEntries; ++k) {
    const std::size_t at = entries + devmon::kEntrySize * k;
    const std::uint16_t amountStation = LoadBE16(b, at + devmon::EntryAmountStation);
    const unsigned station = devmon::StationOf(amountStation);
    if (station == 0) continue;
    const unsigned address = LoadBE16(b, at + devmon::EntryAddress);
    const unsigned type = b[types + k];
    char hex[8];
    std::snprintf(hex, sizeof hex, "%04X", address);
    char dec[16];
    std::snprintf(dec, sizeof dec, "%1u%05u", type, address + 1);
    std::string meaning;
    if (bits && type == devmon::kTypeCoil)
      meaning = "coil";
    else if (bits && type == devmon::kTypeInput)
      meaning = "input";
    else if (!bits && type == devmon::kTypeInputRegister)
      meaning = "input register";
    else if (!bits && type == devmon::kTypeHoldingRegister)
      meaning = "holding register";
    else
      meaning = UnknownText(type);
    t.rows.push_back({Number(static_cast<long long>(k + 1)), Number(station), hex, dec,
                      Number(devmon::AmountOf(amountStation)), meaning});
  }
  return t;
}

ReportSection Monitor(const NodeRecord& record) {
  ReportSection s{"Monitor", {}, {}};
  const ConstBytes b = record.Block(44);
  s.tables.push_back(MonitorTable(b, "Bit Device", devmon::BitAddresses, devmon::BitTypes, true));
  s.tables.push_back(
      MonitorTable(b, "Word Device", devmon::WordAddresses, devmon::WordTypes, false));
  return s;
}

ReportSection SlaveMode(const NodeRecord& record) {
  ReportSection s{"Slave Mode", {}, {}};
  const ConstBytes b = record.Block(9);
  ReportTable t{"Serial Slave Mode", {"#", "Station Address", "Relay IP Address"}, {}};
  for (std::size_t k = 0; k < relay::kEntries; ++k) {
    const unsigned station = b[relay::RelayStation + k];
    if (station == 0) continue;
    t.rows.push_back(
        {Number(static_cast<long long>(k + 1)), Number(station),
         ReversedIpv4Text(b.subspan(relay::RelayIp + relay::kIpSize * k, relay::kIpSize))});
  }
  s.tables.push_back(std::move(t));
  return s;
}

ReportSection IpFilter(const NodeRecord& record) {
  ReportSection s{"IP Filter", {}, {}};
  const ConstBytes b = record.Block(6);
  s.items.push_back({"Enable IP Filter", SwitchText(LoadBE16(b, ipfilter::FilterEnable))});
  ReportTable t{"IP Filter Setup", {"#", "IP Address", "Subnet Netmask"}, {}};
  for (std::size_t k = 0; k < ipfilter::kEntries; ++k) {
    t.rows.push_back({Number(static_cast<long long>(k + 1)),
                      Ip(b, ipfilter::FilterAddress + sizeof(std::uint32_t) * k),
                      Ip(b, ipfilter::FilterNetmask + sizeof(std::uint32_t) * k)});
  }
  s.tables.push_back(std::move(t));
  return s;
}

std::string ItemCountText(std::uint8_t count) {
  return count >= 1 && count <= userdef::kItemChars ? Number(count) : UnknownText(count);
}

std::string ItemCharsText(ConstBytes chars) {
  std::string text;
  for (std::uint8_t c : chars) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02X", c);
    if (!text.empty()) text += ' ';
    text += hex;
  }
  return text;
}

ReportSection UserDefine(const NodeRecord& record) {
  ReportSection s{"User Define", {}, {}};
  const ConstBytes b = record.Block(13);
  const ComProtocol protocol = ProtocolOf(ComConfigOf(record));
  std::string port = "none";
  if (IsUserDefine(protocol)) port = UsesCom1(protocol) ? "COM1 (RS-232)" : "COM2 (RS-485)";
  s.items.push_back({"User Define Port", port});

  ReportTable t{"Ports", {"Field", "COM1 (RS-232)", "COM2 (RS-485)"}, {}};
  const ConstBytes ports[2] = {b.subspan(userdef::Com1, userdef::kEntrySize),
                               b.subspan(userdef::Com2, userdef::kEntrySize)};
  auto row = [&](std::string name, auto text) {
    t.rows.push_back({std::move(name), text(ports[0]), text(ports[1])});
  };
  auto on = [](ConstBytes e, std::uint8_t bit) {
    return SwitchText((e[userdef::FramingSwitches] & bit) ? 1 : 0);
  };
  row("Listen Port", [](ConstBytes e) { return Number(LoadBE16(e, userdef::ListenPort)); });
  row("Destination IP", [](ConstBytes e) { return Ip(e, userdef::DestinationIp); });
  row("Destination Port",
      [](ConstBytes e) { return Number(LoadBE16(e, userdef::DestinationPort)); });
  row("Fix Length", [&](ConstBytes e) { return on(e, userdef::kFixLengthOn); });
  row("Fix Length (Bytes)", [](ConstBytes e) { return Number(LoadBE16(e, userdef::FixLength)); });
  row("Start Item", [&](ConstBytes e) { return on(e, userdef::kStartItemOn); });
  row("Start Item (Bytes)", [](ConstBytes e) { return ItemCountText(e[userdef::StartCount]); });
  row("Start Char (Hex.)", [](ConstBytes e) {
    return ItemCharsText(e.subspan(userdef::StartChars, userdef::kItemChars));
  });
  row("Stop Item", [&](ConstBytes e) { return on(e, userdef::kStopItemOn); });
  row("Stop Item (Bytes)", [](ConstBytes e) { return ItemCountText(e[userdef::StopCount]); });
  row("Stop Char (Hex.)", [](ConstBytes e) {
    return ItemCharsText(e.subspan(userdef::StopChars, userdef::kItemChars));
  });
  s.tables.push_back(std::move(t));
  return s;
}

ReportSection Security(const NodeRecord& record) {
  ReportSection s{"Security", {}, {}};
  s.items.push_back({"Lock State", LockStateText(record.LockState())});
  // Only whether a password is set; its characters are never shown.
  const ConstBytes password = record.Block(0).subspan(net::Password, net::kPasswordSize);
  const bool set =
      std::any_of(password.begin(), password.end(), [](std::uint8_t c) { return c != 0; });
  s.items.push_back({"Password", set ? "set" : "not set"});
  return s;
}

}  // namespace

std::vector<ReportSection> DescribeNode(const NodeRecord& record, int firmwareNumber) {
  return {Overview(record), Basic(record, firmwareNumber),
          Mail(record),     Ntp(record),
          Monitor(record),  SlaveMode(record),
          IpFilter(record), UserDefine(record),
          Security(record)};
}

}  // namespace gw
