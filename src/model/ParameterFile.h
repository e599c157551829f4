#pragma once
// The parameter file (".mod"): one node's whole parameter set, 7386 bytes,
// module type and firmware version first, then the header and every block
// (the recipient addresses and the alarm block shortened).

#include <cstdint>
#include <vector>

#include "NodeRecord.h"

namespace gw {

inline constexpr std::size_t kParameterFileSize = 7386;

namespace pfile {
inline constexpr std::size_t ModuleType = 0;       // u16
inline constexpr std::size_t FirmwareVersion = 2;  // u16
inline constexpr std::size_t ReplyHeader = 4;
inline constexpr std::size_t kFirstBlock = ReplyHeader + hdr::kSize;
}  // namespace pfile

std::vector<std::uint8_t> EncodeParameterFile(const NodeRecord& record);

enum class ImportStatus { Imported, TooShort, ModuleTypeMismatch, FirmwareMismatch };

// Checks the file against the node (length, module type, firmware version)
// and only then reads it into the record. The node keeps its own identity:
// MacAddress, LockState and LoginKey stay as they were, as do the bytes the
// file does not hold. A refused file leaves the record unchanged.
ImportStatus ImportParameterFile(NodeRecord& record, ConstBytes file);

// Every field the file holds, copied into the record as it is (the file's own
// identity included), for showing a file. False when the file is too short.
bool ReadParameterFile(NodeRecord& record, ConstBytes file);

}  // namespace gw
