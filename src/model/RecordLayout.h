#pragma once
// Named offsets of the frame header and of the fields inside each parameter
// block. Offsets are relative to the start of the header or block they belong
// to; all multi-byte fields are big-endian.

#include <cstddef>
#include <cstdint>

namespace gw {

inline constexpr std::uint16_t kModuleTypeNxg = 0xF200;
inline constexpr std::uint16_t kHeaderVersion = 1;

// FrameHeader: the 36 bytes in front of every configuration frame, kept as
// ReplyHeader at the start of every node record.
namespace hdr {
inline constexpr std::size_t kSize = 36;
inline constexpr std::size_t ModuleType = 0;     // u16
inline constexpr std::size_t HeaderVersion = 2;  // u16
inline constexpr std::size_t TransactionId = 4;  // u32
inline constexpr std::size_t Command = 8;        // u16
inline constexpr std::size_t MacAddress = 10;    // 6 bytes
inline constexpr std::size_t kMacSize = 6;
inline constexpr std::size_t BlockNumber = 16;  // u16
inline constexpr std::size_t LockState = 18;    // u16
inline constexpr std::size_t LoginKey = 20;     // 4 bytes
inline constexpr std::size_t kLoginKeySize = 4;
inline constexpr std::size_t ModuleNumber = 28;     // u16
inline constexpr std::size_t FirmwareVersion = 32;  // u16
inline constexpr std::size_t HeaderTail = 34;       // u16
}  // namespace hdr

// The shortest search reply a module may send: the header and 62 bytes of
// its NetworkBlock (the rest of the block is then taken as zeros).
inline constexpr std::size_t kSearchReplyMinimum = hdr::kSize + 62;

// LockState values.
inline constexpr std::uint16_t kLockStateLocked = 1;
inline constexpr std::uint16_t kLockStateUnlocked = 2;

// Every block starts with its change mask.
inline constexpr std::size_t kChangeMask = 0;

namespace net {                               // block 0, NetworkBlock
inline constexpr std::size_t ModuleName = 4;  // char[32]
inline constexpr std::size_t kModuleNameSize = 32;
inline constexpr std::size_t IpAddress = 36;
inline constexpr std::size_t Netmask = 40;
inline constexpr std::size_t Gateway = 44;
inline constexpr std::size_t Password = 48;  // 4 bytes
inline constexpr std::size_t kPasswordSize = 4;
inline constexpr std::size_t IpConfiguration = 58;
inline constexpr std::size_t Ipv6Enable = 62;
inline constexpr std::size_t Ipv6Address = 64;  // 16 bytes
inline constexpr std::size_t kIpv6Size = 16;
// Firmware without the IPv6 fields (HasIpv6AndDeviceServer) sends only this
// much of it.
inline constexpr std::size_t kLegacySize = 64;
}  // namespace net

namespace mail {  // block 1, MailBlock
inline constexpr std::size_t SmtpServer = 4;
inline constexpr std::size_t MailFrom = 8;  // char[64]
inline constexpr std::size_t kTextSize = 64;
inline constexpr std::size_t AlarmSubjects = 136;   // 3 x char[64]
inline constexpr std::size_t RecipientWords = 330;  // 3 x u16
inline constexpr std::size_t kAlarms = 3;
}  // namespace mail

namespace recipients {                       // block 2, MailRecipientBlock
inline constexpr std::size_t Addresses = 4;  // 10 x char[64]
inline constexpr std::size_t kCount = 10;
inline constexpr std::size_t kAddressSize = 64;
}  // namespace recipients

namespace clock {                                   // block 4, ClockBlock
inline constexpr std::size_t TimeServerEnable = 4;  // u8
inline constexpr std::size_t DaylightSaving = 5;    // u8
inline constexpr std::size_t TimeZone = 6;          // u16
inline constexpr std::size_t TimeServerIp = 8;
inline constexpr std::size_t ClockTime = 12;
inline constexpr std::size_t TimeZoneOffset = 16;  // signed
}  // namespace clock

namespace ipfilter {                              // block 6, IpFilterBlock
inline constexpr std::size_t FilterEnable = 4;    // u16
inline constexpr std::size_t FilterAddress = 8;   // 8 x u32
inline constexpr std::size_t FilterNetmask = 40;  // 8 x u32
inline constexpr std::size_t kEntries = 8;
}  // namespace ipfilter

namespace sermon {                              // block 8, SerialMonitorBlock
inline constexpr std::size_t FirstCount = 4;    // u16
inline constexpr std::size_t FirstTable = 6;    // 32 x u16
inline constexpr std::size_t SecondCount = 70;  // u16
inline constexpr std::size_t SecondTable = 72;  // 32 x u16
inline constexpr std::size_t kTableWords = 32;
inline constexpr std::size_t FirstBytes = 136;   // 16 bytes
inline constexpr std::size_t SecondBytes = 152;  // 16 bytes
}  // namespace sermon

namespace relay {                               // block 9, RelayBlock
inline constexpr std::size_t RelayStation = 4;  // 100 x u8
inline constexpr std::size_t RelayIp = 104;     // 100 x 4 bytes, octets reversed
inline constexpr std::size_t kIpSize = 4;
inline constexpr std::size_t kEntries = 100;
}  // namespace relay

namespace alarm {                               // block 10, AlarmBlock
inline constexpr std::size_t AlarmSetting = 4;  // 3 x u16
inline constexpr std::size_t kCount = 3;
// Bits of one AlarmSetting word.
inline constexpr std::uint16_t kEnabled = 1u << 15;
inline constexpr std::uint16_t kHasRecipient = 1u << 2;
inline constexpr std::uint16_t kRising = 1u << 0;
}  // namespace alarm

namespace serial {  // block 11, SerialBlock
inline constexpr std::size_t ComConfig = 12;
inline constexpr std::size_t BaudCodes = 14;
inline constexpr std::size_t StationAddress = 16;
inline constexpr std::size_t DiDoPoints = 18;
inline constexpr std::size_t ModbusTimeout = 26;
inline constexpr std::size_t DelayTime = 28;
inline constexpr std::size_t KeepAliveTime = 30;
}  // namespace serial

namespace userdef {                     // block 13, UserDefineBlock
inline constexpr std::size_t Com1 = 4;  // 40 bytes
inline constexpr std::size_t Com2 = 44;
inline constexpr std::size_t kEntrySize = 40;
// Inside one port entry.
inline constexpr std::size_t DestinationIp = 0;    // u32
inline constexpr std::size_t DestinationPort = 4;  // u16
inline constexpr std::size_t ListenPort = 6;       // u16
inline constexpr std::size_t FixLength = 8;        // u16
inline constexpr std::size_t StartCount = 12;      // u8, 1 to 3
inline constexpr std::size_t StartChars = 13;      // 3 x u8
inline constexpr std::size_t StopCount = 20;       // u8, 1 to 3
inline constexpr std::size_t StopChars = 21;       // 3 x u8
inline constexpr std::size_t kItemChars = 3;
inline constexpr std::size_t FramingSwitches = 36;  // u8
// Bits of FramingSwitches.
inline constexpr std::uint8_t kFixLengthOn = 1u << 0;
inline constexpr std::uint8_t kStartItemOn = 1u << 2;
inline constexpr std::uint8_t kStopItemOn = 1u << 3;
}  // namespace userdef

namespace devmon {  // block 44, DeviceMonitorBlock
inline constexpr std::size_t BitCount = 4;
inline constexpr std::size_t BitAddresses = 6;  // 100 x 4 bytes
inline constexpr std::size_t WordCount = 406;
inline constexpr std::size_t WordAddresses = 408;
inline constexpr std::size_t BitTypes = 808;  // 100 x u8
inline constexpr std::size_t WordTypes = 908;
inline constexpr std::size_t kEntries = 100;
// Inside one 4-byte entry: u16 with the amount in the high byte and the
// station in the low byte, then the zero-based u16 Modbus address.
inline constexpr std::size_t kEntrySize = 4;
inline constexpr std::size_t EntryAmountStation = 0;
inline constexpr std::size_t EntryAddress = 2;
// The amount-and-station word; station 0 marks an empty entry.
inline constexpr std::uint16_t EntryWord(unsigned amount, unsigned station) {
  return static_cast<std::uint16_t>(((amount & 0xFF) << 8) | (station & 0xFF));
}
inline constexpr unsigned StationOf(std::uint16_t entryWord) { return entryWord & 0xFF; }
inline constexpr unsigned AmountOf(std::uint16_t entryWord) { return entryWord >> 8; }
// What every writer puts into BitCount and WordCount.
inline constexpr std::uint16_t kTableHeader = 0x8064;
// Type digits of BitTypes (coil, input) and WordTypes (input register,
// holding register).
inline constexpr std::uint8_t kTypeCoil = 0;
inline constexpr std::uint8_t kTypeInput = 1;
inline constexpr std::uint8_t kTypeInputRegister = 3;
inline constexpr std::uint8_t kTypeHoldingRegister = 4;
}  // namespace devmon

namespace monaddr {                           // blocks 47 to 50, MonitorAddressBlock
inline constexpr std::size_t EntryCount = 7;  // u8, at most 20
inline constexpr std::size_t Entries = 8;     // 20 x 60 bytes
inline constexpr std::size_t kEntrySize = 60;
inline constexpr std::size_t kEntries = 20;
// Inside one entry.
inline constexpr std::size_t EntryStation = 0;  // u16
inline constexpr std::size_t EntryFlags = 2;    // 6 x u8
inline constexpr std::size_t EntryText = 16;    // char[32]
inline constexpr std::size_t kEntryTextSize = 32;
inline constexpr std::size_t EntryValues = 48;  // 3 x u32
}  // namespace monaddr

}  // namespace gw
