// The Basic page's controls: loading them from the record, their enable
// rules, and the handlers of the user's changes.
#include "BasicDlg.h"

#include <algorithm>
#include <string>

#include "model/SerialConfig.h"
#include "model/Texts.h"
#include "pages/BasicMasks.h"
#include "pages/PageInput.h"
#include "report/ParameterReportTexts.h"

namespace gw::pages {

namespace {

constexpr std::size_t kModuleNameLimit = 31;
constexpr std::size_t kStationLimit = 3;
constexpr std::size_t kTimerLimit = 5;
constexpr int kIpConfigurationDhcp = 1;
// The IP address control's fields: no network 0 or class D/E first byte, no
// broadcast in the others, no host 0.
constexpr std::array<FieldRange, AddressControl::kFields> kIpAddressRanges = {
    {{1, 223}, {0, 254}, {0, 254}, {1, 254}}};

}  // namespace

CBasicDlg::CBasicDlg() : PropertyPage("Basic") {
  c_.moduleName.maxLength = kModuleNameLimit;
  // The third entry comes with firmware that knows it (Load).
  c_.master.items = {std::string(lists::kMasters[kMasterSerialMaster]),
                     std::string(lists::kMasters[kMasterSerialSlave])};
  c_.ipConfiguration.items = Items(lists::kIpConfigurations);
  c_.enableIpv6.visible = false;
  c_.ipv6Address.visible = false;
  c_.ipv6Address.maxLength = std::string_view(text::kIpv6Mask).size();
  c_.comProtocol.items = Items(lists::kProtocols);
  c_.baudrate.items = Items(lists::kBaudRates);
  c_.dataLength.items = Items(lists::kDataLengths);
  c_.parity.items = Items(lists::kParities);
  c_.stopBits.items = Items(lists::kStopBits);
  c_.mode.items = Items(lists::kModes);
  c_.stationAddress.maxLength = kStationLimit;
  c_.keepAlive.maxLength = kTimerLimit;
  c_.modbusTimeout.maxLength = kTimerLimit;
  c_.delayTime.maxLength = kTimerLimit;
}

void CBasicDlg::OnInitDialog() {
  c_.ipv6Address.inputMask = text::kIpv6Mask;
  Load();
  NotifyChanged();
}

void CBasicDlg::OnSiblingQuery() {
  Load();
  replacedParameters_ = true;
  SetModified(true);
  networkMask_ = kBasicAll;
  serialMask_ = serialbits::Any;
  NotifyChanged();
}

void CBasicDlg::Load() {
  const NodeRecord* node = CurrentRecord();
  if (node == nullptr) return;
  const int firmware = FirmwareNumber();
  const ConstBytes network = node->Block(kNetworkBlock);
  const ConstBytes serialBlock = node->Block(kSerialBlock);

  c_.moduleName.text = LoadText(network.subspan(net::ModuleName, net::kModuleNameSize));
  c_.ipConfiguration.Select(LoadBE16(network, net::IpConfiguration));
  c_.ipAddress.SetValue(LoadBE32(network, net::IpAddress));
  c_.netmask.SetValue(LoadBE32(network, net::Netmask));
  c_.gateway.SetValue(LoadBE32(network, net::Gateway));
  c_.refresh.visible = c_.ipAddress.Value() == 0;
  c_.ipAddress.ranges = kIpAddressRanges;

  if (HasIpv6AndDeviceServer(firmware)) {
    if (!c_.master.Holds(kMasterDeviceServer)) {
      c_.master.items.emplace_back(lists::kMasters[kMasterDeviceServer]);
    }
    c_.enableIpv6.visible = true;
    c_.ipv6Address.visible = true;
    c_.enableIpv6.checked = LoadBE16(network, net::Ipv6Enable) != 0;
    c_.ipv6Address.text = report::Ipv6Text(network.subspan(net::Ipv6Address, net::kIpv6Size));
  }

  const std::uint16_t station = LoadBE16(serialBlock, serial::StationAddress);
  c_.stationAddress.text = std::to_string(station);
  c_.stationSpin.low = kStationLow;
  c_.stationSpin.high = kStationHigh;
  c_.stationSpin.position = station;

  const std::uint16_t comConfig = LoadBE16(serialBlock, serial::ComConfig);
  c_.mode.Select(ModeIndex(comConfig));
  c_.comProtocol.Select(static_cast<int>(ProtocolOf(comConfig)));
  c_.master.Select(MasterIndex(comConfig, firmware));
  c_.dataLength.Select(DataLengthIndex(comConfig));
  if (const int parity = ParityIndex(comConfig); parity >= 0) c_.parity.Select(parity);
  c_.stopBits.Select(StopBitsIndex(comConfig));
  ShowBaudOfSelectedPort();

  c_.keepAlive.text = std::to_string(LoadBE16(serialBlock, serial::KeepAliveTime));
  c_.modbusTimeout.text = std::to_string(LoadBE16(serialBlock, serial::ModbusTimeout));
  c_.delayTime.text = std::to_string(LoadBE16(serialBlock, serial::DelayTime));

  ApplyEnableRules();
  SetModified(false);
  networkMask_ = 0;
  serialMask_ = 0;
  replacedParameters_ = false;
}

void CBasicDlg::ApplyEnableRules() {
  for (Control* control : std::initializer_list<Control*>{
           &c_.moduleName, &c_.master, &c_.ipConfiguration, &c_.refresh, &c_.enableIpv6,
           &c_.ipv6Address, &c_.comProtocol, &c_.baudrate, &c_.parity, &c_.stopBits,
           &c_.stationAddress, &c_.stationSpin, &c_.keepAlive, &c_.modbusTimeout, &c_.delayTime}) {
    control->enabled = true;
  }
  ApplyIpEnableRule();
  ApplySerialEnableRules();
}

void CBasicDlg::ApplyIpEnableRule() {
  const bool fixed = c_.ipConfiguration.selection != kIpConfigurationDhcp;
  c_.ipAddress.enabled = fixed;
  c_.netmask.enabled = fixed;
  c_.gateway.enabled = fixed;
}

void CBasicDlg::ApplySerialEnableRules() {
  const bool modbus = SelectedProtocolIsModbus();
  c_.mode.enabled = modbus;
  c_.dataLength.enabled = !ForcesDataLength8(c_.mode.selection == kModeRtuIndex, modbus);
}

bool CBasicDlg::SelectedProtocolUsesCom1() const {
  return c_.comProtocol.Holds(c_.comProtocol.selection) &&
         UsesCom1(static_cast<ComProtocol>(c_.comProtocol.selection));
}

bool CBasicDlg::SelectedProtocolIsModbus() const {
  return c_.comProtocol.Holds(c_.comProtocol.selection) &&
         !IsUserDefine(static_cast<ComProtocol>(c_.comProtocol.selection));
}

void CBasicDlg::ShowBaudOfSelectedPort() {
  const NodeRecord* node = CurrentRecord();
  if (node == nullptr) return;
  const std::uint16_t codes = LoadBE16(node->Block(kSerialBlock), serial::BaudCodes);
  c_.baudrate.Select(BaudCode(codes, SelectedProtocolUsesCom1()) - 1);
}

void CBasicDlg::NetworkChanged(std::uint32_t bits) {
  networkMask_ |= bits;
  SetModified(true);
  NotifyChanged();
}

void CBasicDlg::SerialChanged() {
  serialMask_ |= serialbits::Any;
  SetModified(true);
  NotifyChanged();
}

void CBasicDlg::OnModuleNameChanged(std::string_view text) {
  if (!c_.moduleName.enabled) return;
  c_.moduleName.SetTyped(text);
  NetworkChanged(netbits::ModuleName);
}

void CBasicDlg::OnIpConfigurationChanged(int index) {
  if (!c_.ipConfiguration.enabled || !c_.ipConfiguration.Holds(index)) return;
  c_.ipConfiguration.selection = index;
  ApplyIpEnableRule();
  NetworkChanged(kIpConfigurationChange);
}

void CBasicDlg::AddressFieldChanged(AddressControl& control, int field, int value,
                                    std::uint32_t bit) {
  if (control.TakeField(field, value)) NetworkChanged(bit);
}

void CBasicDlg::OnIpAddressFieldChanged(int field, int value) {
  AddressFieldChanged(c_.ipAddress, field, value, netbits::IpAddress);
}

void CBasicDlg::OnNetmaskFieldChanged(int field, int value) {
  AddressFieldChanged(c_.netmask, field, value, netbits::Netmask);
}

void CBasicDlg::OnGatewayFieldChanged(int field, int value) {
  AddressFieldChanged(c_.gateway, field, value, netbits::Gateway);
}

void CBasicDlg::OnEnableIpv6Clicked(bool checked) {
  if (!c_.enableIpv6.visible || !c_.enableIpv6.enabled) return;
  c_.enableIpv6.checked = checked;
  c_.ipv6Address.enabled = checked;
  NetworkChanged(netbits::Ipv6);
}

void CBasicDlg::OnIpv6AddressChanged(std::string_view text) {
  if (!c_.ipv6Address.visible || !c_.ipv6Address.enabled) return;
  c_.ipv6Address.SetTyped(text);
  NetworkChanged(netbits::Ipv6);
}

void CBasicDlg::OnComProtocolChanged(int index) {
  if (CurrentRecord() == nullptr) return;
  if (!c_.comProtocol.enabled || !c_.comProtocol.Holds(index)) return;
  ChangeComProtocol(index);
  NotifyChanged();
}

void CBasicDlg::ChangeComProtocol(int index) {
  constexpr int kUserDefineCom1 = static_cast<int>(ComProtocol::UserDefineCom1);
  constexpr int kUserDefineCom2 = static_cast<int>(ComProtocol::UserDefineCom2);
  // The dual mode of a Serial Device Server runs only User Define on COM1.
  if (HasIpv6AndDeviceServer(FirmwareNumber()) && c_.master.selection == kMasterDeviceServer &&
      index != kUserDefineCom1) {
    c_.comProtocol.selection = kUserDefineCom1;
    Ui().Message(index == kUserDefineCom2 ? text::kDualModeNoCom2 : text::kDualModeNoModbus);
    return;
  }
  c_.comProtocol.selection = index;
  ShowBaudOfSelectedPort();
  ApplySerialEnableRules();
  serialMask_ |= serialbits::Any;
  SetModified(true);
  if (SelectedProtocolUsesCom1()) Ui().Message(text::kRs232Configuration);
}

void CBasicDlg::OnMasterChanged(int index) {
  if (CurrentRecord() == nullptr) return;
  if (!c_.master.enabled || !c_.master.Holds(index)) return;
  c_.master.selection = index;
  if (HasIpv6AndDeviceServer(FirmwareNumber()) && index == kMasterDeviceServer) {
    ChangeComProtocol(static_cast<int>(ComProtocol::UserDefineCom1));
  }
  SerialChanged();
}

void CBasicDlg::OnModeChanged(int index) {
  if (!c_.mode.enabled || !c_.mode.Holds(index)) return;
  c_.mode.selection = index;
  if (ForcesDataLength8(index == kModeRtuIndex, SelectedProtocolIsModbus())) {
    c_.dataLength.selection = kDataLength8Index;
    c_.dataLength.enabled = false;
  } else {
    c_.dataLength.enabled = true;
  }
  SerialChanged();
}

namespace {

bool ChooseFrom(ListControl& list, int index) {
  if (!list.enabled || !list.Holds(index)) return false;
  list.selection = index;
  return true;
}

}  // namespace

void CBasicDlg::OnBaudrateChanged(int index) {
  if (ChooseFrom(c_.baudrate, index)) SerialChanged();
}

void CBasicDlg::OnDataLengthChanged(int index) {
  if (ChooseFrom(c_.dataLength, index)) SerialChanged();
}

void CBasicDlg::OnParityChanged(int index) {
  if (ChooseFrom(c_.parity, index)) SerialChanged();
}

void CBasicDlg::OnStopBitsChanged(int index) {
  if (ChooseFrom(c_.stopBits, index)) SerialChanged();
}

void CBasicDlg::OnStationAddressChanged(std::string_view text) {
  if (!c_.stationAddress.enabled) return;
  c_.stationAddress.SetTyped(text);
  const auto value = ParseDecimal(c_.stationAddress.text);
  if (value && *value >= kStationLow && *value <= kStationHigh) {
    c_.stationSpin.position = static_cast<int>(*value);
  }
  SerialChanged();
}

void CBasicDlg::OnStationAddressFocusLost() {
  const NodeRecord* node = CurrentRecord();
  if (node == nullptr) return;
  CheckStation(node->Block(kSerialBlock), false);
  NotifyChanged();
}

bool CBasicDlg::CheckStation(ConstBytes record, bool focus) {
  const auto value = ParseDecimal(c_.stationAddress.text);
  if (value && *value >= kStationLow && *value <= kStationHigh) return true;
  // The stored value is back before the message box takes the focus, so the
  // edit losing it finds nothing more to report.
  const std::uint16_t stored = LoadBE16(record, serial::StationAddress);
  c_.stationAddress.text = std::to_string(stored);
  c_.stationSpin.position = stored;
  if (focus) RequestFocus(c_.stationAddress, true);
  Ui().Message(text::kStationRange);
  return false;
}

void CBasicDlg::OnKeepAliveChanged(std::string_view text) {
  if (!c_.keepAlive.enabled) return;
  c_.keepAlive.SetTyped(text);
  SerialChanged();
}

void CBasicDlg::OnModbusTimeoutChanged(std::string_view text) {
  if (!c_.modbusTimeout.enabled) return;
  c_.modbusTimeout.SetTyped(text);
  SerialChanged();
}

void CBasicDlg::OnDelayTimeChanged(std::string_view text) {
  if (!c_.delayTime.enabled) return;
  c_.delayTime.SetTyped(text);
  SerialChanged();
}

}  // namespace gw::pages
