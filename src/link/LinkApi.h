#pragma once
// The document's link function table: the entry points of the transport
// library (PortLink) and of the Modbus library (MbKit), resolved by name at
// run time. Addresses passed in are IPv4 values in network order (as read
// from a node record with a native 32-bit load); GetRemoteIPAddr answers in
// host order.

#include <cstdint>

namespace gw {

struct PortLinkApi {
  using OpenSerialFn = int (*)(int port);
  using OpenSerialExFn = int (*)(int port, int baud, int dataBits, int parity, int stopBits);
  using VoidFn = void (*)();
  using SetIntFn = void (*)(int value);
  using GetIntFn = int (*)();
  using OpenModbusTCPSocketFn = int (*)(std::uint32_t ipNetworkOrder);
  using OpenSocketFn = int (*)(int type, std::uint32_t ipNetworkOrder, int localPort,
                               int remotePort, int flags);
  using ReadSelectFn = int (*)(int milliseconds);
  using SetRemoteIPAddrFn = void (*)(std::uint32_t ipNetworkOrder);
  using GetRemoteIPAddrFn = std::uint32_t (*)();
  using RequestDataFn = int (*)(int station, int function, const std::uint8_t* data, int length);
  using ResponseDataFn = int (*)(std::int32_t* first, std::int32_t* second, std::uint8_t* data);
  using SendDataFn = int (*)(const std::uint8_t* data, int length);
  using RecvDataFn = int (*)(std::uint8_t* buffer, int capacity);
  using SetSerializeDataFn = int (*)(const std::uint8_t* data, int length);
  using GetSerializeDataFn = int (*)(std::uint8_t* buffer);

  void* module = nullptr;
  OpenSerialFn OpenSerial = nullptr;
  OpenSerialExFn OpenSerialEx = nullptr;
  VoidFn CloseSerial = nullptr;
  SetIntFn SetCOMPortNum = nullptr;
  GetIntFn GetCOMPortNum = nullptr;
  GetIntFn GetLastSerialErr = nullptr;
  VoidFn ResetSerialErr = nullptr;
  OpenModbusTCPSocketFn OpenModbusTCPSocket = nullptr;
  OpenSocketFn OpenSocket = nullptr;
  VoidFn CloseSocket = nullptr;
  ReadSelectFn ReadSelect = nullptr;
  SetRemoteIPAddrFn SetRemoteIPAddr = nullptr;
  GetRemoteIPAddrFn GetRemoteIPAddr = nullptr;
  GetIntFn GetLastSocketErr = nullptr;
  VoidFn ResetSocketErr = nullptr;
  RequestDataFn RequestData = nullptr;
  ResponseDataFn ResponseData = nullptr;
  SendDataFn SendData = nullptr;
  RecvDataFn RecvData = nullptr;
  SetIntFn SetCommType = nullptr;
  GetIntFn GetCommType = nullptr;
  SetSerializeDataFn SetSerializeData = nullptr;
  GetSerializeDataFn GetSerializeData = nullptr;
};

struct MbKitApi {
  using OpenModbusSerialFn = int (*)(const char* port, int baud, int dataBits, int parity,
                                     int stopBits, int mode);

  void* module = nullptr;
  OpenModbusSerialFn OpenModbusSerial = nullptr;
  PortLinkApi::VoidFn CloseSerial = nullptr;
  PortLinkApi::OpenModbusTCPSocketFn OpenModbusTCPSocket = nullptr;
  PortLinkApi::VoidFn CloseSocket = nullptr;
  PortLinkApi::ReadSelectFn ReadSelect = nullptr;
  PortLinkApi::RequestDataFn RequestData = nullptr;
  PortLinkApi::ResponseDataFn ResponseData = nullptr;
};

// Comm types as the transport reports them.
inline constexpr int kCommSerial = 0;
inline constexpr int kCommEthernet = 1;

// The configuration protocol's UDP port and the arguments OpenSocket takes.
inline constexpr int kConfigPort = 20006;
inline constexpr int kSocketDatagram = 2;
inline constexpr int kSocketFlags = 3;

}  // namespace gw
