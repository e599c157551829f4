#include "ModuleDefaults.h"

#include <array>
#include <random>
#include <string>

#include "model/SerialConfig.h"

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

// Field widths, for the n-th field of a run.
constexpr std::size_t kU16 = 2;
constexpr std::size_t kU32 = 4;

std::uint32_t Ipv4(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
  return (std::uint32_t{a} << 24) | (std::uint32_t{b} << 16) | (std::uint32_t{c} << 8) | d;
}

// A Modbus station address.
std::uint16_t Station(Draw& d) {
  return static_cast<std::uint16_t>(kStationLow + d.Below(kStationHigh - kStationLow + 1));
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
  if (HasIpv6AndDeviceServer(FirmwareNumber(s.firmware))) {
    StoreBE16(b, net::Ipv6Enable, 1);
    StoreLinkLocalIpv6(b.subspan(net::Ipv6Address, net::kIpv6Size), s.mac);
  }
}

const std::array<const char*, 6> kPeople = {"operator",     "maintenance", "shift.lead",
                                            "control.room", "engineering", "night.shift"};

void FillMail(const ModuleSetup& s, Draw& d, Bytes mail, Bytes recipients) {
  StoreBE32(mail, mail::SmtpServer, Ipv4(127, 0, 0, 25));
  Text(mail, mail::MailFrom, mail::kTextSize,
       "gateway" + std::to_string(s.index) + "@plant.example");
  const char* inputs[] = {"X0", "X1", "X2"};
  const std::uint32_t count = 1 + d.Below(3);
  for (std::size_t k = 0; k < 3; ++k) {
    Text(mail, mail::AlarmSubjects + k * mail::kTextSize, mail::kTextSize,
         std::string("Alarm-") + std::to_string(k + 1) + " " + inputs[k] + " on " + s.name);
    const auto word = static_cast<std::uint16_t>(d.Below(1u << count));
    StoreBE16(mail, mail::RecipientWords + kU16 * k, word);
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
  StoreBE32(b, ipfilter::FilterAddress + kU32, Ipv4(127, 1, 0, 0));
  StoreBE32(b, ipfilter::FilterNetmask + kU32, Ipv4(255, 255, 0, 0));
}

void FillSerialMonitor(Draw& d, Bytes b) {
  constexpr std::size_t kCount = 2;
  StoreBE16(b, sermon::FirstCount, static_cast<std::uint16_t>(kCount));
  for (std::size_t i = 0; i < kCount; ++i) {
    StoreBE16(b, sermon::FirstTable + kU16 * i, Station(d));
    StoreBE16(b, sermon::SecondTable + kU16 * i, static_cast<std::uint16_t>(d.Below(1000)));
  }
}

void FillRelay(Draw& d, Bytes b) {
  const std::uint32_t count = d.Below(4);
  const std::uint32_t station = 1 + d.Below(200);
  for (std::uint32_t k = 0; k < count; ++k) {
    b[relay::RelayStation + k] = static_cast<std::uint8_t>(station + k);
    // a.b.c.d is held as d, c, b, a.
    const std::size_t ip = relay::RelayIp + relay::kIpSize * k;
    b[ip] = static_cast<std::uint8_t>(10 + k);
    b[ip + 1] = 2;
    b[ip + 2] = 0;
    b[ip + 3] = 127;
  }
}

void FillAlarm(Draw& d, Bytes b) {
  for (std::size_t k = 0; k < alarm::kCount; ++k) {
    std::uint16_t v = 0;
    if (d.Coin()) v |= alarm::kEnabled;
    if (d.Coin()) v |= alarm::kRising;
    StoreBE16(b, alarm::AlarmSetting + kU16 * k, v);
  }
}

void FillSerial(Draw& d, Bytes b) {
  using namespace comconfig;
  constexpr std::uint16_t kEven = ParityBits(2);                     // the Parity list's Even entry
  const std::uint16_t configs[] = {kModeRtu | kDataLength8,          // Modbus COM2 RTU 8N1
                                   kEven,                            // Modbus COM2 ASCII 7E1
                                   kModeRtu | kDataLength8 | kEven,  // Modbus COM2 RTU 8E1
                                   kModbusCom1 | kDataLength8};      // Modbus COM1 ASCII 8N1
  std::uint16_t config = configs[d.Below(4)];
  if (d.Coin()) config |= kSerialSlave;
  StoreBE16(b, serial::ComConfig, config);
  const std::uint8_t com1 = 9;                                  // 19200
  const auto com2 = static_cast<std::uint8_t>(8 + d.Below(3));  // 9600, 19200, 38400
  StoreBE16(b, serial::BaudCodes, WithBaudCode(WithBaudCode(0, true, com1), false, com2));
  StoreBE16(b, serial::StationAddress, Station(d));
  StoreBE16(b, serial::DiDoPoints, 0x0302);  // 3 DI / 2 DO
  StoreBE16(b, serial::ModbusTimeout, 1000);
  const std::uint16_t delays[] = {0, 10, 50};
  StoreBE16(b, serial::DelayTime, delays[d.Below(3)]);
  StoreBE16(b, serial::KeepAliveTime, 60);
}

void FillUserDefine(const ModuleSetup& s, Bytes b) {
  for (std::size_t port = 0; port < 2; ++port) {
    Bytes e = b.subspan(port == 0 ? userdef::Com1 : userdef::Com2, userdef::kEntrySize);
    StoreBE32(e, userdef::DestinationIp, Ipv4(127, 0, 3, static_cast<std::uint8_t>(s.index)));
    StoreBE16(e, userdef::DestinationPort, static_cast<std::uint16_t>(5001 + port));
    StoreBE16(e, userdef::ListenPort, static_cast<std::uint16_t>(4001 + port));
    StoreBE16(e, userdef::FixLength, 8);
    e[userdef::StartCount] = 1;
    e[userdef::StartChars] = 0x02;  // STX
    e[userdef::StopCount] = 1;
    e[userdef::StopChars] = 0x03;  // ETX
    e[userdef::FramingSwitches] = userdef::kStartItemOn | userdef::kStopItemOn;
  }
}

void FillDeviceMonitor(Draw& d, Bytes b) {
  StoreBE16(b, devmon::BitCount, devmon::kTableHeader);
  StoreBE16(b, devmon::WordCount, devmon::kTableHeader);
  const auto station = Station(d);
  // Eight coils from address 0, four holding registers from a drawn address.
  StoreBE16(b, devmon::BitAddresses + devmon::EntryAmountStation, devmon::EntryWord(8, station));
  StoreBE16(b, devmon::BitAddresses + devmon::EntryAddress, 0x0000);
  b[devmon::BitTypes] = devmon::kTypeCoil;
  StoreBE16(b, devmon::WordAddresses + devmon::EntryAmountStation, devmon::EntryWord(4, station));
  StoreBE16(b, devmon::WordAddresses + devmon::EntryAddress,
            static_cast<std::uint16_t>(d.Below(100)));
  b[devmon::WordTypes] = devmon::kTypeHoldingRegister;
}

void FillMonitorAddresses(Draw& d, Bytes b, std::size_t which) {
  const std::uint32_t count = d.Below(3);
  b[monaddr::EntryCount] = static_cast<std::uint8_t>(count);
  for (std::uint32_t k = 0; k < count; ++k) {
    Bytes e = b.subspan(monaddr::Entries + k * monaddr::kEntrySize, monaddr::kEntrySize);
    StoreBE16(e, monaddr::EntryStation, Station(d));
    e[monaddr::EntryFlags] = 1;
    e[monaddr::EntryFlags + 1] = static_cast<std::uint8_t>(k);
    StoreText(e.subspan(monaddr::EntryText, monaddr::kEntryTextSize),
              "Tag " + std::to_string(which) + "." + std::to_string(k + 1));
    StoreBE32(e, monaddr::EntryValues, d.Below(1000));
    StoreBE32(e, monaddr::EntryValues + kU32, 0);
    StoreBE32(e, monaddr::EntryValues + 2 * kU32, 100);
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
  FillNetwork(setup, record.Block(kNetworkBlock));
  FillMail(setup, d, record.Block(kMailBlock), record.Block(kMailRecipientBlock));
  FillClock(d, record.Block(kClockBlock));
  FillIpFilter(d, record.Block(kIpFilterBlock));
  FillSerialMonitor(d, record.Block(kSerialMonitorBlock));
  FillRelay(d, record.Block(kRelayBlock));
  FillAlarm(d, record.Block(kAlarmBlock));
  FillSerial(d, record.Block(kSerialBlock));
  FillUserDefine(setup, record.Block(kUserDefineBlock));
  FillDeviceMonitor(d, record.Block(kDeviceMonitorBlock));
  std::size_t which = 0;
  for (const int block : {kMonitorAddressBlock1, kMonitorAddressBlock2, kMonitorAddressBlock3,
                          kMonitorAddressBlock4}) {
    FillMonitorAddresses(d, record.Block(block), ++which);
  }
}

}  // namespace gw::sim
