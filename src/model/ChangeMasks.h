#pragma once
// The ChangeMask bits of the blocks that a module takes field by field: a
// write names the fields it changes, and the module takes only those. Any
// other block is taken whole when its mask is not 0.

#include <cstddef>
#include <cstdint>

namespace gw {

namespace netbits {  // NetworkBlock (block 0)
inline constexpr std::uint32_t ModuleName = 1u << 31;
inline constexpr std::uint32_t IpAddress = 1u << 30;
inline constexpr std::uint32_t Netmask = 1u << 29;
inline constexpr std::uint32_t Gateway = 1u << 28;
inline constexpr std::uint32_t Password = 1u << 27;
inline constexpr std::uint32_t IpConfiguration = 1u << 25;
inline constexpr std::uint32_t Ipv6 = 1u << 22;  // the switch and the address
}  // namespace netbits

namespace serialbits {  // SerialBlock (block 11): the block as a whole
inline constexpr std::uint32_t Any = 1u << 31;
}  // namespace serialbits

namespace clockbits {  // the clock block (block 4)
inline constexpr std::uint32_t TimeServerEnable = 1u << 31;
inline constexpr std::uint32_t DaylightSaving = 1u << 30;
inline constexpr std::uint32_t TimeZone = 1u << 29;  // index and offset
inline constexpr std::uint32_t TimeServerIp = 1u << 28;
inline constexpr std::uint32_t ClockTime = 1u << 27;
}  // namespace clockbits

namespace filterbits {  // the IP filter block (block 6)
inline constexpr std::uint32_t Enable = 1u << 31;
// An entry's address or netmask: entry 1 (index 0) bit 30 ... entry 8 bit 23.
inline constexpr std::uint32_t Entry(std::size_t index) { return 1u << (30 - index); }
inline constexpr std::uint32_t All = 0xFF800000;
}  // namespace filterbits

namespace devmonbits {  // the device monitor block (block 44)
inline constexpr std::uint32_t BitTable = 1u << 31;
inline constexpr std::uint32_t WordTable = 1u << 30;
}  // namespace devmonbits

namespace mailbits {  // MailBlock (block 1)
inline constexpr std::uint32_t SmtpServer = 1u << 31;
inline constexpr std::uint32_t MailFrom = 1u << 30;
// The subject of alarm k (0 to 2).
constexpr std::uint32_t Subject(int alarm) { return 1u << (28 - alarm); }
// The three recipient words: any change of the recipient table.
inline constexpr std::uint32_t Recipients = 0x0000FFC0;
// Everything a parameter import sends again; bits 25 to 22 name fields no
// page edits.
inline constexpr std::uint32_t AfterImport = 0xDFC0FFC0;
}  // namespace mailbits

namespace recipientbits {  // MailRecipientBlock (block 2)
// The address of recipient r+1 (r = 0 to 9).
constexpr std::uint32_t Address(int recipient) { return 1u << (31 - recipient); }
inline constexpr std::uint32_t AfterImport = 0xFFC00000;
}  // namespace recipientbits

namespace alarmbits {  // AlarmBlock (block 10): the block as a whole
inline constexpr std::uint32_t Any = 1u << 31;
}  // namespace alarmbits

namespace relaybits {  // RelayBlock (block 9): the table as a whole
inline constexpr std::uint32_t Table = 1u << 31;
}  // namespace relaybits

}  // namespace gw
