#include "NodeRecord.h"

#include <algorithm>
#include <cstdio>

#include "platform/util/Ipv4Text.h"

namespace gw {

Bytes NodeRecord::Block(int number) {
  const BlockInfo* b = FindBlock(number);
  return b ? Block(*b) : Bytes{};
}

ConstBytes NodeRecord::Block(int number) const {
  const BlockInfo* b = FindBlock(number);
  return b ? Block(*b) : ConstBytes{};
}

MacAddress NodeRecord::Mac() const {
  MacAddress mac{};
  auto src = Header().subspan(hdr::MacAddress, hdr::kMacSize);
  std::copy(src.begin(), src.end(), mac.begin());
  return mac;
}

std::string NodeRecord::ModuleName() const {
  return LoadText(Block(kBlocks[0]).subspan(net::ModuleName, net::kModuleNameSize));
}

std::uint32_t NodeRecord::IpAddress() const { return LoadBE32(Block(kBlocks[0]), net::IpAddress); }

std::string LoadText(ConstBytes field) {
  auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
  return std::string(field.begin(), end);
}

void StoreText(Bytes field, const std::string& text) {
  std::fill(field.begin(), field.end(), std::uint8_t{0});
  const std::size_t n = std::min(field.size(), text.size());
  std::copy_n(text.begin(), n, field.begin());
}

std::string FirmwareText(std::uint16_t firmwareVersion) {
  char text[16];
  std::snprintf(text, sizeof text, "%x.%02x", firmwareVersion >> 8, firmwareVersion & 0xFF);
  return text;
}

int FirmwareNumber(std::uint16_t firmwareVersion) {
  // The text is read back as a decimal fraction, times 100, truncated. Read
  // exactly: the leading decimal digits, then at most two after the point;
  // reading stops at the first character that is not a digit (a hexadecimal
  // letter), as a decimal conversion would.
  const std::string text = FirmwareText(firmwareVersion);
  std::size_t i = 0;
  int whole = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    whole = whole * 10 + (text[i] - '0');
  int hundredths = 0;
  if (i < text.size() && text[i] == '.') {
    int scale = 10;
    for (++i; i < text.size() && scale > 0 && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10) {
      hundredths += (text[i] - '0') * scale;
    }
  }
  return whole * 100 + hundredths;
}

std::string MacText(const MacAddress& mac) {
  char text[18];
  std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3],
                mac[4], mac[5]);
  return text;
}

std::string Ipv4Text(std::uint32_t address) { return platform::FormatIpv4(address); }

bool SameMac(ConstBytes headerA, ConstBytes headerB) {
  const ConstBytes a = headerA.subspan(hdr::MacAddress, hdr::kMacSize);
  return std::equal(a.begin(), a.end(), headerB.begin() + hdr::MacAddress);
}

}  // namespace gw
