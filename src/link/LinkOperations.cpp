// Opening and closing the configuration link and the Modbus link.
#include <arpa/inet.h>

#include <cstdio>

#include "DeviceLink.h"
#include "model/Strings.h"

namespace gw {

namespace {

constexpr int kDataBits = 8;
constexpr int kParityNone = 'N';
constexpr int kStopBits = 1;
constexpr int kLocalPortAny = 0;
constexpr int kModbusSerialMode = 1;

}  // namespace

bool DeviceLink::OpenLink() {
  int result = 0;
  switch (CommType()) {
    case kCommSerial:
      result = portLink_.OpenSerialEx(portLink_.GetCOMPortNum(), kSerialBaud, kDataBits,
                                      kParityNone, kStopBits);
      break;
    case kCommEthernet:
      result = portLink_.OpenSocket(kSocketDatagram, htonl(portLink_.GetRemoteIPAddr()),
                                    kLocalPortAny, kConfigPort, kSocketFlags);
      break;
    default:
      return false;
  }
  if (result < 0) {
    ui_.Message(text::kCannotOpenDevice, Buttons::Ok, Icon::None);
    return false;
  }
  return true;
}

bool DeviceLink::CloseLink() {
  switch (CommType()) {
    case kCommSerial:
      portLink_.CloseSerial();
      return true;
    case kCommEthernet:
      portLink_.CloseSocket();
      return true;
    default:
      return false;
  }
}

bool DeviceLink::OpenModbusLink() {
  switch (CommType()) {
    case kCommSerial: {
      // The whole "COM<n>" name: MbKit maps COM numbers to devices itself,
      // and ports 10 and above keep their second digit.
      char name[16] = {};
      std::snprintf(name, sizeof name, "COM%d", portLink_.GetCOMPortNum());
      if (mbKit_.OpenModbusSerial(name, kSerialBaud, kDataBits, kParityNone, kStopBits,
                                  kModbusSerialMode) < 0) {
        ui_.Message(text::kCannotOpenDevice, Buttons::Ok, Icon::None);
        return false;
      }
      return true;
    }
    case kCommEthernet: {
      const NodeRecord* node = nodes_.CurrentRecord();
      if (node == nullptr) {
        ui_.Message(text::kCannotOpenDevice, Buttons::Ok, Icon::None);
        return false;
      }
      const std::uint32_t nodeAddress = htonl(node->IpAddress());
      if (mbKit_.OpenModbusTCPSocket(nodeAddress) < 0) {
        ui_.Message(text::kCannotOpenDevice, Buttons::Ok, Icon::None);
        return false;
      }
      // The transport's remote address follows the node while monitoring
      // runs; CloseModbusLink puts it back.
      savedRemoteAddress_ = portLink_.GetRemoteIPAddr();
      portLink_.SetRemoteIPAddr(nodeAddress);
      return true;
    }
    default:
      return false;
  }
}

bool DeviceLink::CloseModbusLink() {
  switch (CommType()) {
    case kCommSerial:
      mbKit_.CloseSerial();
      return true;
    case kCommEthernet:
      mbKit_.CloseSocket();
      portLink_.SetRemoteIPAddr(htonl(savedRemoteAddress_));
      return true;
    default:
      return false;
  }
}

}  // namespace gw
