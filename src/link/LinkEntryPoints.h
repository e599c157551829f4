#pragma once
// The one list of the transport libraries' entry points, by name, in the
// order the link binds them. The link's binding, the libraries' export lists
// (platform/*/exports.map, made from this file when the build is configured)
// and the tests all take the names from here. Keep one X(name) per line.

// PortLink: bound by the link, in this order.
#define GW_PORTLINK_ENTRY_POINTS(X) \
  X(OpenSerial)                     \
  X(CloseSerial)                    \
  X(OpenSerialEx)                   \
  X(SetCOMPortNum)                  \
  X(GetCOMPortNum)                  \
  X(GetLastSerialErr)               \
  X(ResetSerialErr)                 \
  X(OpenModbusTCPSocket)            \
  X(OpenSocket)                     \
  X(CloseSocket)                    \
  X(ReadSelect)                     \
  X(SetRemoteIPAddr)                \
  X(GetRemoteIPAddr)                \
  X(GetLastSocketErr)               \
  X(ResetSocketErr)                 \
  X(RequestData)                    \
  X(ResponseData)                   \
  X(SendData)                       \
  X(RecvData)                       \
  X(SetCommType)                    \
  X(GetCommType)                    \
  X(SetSerializeData)               \
  X(GetSerializeData)

// PortLink beyond what the link binds: the COM port devices and the saving
// of the settings, for the host's settings dialog and the command-line tool.
#define GW_PORTLINK_TOOL_ENTRY_POINTS(X) \
  X(SetCOMPortDevice)                    \
  X(GetCOMPortDevice)                    \
  X(SaveCommSettings)

// MbKit: bound by the link, in this order.
#define GW_MBKIT_ENTRY_POINTS(X) \
  X(OpenModbusSerial)            \
  X(CloseSerial)                 \
  X(OpenModbusTCPSocket)         \
  X(CloseSocket)                 \
  X(ReadSelect)                  \
  X(RequestData)                 \
  X(ResponseData)
