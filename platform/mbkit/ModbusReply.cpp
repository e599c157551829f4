#include "platform/mbkit/ModbusReply.h"

namespace gw::mbkit {

namespace {

constexpr std::uint8_t kExceptionBit = 0x80;

bool CarriesByteCount(int function) {
  return (function >= 0x01 && function <= 0x04) || function == 0x17;
}

}  // namespace

ReplyData LocateReplyData(std::span<const std::uint8_t> adu, std::size_t headerLength,
                          std::size_t checksumLength) {
  ReplyData reply;
  if (headerLength == 0 || adu.size() < headerLength + 1 + checksumLength) {
    return reply;
  }
  reply.station = adu[headerLength - 1];
  reply.function = adu[headerLength];
  if ((reply.function & kExceptionBit) != 0) {
    return reply;
  }
  const std::size_t end = adu.size() - checksumLength;
  std::size_t start = headerLength + 1;
  if (CarriesByteCount(reply.function)) {
    if (start >= end) {
      return reply;
    }
    const std::size_t declared = adu[start];
    ++start;
    if (start + declared > end) {
      return reply;
    }
    reply.offset = start;
    reply.count = static_cast<int>(declared);
    return reply;
  }
  reply.offset = start;
  reply.count = static_cast<int>(end - start);
  return reply;
}

}  // namespace gw::mbkit
