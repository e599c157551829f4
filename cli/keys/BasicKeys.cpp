// The Basic page's keys.
#include "keys/KeyTable.h"
#include "model/SerialConfig.h"
#include "model/Texts.h"
#include "pages/BasicDlg.h"
#include "pages/BasicMasks.h"

namespace gw::cli::keys {

std::vector<Field> BasicFields() {
  using pages::CBasicDlg;
  using C = const pages::BasicControls&;
  constexpr auto kPage = pages::PageId::Basic;
  const auto c = [](const CBasicDlg& page) -> C { return page.Controls(); };
  // The ranges the page checks at Apply, as it states them.
  const auto range = [](auto low, auto high) {
    return std::to_string(low) + "-" + std::to_string(high);
  };
  const std::string station = range(kStationLow, kStationHigh);
  return {
      TextField(
          "basic.module-name", kPage, "Module Name",
          ValueType::Text, [c](const CBasicDlg& p) -> auto& { return c(p).moduleName; },
          &CBasicDlg::OnModuleNameChanged),
      ListField(
          "basic.master", kPage,
          "Master Configuration", [c](const CBasicDlg& p) -> auto& { return c(p).master; },
          &CBasicDlg::OnMasterChanged),
      ListField(
          "basic.ip-configuration", kPage,
          "IP Configuration", [c](const CBasicDlg& p) -> auto& { return c(p).ipConfiguration; },
          &CBasicDlg::OnIpConfigurationChanged),
      AddressField(
          "basic.ip-address", kPage,
          "IP Address", [c](const CBasicDlg& p) -> auto& { return c(p).ipAddress; },
          &CBasicDlg::OnIpAddressFieldChanged),
      AddressField(
          "basic.netmask", kPage,
          "Netmask", [c](const CBasicDlg& p) -> auto& { return c(p).netmask; },
          &CBasicDlg::OnNetmaskFieldChanged),
      AddressField(
          "basic.gateway", kPage,
          "Gateway", [c](const CBasicDlg& p) -> auto& { return c(p).gateway; },
          &CBasicDlg::OnGatewayFieldChanged),
      SwitchField(
          "basic.ipv6", kPage,
          "Enable IPv6", [c](const CBasicDlg& p) -> auto& { return c(p).enableIpv6; },
          &CBasicDlg::OnEnableIpv6Clicked),
      TextField(
          "basic.ipv6-address", kPage, "IPv6 Address",
          ValueType::Text, [c](const CBasicDlg& p) -> auto& { return c(p).ipv6Address; },
          &CBasicDlg::OnIpv6AddressChanged, std::string(text::kIpv6Mask) + " (# a hex digit)"),
      ListField(
          "basic.com-protocol", kPage,
          "COM Protocol Setup", [c](const CBasicDlg& p) -> auto& { return c(p).comProtocol; },
          &CBasicDlg::OnComProtocolChanged),
      ListField(
          "basic.baudrate", kPage,
          "Baudrate", [c](const CBasicDlg& p) -> auto& { return c(p).baudrate; },
          &CBasicDlg::OnBaudrateChanged),
      ListField(
          "basic.data-length", kPage,
          "Data Length", [c](const CBasicDlg& p) -> auto& { return c(p).dataLength; },
          &CBasicDlg::OnDataLengthChanged),
      ListField(
          "basic.parity", kPage, "Parity", [c](const CBasicDlg& p) -> auto& { return c(p).parity; },
          &CBasicDlg::OnParityChanged),
      ListField(
          "basic.stop-bits", kPage,
          "Stop Bits", [c](const CBasicDlg& p) -> auto& { return c(p).stopBits; },
          &CBasicDlg::OnStopBitsChanged),
      ListField(
          "basic.mode", kPage, "Mode", [c](const CBasicDlg& p) -> auto& { return c(p).mode; },
          &CBasicDlg::OnModeChanged),
      TextField(
          "basic.station-address", kPage, "Station Address",
          ValueType::Integer, [c](const CBasicDlg& p) -> auto& { return c(p).stationAddress; },
          &CBasicDlg::OnStationAddressChanged, station),
      TextField(
          "basic.keep-alive", kPage, "Keep Alive Time (s)",
          ValueType::Integer, [c](const CBasicDlg& p) -> auto& { return c(p).keepAlive; },
          &CBasicDlg::OnKeepAliveChanged, range(pages::kKeepAliveLow, pages::kTimerHigh)),
      TextField(
          "basic.modbus-timeout", kPage, "Modbus Timeout (ms)",
          ValueType::Integer, [c](const CBasicDlg& p) -> auto& { return c(p).modbusTimeout; },
          &CBasicDlg::OnModbusTimeoutChanged, range(pages::kModbusTimeoutLow, pages::kTimerHigh)),
      TextField(
          "basic.delay-time", kPage, "Delay Time (ms)",
          ValueType::Integer, [c](const CBasicDlg& p) -> auto& { return c(p).delayTime; },
          &CBasicDlg::OnDelayTimeChanged, range(pages::kDelayTimeLow, pages::kTimerHigh)),
  };
}

}  // namespace gw::cli::keys
