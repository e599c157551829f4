#pragma once
// One module's whole parameter set exactly as the module sends it: Selected,
// Online, the header of the last reply taken from the module, and the fifteen
// parameter blocks in wire layout.

#include <array>
#include <cstdint>
#include <string>

#include "BlockTable.h"
#include "ByteOrder.h"

namespace gw {

using MacAddress = std::array<std::uint8_t, hdr::kMacSize>;

class NodeRecord {
 public:
  static constexpr std::size_t kSize = kNodeRecordSize;

  Bytes All() { return data_; }
  ConstBytes All() const { return data_; }

  Bytes Header() { return All().subspan(record::ReplyHeader, hdr::kSize); }
  ConstBytes Header() const { return All().subspan(record::ReplyHeader, hdr::kSize); }

  Bytes Block(const BlockInfo& b) { return All().subspan(b.recordOffset, b.size); }
  ConstBytes Block(const BlockInfo& b) const { return All().subspan(b.recordOffset, b.size); }
  // Empty for a number that is not a parameter block.
  Bytes Block(int number);
  ConstBytes Block(int number) const;

  std::uint32_t Selected() const { return LoadLE32(data_, record::Selected); }
  void SetSelected(std::uint32_t v) { StoreLE32(data_, record::Selected, v); }
  std::uint32_t Online() const { return LoadLE32(data_, record::Online); }
  void SetOnline(std::uint32_t v) { StoreLE32(data_, record::Online, v); }

  // Header fields used all over the tool.
  std::uint16_t ModuleType() const { return LoadBE16(Header(), hdr::ModuleType); }
  std::uint16_t ReplyCode() const { return LoadBE16(Header(), hdr::Command); }
  MacAddress Mac() const;
  std::uint16_t LockState() const { return LoadBE16(Header(), hdr::LockState); }
  std::uint16_t ModuleNumber() const { return LoadBE16(Header(), hdr::ModuleNumber); }
  std::uint16_t FirmwareVersion() const { return LoadBE16(Header(), hdr::FirmwareVersion); }

  // NetworkBlock fields.
  std::string ModuleName() const;
  std::uint32_t IpAddress() const;  // network order value: first octet most significant

  void Clear() { data_.fill(0); }

  friend bool operator==(const NodeRecord&, const NodeRecord&) = default;

 private:
  std::array<std::uint8_t, kSize> data_{};
};

// Reads a fixed-size, zero-padded character field that need not be
// zero-terminated when full.
std::string LoadText(ConstBytes field);
// Writes text into a fixed-size field, cut to the field and zero-padded.
void StoreText(Bytes field, const std::string& text);

// "%x.%02x" of the firmware word, for example "1.54".
std::string FirmwareText(std::uint16_t firmwareVersion);
// The firmware version as a decimal number times 100 (0x0154 gives 154).
int FirmwareNumber(std::uint16_t firmwareVersion);

// True when two frame headers carry the same MacAddress.
bool SameMac(ConstBytes headerA, ConstBytes headerB);

// "AA:BB:CC:DD:EE:FF"
std::string MacText(const MacAddress& mac);
// "a.b.c.d" of an address held most significant octet first (the project's
// one formatter, platform::FormatIpv4, under the model's name).
std::string Ipv4Text(std::uint32_t address);

}  // namespace gw
