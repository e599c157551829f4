#pragma once
// The one description of every parameter block: where it sits in a node
// record, how large it is on the wire, the shortest reply that may fill it,
// and how much of it a parameter file holds. Codec, inquiry, files and the
// simulator all take their numbers from here.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "RecordLayout.h"

namespace gw {

// Block numbers by name; pages write and read blocks through these.
inline constexpr int kNetworkBlock = 0;
inline constexpr int kMailBlock = 1;
inline constexpr int kMailRecipientBlock = 2;
inline constexpr int kClockBlock = 4;
inline constexpr int kIpFilterBlock = 6;
inline constexpr int kSerialMonitorBlock = 8;
inline constexpr int kRelayBlock = 9;
inline constexpr int kAlarmBlock = 10;
inline constexpr int kSerialBlock = 11;
inline constexpr int kUserDefineBlock = 13;
inline constexpr int kDeviceMonitorBlock = 44;
inline constexpr int kMonitorAddressBlock1 = 47;
inline constexpr int kMonitorAddressBlock2 = 48;
inline constexpr int kMonitorAddressBlock3 = 49;
inline constexpr int kMonitorAddressBlock4 = 50;

struct BlockInfo {
  int number;
  std::string_view name;
  std::size_t size;            // payload bytes on the wire and in the record
  std::size_t minReplyLength;  // shortest read or write reply, header included
  std::size_t fileSize;        // bytes the parameter file keeps of it
  std::size_t recordOffset;    // filled in below
};

namespace record {
inline constexpr std::size_t Selected = 0;  // u32, little-endian, not a wire field
inline constexpr std::size_t Online = 4;    // u32, little-endian, not a wire field
inline constexpr std::size_t ReplyHeader = 8;
inline constexpr std::size_t kFirstBlock = ReplyHeader + hdr::kSize;
}  // namespace record

namespace detail {
constexpr std::array<BlockInfo, 15> WithOffsets(std::array<BlockInfo, 15> t) {
  std::size_t off = record::kFirstBlock;
  for (auto& b : t) {
    b.recordOffset = off;
    off += b.size;
  }
  return t;
}
}  // namespace detail

// In record order.
inline constexpr std::array<BlockInfo, 15> kBlocks = detail::WithOffsets({{
    {kNetworkBlock, "NetworkBlock", 80, 64, 80, 0},
    {kMailBlock, "MailBlock", 336, 372, 336, 0},
    {kMailRecipientBlock, "MailRecipientBlock", 644, 680, 104, 0},
    {kClockBlock, "ClockBlock", 20, 56, 20, 0},
    {kIpFilterBlock, "IpFilterBlock", 72, 108, 72, 0},
    {kSerialMonitorBlock, "SerialMonitorBlock", 168, 172, 168, 0},
    {kRelayBlock, "RelayBlock", 504, 540, 504, 0},
    {kAlarmBlock, "AlarmBlock", 12, 46, 10, 0},
    {kSerialBlock, "SerialBlock", 128, 168, 128, 0},
    {kUserDefineBlock, "UserDefineBlock", 84, 120, 84, 0},
    {kDeviceMonitorBlock, "DeviceMonitorBlock", 1008, 1044, 1008, 0},
    {kMonitorAddressBlock1, "MonitorAddressBlock1", 1208, 1244, 1208, 0},
    {kMonitorAddressBlock2, "MonitorAddressBlock2", 1208, 1244, 1208, 0},
    {kMonitorAddressBlock3, "MonitorAddressBlock3", 1208, 1244, 1208, 0},
    {kMonitorAddressBlock4, "MonitorAddressBlock4", 1208, 1244, 1208, 0},
}});

inline constexpr std::size_t kNodeRecordSize = kBlocks.back().recordOffset + kBlocks.back().size;

// The blocks a node inquiry reads, in order (block 8 is never read).
inline constexpr std::array<int, 14> kInquiryBlocks = {0,  1,  2,  4,  6,  9,  10,
                                                       11, 13, 44, 47, 48, 49, 50};

// The block with this number, or null.
const BlockInfo* FindBlock(int number);

// A contiguous run of a block that the parameter file keeps.
struct FileSegment {
  std::size_t offset;  // inside the block
  std::size_t length;
};
// The runs of a block in file order; their lengths add up to fileSize.
std::span<const FileSegment> FileSegments(const BlockInfo& block);

}  // namespace gw
