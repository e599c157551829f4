#include "FrameText.h"

#include <algorithm>
#include <cstdio>

#include "Request.h"
#include "model/NodeRecord.h"

namespace gw::sim {

namespace {

std::string Hex32(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", value);
  return text;
}

const char* RequestName(std::uint16_t command) {
  switch (command) {
    case CmdSearch:
      return "search";
    case CmdReadBlock:
      return "read";
    case CmdWriteBlock:
      return "write";
    case CmdLogin:
      return "login";
    case CmdFactoryReset:
      return "factory-reset";
    default:
      return nullptr;
  }
}

}  // namespace

std::string Hex16(std::uint16_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04X", value);
  return text;
}

std::string DescribeFrame(ConstBytes body) {
  const std::string size = "(" + std::to_string(body.size()) + " bytes)";
  if (body.size() < hdr::kSize) return "short frame " + size;
  const std::uint16_t command = LoadBE16(body, hdr::Command);
  MacAddress mac{};
  std::copy_n(body.begin() + hdr::MacAddress, hdr::kMacSize, mac.begin());
  const std::string block = " block " + std::to_string(LoadBE16(body, hdr::BlockNumber));
  const std::string id = " id " + Hex32(LoadBE32(body, hdr::TransactionId));
  std::string text;
  if (const char* name = RequestName(command)) {
    text = name;
    if (command == CmdReadBlock || command == CmdWriteBlock) text += block;
    if (command != CmdSearch) text += " mac " + MacText(mac);
    if (command == CmdLogin || command == CmdWriteBlock) {
      text += " lock " + std::to_string(LoadBE16(body, hdr::LockState));
    }
  } else {
    text = "reply " + Hex16(command);
    const std::uint16_t request = static_cast<std::uint16_t>((command & 0x3FFF) - 1);
    if (request == CmdReadBlock || request == CmdWriteBlock) text += block;
    text += " mac " + MacText(mac) + " number " +
            std::to_string(LoadBE16(body, hdr::ModuleNumber)) + " lock " +
            std::to_string(LoadBE16(body, hdr::LockState));
    const std::uint16_t type = LoadBE16(body, hdr::ModuleType);
    if (type != kModuleTypeNxg) text += " type " + Hex16(type);
  }
  return text + id + " " + size;
}

}  // namespace gw::sim
