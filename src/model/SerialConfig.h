#pragma once
// The serial settings of the SerialBlock as the Basic page edits them, the
// parameter report prints them and the simulator fills them: the bits of the
// ComConfig word, the two baud codes of the BaudCodes word, the entries of the
// drop lists that show them, in list order, and the firmware that changes
// what they offer.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace gw {

// Firmware numbers above this one know the IPv6 fields and the "Serial Device
// Server" master configuration.
inline constexpr int kLastFirmwareWithoutIpv6 = 154;
inline constexpr bool HasIpv6AndDeviceServer(int firmwareNumber) {
  return firmwareNumber > kLastFirmwareWithoutIpv6;
}

// Bits of the SerialBlock's ComConfig word.
namespace comconfig {
inline constexpr std::uint16_t kDataLength8 = 1u << 0;
inline constexpr unsigned kParityShift = 1;  // bits 1-2: 0 None, 1 Odd, 3 Even
inline constexpr std::uint16_t kParityMask = 3u << kParityShift;
inline constexpr std::uint16_t kTwoStopBits = 1u << 3;
inline constexpr std::uint16_t kModeRtu = 1u << 8;
inline constexpr std::uint16_t kModbusCom1 = 1u << 9;
inline constexpr std::uint16_t kSerialSlave = 1u << 10;
inline constexpr std::uint16_t kUserDefineCom1 = 1u << 11;
inline constexpr std::uint16_t kSerialDeviceServer = 1u << 13;
inline constexpr std::uint16_t kUserDefineCom2 = 1u << 15;
}  // namespace comconfig

// The drop-list entries, in list order.
namespace lists {
inline constexpr std::array<std::string_view, 4> kProtocols = {
    "Modbus COM1 (RS-232)", "Modbus COM2 (RS-485)", "User Define COM1 (RS-232)",
    "User Define COM2 (RS-485)"};
// The third entry only for firmware that knows it.
inline constexpr std::array<std::string_view, 3> kMasters = {"Serial Master", "Serial Slave",
                                                             "Serial Device Server"};
inline constexpr std::array<std::string_view, 12> kBaudRates = {
    "110",  "150",  "300",   "600",   "1200",  "2400",
    "4800", "9600", "19200", "38400", "57600", "115200"};
inline constexpr std::array<std::string_view, 2> kDataLengths = {"7", "8"};
// List position 0, 1, 2 for the ComConfig parity field 0, 1, 3.
inline constexpr std::array<std::string_view, 3> kParities = {"None", "Odd", "Even"};
inline constexpr std::array<std::string_view, 2> kStopBits = {"1", "2"};
inline constexpr std::array<std::string_view, 2> kModes = {"ASCII", "RTU"};
inline constexpr std::array<std::string_view, 2> kIpConfigurations = {"Static", "DHCP"};
}  // namespace lists

// Data Length, Stop Bits and Mode list positions of the set bit.
inline constexpr int kDataLength8Index = 1;
inline constexpr int kTwoStopBitsIndex = 1;
inline constexpr int kModeRtuIndex = 1;

inline constexpr int DataLengthIndex(std::uint16_t comConfig) {
  return (comConfig & comconfig::kDataLength8) ? kDataLength8Index : 0;
}
inline constexpr int StopBitsIndex(std::uint16_t comConfig) {
  return (comConfig & comconfig::kTwoStopBits) ? kTwoStopBitsIndex : 0;
}
inline constexpr int ModeIndex(std::uint16_t comConfig) {
  return (comConfig & comconfig::kModeRtu) ? kModeRtuIndex : 0;
}

// RTU framing of Modbus takes 8 data bits whatever the Data Length list shows.
inline constexpr bool ForcesDataLength8(bool rtu, bool modbus) { return rtu && modbus; }

// The ComConfig parity field of each Parity list position; field 2 has no
// entry.
inline constexpr std::array<std::uint16_t, lists::kParities.size()> kParityFields = {0, 1, 3};
inline constexpr std::uint16_t ParityField(std::uint16_t comConfig) {
  return static_cast<std::uint16_t>((comConfig & comconfig::kParityMask) >>
                                    comconfig::kParityShift);
}
// The Parity list position of the word's parity field, or -1 when it has none.
inline constexpr int ParityIndex(std::uint16_t comConfig) {
  for (std::size_t i = 0; i < kParityFields.size(); ++i) {
    if (kParityFields[i] == ParityField(comConfig)) return static_cast<int>(i);
  }
  return -1;
}
// The ComConfig bits of a Parity list position (which must hold an entry).
inline constexpr std::uint16_t ParityBits(int index) {
  return static_cast<std::uint16_t>(kParityFields[static_cast<std::size_t>(index)]
                                    << comconfig::kParityShift);
}

// Modbus station addresses.
inline constexpr int kStationLow = 1;
inline constexpr int kStationHigh = 247;

// Master Configuration list positions.
inline constexpr int kMasterSerialMaster = 0;
inline constexpr int kMasterSerialSlave = 1;
inline constexpr int kMasterDeviceServer = 2;

// COM Protocol Setup, in the order of its drop list.
enum class ComProtocol { ModbusCom1 = 0, ModbusCom2 = 1, UserDefineCom1 = 2, UserDefineCom2 = 3 };

// User Define COM1 wins over User Define COM2, which wins over Modbus COM1;
// no protocol bit means Modbus COM2.
inline constexpr ComProtocol ProtocolOf(std::uint16_t comConfig) {
  if (comConfig & comconfig::kUserDefineCom1) return ComProtocol::UserDefineCom1;
  if (comConfig & comconfig::kUserDefineCom2) return ComProtocol::UserDefineCom2;
  if (comConfig & comconfig::kModbusCom1) return ComProtocol::ModbusCom1;
  return ComProtocol::ModbusCom2;
}
// The ComConfig bit of a protocol (none for Modbus COM2).
inline constexpr std::uint16_t ProtocolBit(ComProtocol protocol) {
  switch (protocol) {
    case ComProtocol::ModbusCom1:
      return comconfig::kModbusCom1;
    case ComProtocol::UserDefineCom1:
      return comconfig::kUserDefineCom1;
    case ComProtocol::UserDefineCom2:
      return comconfig::kUserDefineCom2;
    case ComProtocol::ModbusCom2:
      break;
  }
  return 0;
}
inline constexpr bool UsesCom1(ComProtocol protocol) {
  return protocol == ComProtocol::ModbusCom1 || protocol == ComProtocol::UserDefineCom1;
}
inline constexpr bool IsUserDefine(ComProtocol protocol) {
  return protocol == ComProtocol::UserDefineCom1 || protocol == ComProtocol::UserDefineCom2;
}

// Master Configuration list position: 1 for Serial Slave, plus 2 for Serial
// Device Server when the firmware knows it; 3 has no entry.
inline constexpr int MasterIndex(std::uint16_t comConfig, int firmwareNumber) {
  int index = (comConfig & comconfig::kSerialSlave) ? kMasterSerialSlave : kMasterSerialMaster;
  if (HasIpv6AndDeviceServer(firmwareNumber) && (comConfig & comconfig::kSerialDeviceServer)) {
    index += kMasterDeviceServer;
  }
  return index;
}

// BaudCodes: low byte COM1, high byte COM2; a code is the 1-based position in
// the Baudrate list (1 = 110 ... 12 = 115200).
inline constexpr std::uint8_t BaudCode(std::uint16_t baudCodes, bool com1) {
  return static_cast<std::uint8_t>(com1 ? baudCodes & 0xFF : baudCodes >> 8);
}
inline constexpr std::uint16_t WithBaudCode(std::uint16_t baudCodes, bool com1, std::uint8_t code) {
  return com1 ? static_cast<std::uint16_t>((baudCodes & 0xFF00) | code)
              : static_cast<std::uint16_t>((baudCodes & 0x00FF) | (code << 8));
}

}  // namespace gw
