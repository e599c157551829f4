#include "ModuleDefaults.h"

#include <array>
#include <random>
#include <string>

namespace gw::sim {

namespace {

// Raw draws only: the distributions of the standard library differ between
// implementations, the engine does not.
class Draw {
 public:
  explicit Draw(const ModuleSetup& setup) {
    std::seed_seq seq{setup.seed, static_cast<std::uint32_t>(setup.index)};
    gen_.seed(seq);
  }
  std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>(gen_() % n); }
  bool Coin() { return Below(2) == 1; }

 private:
  std::mt19937 gen_;
};

std::uint32_t Ipv4(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
  return (std::uint32_t{a} << 24) | (std::uint32_t{b} << 16) | (std::uint32_t{c} << 8) | d;
}

void Text(Bytes block, std::size_t offset, std::size_t size, const std::string& text) {
  StoreText(block.subspan(offset, size), text);
}

void FillNetwork(const ModuleSetup& s, Bytes b) {
  Text(b, net::ModuleName, net::kModuleNameSize, s.name);
  StoreBE32(b, net::IpAddress, s.ipAddress);
  StoreBE32(b, net::Netmask, s.netmask);
  StoreBE32(b, net::Gateway, s.gateway);
  StoreBE16(b, net::IpConfiguration, 0);  // static
  if (FirmwareNumber(s.firmware) > 154) {
    StoreBE16(b, net::Ipv6Enable, 1);
    StoreLinkLocalIpv6(b.subspan(net::Ipv6Address, net::kIpv6Size), s.mac);
  }
}

const std::array<const char*, 6> kPeople = {"operator",   "maintenance", "shift.lead",
                                            "control.room", "engineering", "night.shift"};

void FillMail(const ModuleSetup& s, Draw& d, Bytes mail, Bytes recipients) {
  StoreBE32(mail, mail::SmtpServer, Ipv4(127, 0, 0, 25));
  Text(mail, mail::MailFrom, mail::kTextSize, "gateway" + std::to_string(s.index) + "@plant.example");
  const char* inputs[] = {"X0", "X1", "X2"};
  const std::uint32_t count = 1 + d.Below(3);
  for (std::size_t k = 0; k < 3; ++k) {
    Text(mail, mail::AlarmSubjects + k * mail::kTextSize, mail::kTextSize,
         std::string("Alarm-") + std::to_string(k + 1) + " " + inputs[k] + " on " + s.name);
    const auto word = static_cast<std::uint16_t>(d.Below(1u << count));
    StoreBE16(mail, mail::RecipientWords + 2 * k, word);
  }
  const std::uint32_t first = d.Below(kPeople.size());
  for (std::uint32_t r = 0; r < count; ++r) {
    Text(recipients, recipients::Addresses + r * recipients::kAddressSize, recipients::kAddressSize,
         std::string(kPeople[(first + r) % kPeople.size()]) + "@plant.example");
  }
}

void FillClock(Draw& d, Bytes b) {
  b[clock::TimeServerEnable] = 0;
  b[clock::DaylightSaving] = 0;
  StoreBE16(b, clock::TimeZone, 25);  // the Greenwich entry of the tool's list
  StoreBE32(b, clock::TimeServerIp, Ipv4(127, 0, 0, 123));
  constexpr std::uint32_t k2024 = 1704067200;  // 2024-01-01 00:00:00
  StoreBE32(b, clock::ClockTime, k2024 + d.Below(365u * 86400u));
  StoreBE32(b, clock::TimeZoneOffset, 0);
}

void FillIpFilter(Draw& d, Bytes b) {
  StoreBE16(b, ipfilter::FilterEnable, d.Coin() ? 1 : 0);
  StoreBE32(b, ipfilter::FilterAddress, Ipv4(127, 0, 0, 0));
  StoreBE32(b, ipfilter::FilterNetmask, Ipv4(255, 0, 0, 0));
  StoreBE32(b, ipfilter::FilterAddress + 4, Ipv4(127, 1, 0, 0));
  StoreBE32(b, ipfilter::FilterNetmask + 4, Ipv4(255, 255, 0, 0));
}

void FillSerialMonitor(Draw& d, Bytes b) {
  // u32 mask, u16, 32 x u16 at 6, u16 at 70, 32 x u16 at 72, 16 + 16 bytes.
  StoreBE16(b, 4, 2);
  for (std::size_t i = 0; i < 2; ++i) {
    StoreBE16(b, 6 + 2 * i, static_cast<std::uint16_t>(1 + d.Below(247)));
    StoreBE16(b, 72 + 2 * i, static_cast<std::uint16_t>(d.Below(1000)));
  }
}

void FillRelay(Draw& d, Bytes b) {
  const std::uint32_t count = d.Below(4);
  const std::uint32_t station = 1 + d.Below(200);
  for (std::uint32_t k = 0; k < count; ++k) {
    b[relay::RelayStation + k] = static_cast<std::uint8_t>(station + k);
    // a.b.c.d is held as d, c, b, a.
    const std::size_t ip = relay::RelayIp + 4 * k;
    b[ip] = static_cast<std::uint8_t>(10 + k);
    b[ip + 1] = 2;
    b[ip + 2] = 0;
    b[ip + 3] = 127;
  }
}

void FillAlarm(Draw& d, Bytes b) {
  for (std::size_t k = 0; k < alarm::kCount; ++k) {
    std::uint16_t v = 0;
    if (d.Coin()) v |= 0x8000;  // alarm on
    if (d.Coin()) v |= 0x0001;  // rising edge
    StoreBE16(b, alarm::AlarmSetting + 2 * k, v);
  }
}

void FillSerial(Draw& d, Bytes b) {
  // Modbus COM2 RTU 8N1, Modbus COM2 ASCII 7E1, Modbus COM2 RTU 8E1, Modbus COM1 ASCII 8N1.
  const std::uint16_t configs[] = {0x0101, 0x0006, 0x0107, 0x0201};
  std::uint16_t config = configs[d.Below(4)];
  if (d.Coin()) config |= 0x0400;  // serial slave
  StoreBE16(b, serial::ComConfig, config);
  const std::uint16_t com1 = 9;  // 19200
  const auto com2 = static_cast<std::uint16_t>(8 + d.Below(3));  // 9600, 19200, 38400
  StoreBE16(b, serial::BaudCodes, static_cast<std::uint16_t>((com2 << 8) | com1));
  StoreBE16(b, serial::StationAddress, static_cast<std::uint16_t>(1 + d.Below(247)));
  StoreBE16(b, serial::DiDoPoints, 0x0302);  // 3 DI / 2 DO
  StoreBE16(b, serial::ModbusTimeout, 1000);
  const std::uint16_t delays[] = {0, 10, 50};
  StoreBE16(b, serial::DelayTime, delays[d.Below(3)]);
  StoreBE16(b, serial::KeepAliveTime, 60);
}

void FillUserDefine(const ModuleSetup& s, Bytes b) {
  for (std::size_t port = 0; port < 2; ++port) {
    Bytes e = b.subspan(port == 0 ? userdef::Com1 : userdef::Com2, userdef::kEntrySize);
    StoreBE32(e, 0, Ipv4(127, 0, 3, static_cast<std::uint8_t>(s.index)));
    StoreBE16(e, 4, 502);                                          // destination port
    StoreBE16(e, 6, static_cast<std::uint16_t>(4001 + port));      // listen port
    StoreBE16(e, 8, 8);                                            // fix length
    e[12] = 1;     // one start character
    e[13] = 0x02;  // STX
    e[20] = 1;     // one stop character
    e[21] = 0x03;  // ETX
    e[36] = 0x0C;  // start and stop items on
  }
}

void FillDeviceMonitor(Draw& d, Bytes b) {
  StoreBE16(b, devmon::BitCount, 0x8064);
  StoreBE16(b, devmon::WordCount, 0x8064);
  const auto station = static_cast<std::uint16_t>(1 + d.Below(247));
  // Entry: u16 (amount << 8 | station), u16 Modbus address.
  StoreBE16(b, devmon::BitAddresses, static_cast<std::uint16_t>((8 << 8) | station));
  StoreBE16(b, devmon::BitAddresses + 2, 0x0000);
  b[devmon::BitTypes] = 0;  // coils
  StoreBE16(b, devmon::WordAddresses, static_cast<std::uint16_t>((4 << 8) | station));
  StoreBE16(b, devmon::WordAddresses + 2, static_cast<std::uint16_t>(d.Below(100)));
  b[devmon::WordTypes] = 4;  // holding registers
}

void FillMonitorAddresses(Draw& d, Bytes b, std::size_t which) {
  const std::uint32_t count = d.Below(3);
  b[monaddr::EntryCount] = static_cast<std::uint8_t>(count);
  for (std::uint32_t k = 0; k < count; ++k) {
    Bytes e = b.subspan(monaddr::Entries + k * monaddr::kEntrySize, monaddr::kEntrySize);
    StoreBE16(e, 0, static_cast<std::uint16_t>(1 + d.Below(247)));
    e[2] = 1;
    e[3] = static_cast<std::uint8_t>(k);
    StoreText(e.subspan(16, 32), "Tag " + std::to_string(which) + "." + std::to_string(k + 1));
    StoreBE32(e, 48, d.Below(1000));
    StoreBE32(e, 52, 0);
    StoreBE32(e, 56, 100);
  }
}

}  // namespace

void StoreLinkLocalIpv6(Bytes field, const MacAddress& mac) {
  std::fill(field.begin(), field.end(), std::uint8_t{0});
  field[0] = 0xFE;
  field[1] = 0x80;
  field[8] = static_cast<std::uint8_t>(mac[0] ^ 0x02);
  field[9] = mac[1];
  field[10] = mac[2];
  field[11] = 0xFF;
  field[12] = 0xFE;
  field[13] = mac[3];
  field[14] = mac[4];
  field[15] = mac[5];
}

void FillFactoryBlocks(const ModuleSetup& setup, NodeRecord& record) {
  record.Clear();
  Draw d(setup);
  FillNetwork(setup, record.Block(0));
  FillMail(setup, d, record.Block(1), record.Block(2));
  FillClock(d, record.Block(4));
  FillIpFilter(d, record.Block(6));
  FillSerialMonitor(d, record.Block(8));
  FillRelay(d, record.Block(9));
  FillAlarm(d, record.Block(10));
  FillSerial(d, record.Block(11));
  FillUserDefine(setup, record.Block(13));
  FillDeviceMonitor(d, record.Block(44));
  std::size_t which = 0;
  for (const BlockInfo& b : kBlocks) {
    if (b.name.starts_with("MonitorAddressBlock")) FillMonitorAddresses(d, record.Block(b), ++which);
  }
}

}  // namespace gw::sim
