#include "FrameHeader.h"

namespace gw {

void BuildHeader(Bytes header, int command, int block, std::uint32_t transactionId) {
  StoreBE16(header, hdr::ModuleType, kModuleTypeNxg);
  StoreBE16(header, hdr::HeaderVersion, kHeaderVersion);
  StoreBE32(header, hdr::TransactionId, transactionId);
  StoreBE16(header, hdr::Command, static_cast<std::uint16_t>(command));
  StoreBE16(header, hdr::BlockNumber, static_cast<std::uint16_t>(block));
  StoreBE16(header, hdr::HeaderTail, 0);
}

}  // namespace gw
