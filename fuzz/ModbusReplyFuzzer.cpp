// MbKit's reading of a Modbus reply as libmodbus received it: the data it
// hands on lie within the ADU before its checksum, a read reply's data are
// exactly its byte count, and an exception reply hands on none.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "FuzzInput.h"
#include "platform/mbkit/ModbusReply.h"

namespace {

using gw::fuzz::Check;

bool IsRead(int function) { return (function >= 1 && function <= 4) || function == 0x17; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t framing = data[0] & 3;
  const std::size_t header = framing == gw::fuzz::kModbusRtu   ? 1
                             : framing == gw::fuzz::kModbusTcp ? 7
                                                               : (data[0] >> 2) & 15;
  const std::size_t checksum = framing == gw::fuzz::kModbusRtu   ? 2
                               : framing == gw::fuzz::kModbusTcp ? 0
                                                                 : data[0] >> 6;
  // Exactly the ADU's size, so any read beyond it is caught.
  const std::vector<std::uint8_t> adu(data + 1, data + size);
  const gw::mbkit::ReplyData reply = gw::mbkit::LocateReplyData(adu, header, checksum);

  const bool framed = header > 0 && adu.size() >= header + 1 + checksum;
  if (framed) {
    Check(reply.station == adu[header - 1] && reply.function == adu[header]);
  }
  if (reply.count < 0) {
    Check(reply.count == -1);
    return 0;
  }
  Check(framed && (reply.function & 0x80) == 0);
  Check(reply.offset >= header + 1);
  Check(reply.offset + static_cast<std::size_t>(reply.count) <= adu.size() - checksum);
  if (IsRead(reply.function)) {
    Check(reply.offset == header + 2 && reply.count == adu[header + 1]);
  } else {
    Check(reply.offset + static_cast<std::size_t>(reply.count) == adu.size() - checksum);
  }
  return 0;
}
