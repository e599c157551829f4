#pragma once
// The "Basic" page: the module's name, its network setup (IPv4, and IPv6 on
// firmware above 1.54), its serial protocol and port settings and its
// timers. It writes the NetworkBlock (block 0) and the SerialBlock (block 11)
// by their change masks, and always shows what the module reported last.

#include <cstdint>
#include <string_view>

#include "pages/PropertyPage.h"

namespace gw::pages {

// The page's controls, top to bottom.
struct BasicControls {
  TextControl moduleName;       // at most 31 characters
  ListControl master;           // "Serial Master", "Serial Slave" (+ "Serial Device Server")
  ListControl ipConfiguration;  // "Static", "DHCP"
  AddressControl ipAddress;
  Control refresh;  // the button beside the IP address
  AddressControl netmask;
  AddressControl gateway;
  CheckControl enableIpv6;     // hidden up to firmware 1.54
  TextControl ipv6Address;     // masked edit, hidden up to firmware 1.54
  ListControl comProtocol;     // "Modbus COM1 (RS-232)" ... "User Define COM2 (RS-485)"
  ListControl baudrate;        // "110" ... "115200": the code of the protocol's port
  ListControl dataLength;      // "7", "8"
  ListControl parity;          // "None", "Odd", "Even"
  ListControl stopBits;        // "1", "2"
  ListControl mode;            // "ASCII", "RTU"
  TextControl stationAddress;  // at most 3 characters
  SpinControl stationSpin;     // 1 to 247
  TextControl keepAlive;       // s, at most 5 characters
  TextControl modbusTimeout;   // ms, at most 5 characters
  TextControl delayTime;       // ms, at most 5 characters
};

class CBasicDlg : public PropertyPage {
 public:
  CBasicDlg();

  const BasicControls& Controls() const { return c_; }
  // The ChangeMask of block 0 and of block 11 the next Apply sends.
  std::uint32_t NetworkMask() const { return networkMask_; }
  std::uint32_t SerialMask() const { return serialMask_; }

  void OnInitDialog() override;
  // Refused while the document's locked flag is set.
  bool OnSetActive() override { return !DocumentLocked(); }
  // Stages both blocks (false, nothing sent, when a value is out of range),
  // writes the ones whose mask is not 0, and reloads.
  bool OnApply() override;
  // After a parameter import: reload and mark every field changed.
  void OnSiblingQuery() override;

  // --- Handlers, one per user event.
  void OnModuleNameChanged(std::string_view text);
  void OnMasterChanged(int index);
  void OnIpConfigurationChanged(int index);
  // A field (0 to 3) of an address changed; -1 for a field left blank.
  void OnIpAddressFieldChanged(int field, int value);
  void OnNetmaskFieldChanged(int field, int value);
  void OnGatewayFieldChanged(int field, int value);
  void OnRefreshClicked();
  void OnEnableIpv6Clicked(bool checked);
  void OnIpv6AddressChanged(std::string_view text);
  void OnComProtocolChanged(int index);
  void OnBaudrateChanged(int index);
  void OnDataLengthChanged(int index);
  void OnParityChanged(int index);
  void OnStopBitsChanged(int index);
  void OnModeChanged(int index);
  void OnStationAddressChanged(std::string_view text);
  void OnStationAddressFocusLost();
  void OnKeepAliveChanged(std::string_view text);
  void OnModbusTimeoutChanged(std::string_view text);
  void OnDelayTimeChanged(std::string_view text);

 private:
  // Fills every control from the current node's record and clears the masks.
  void Load();
  void ApplyEnableRules();
  void ApplyIpEnableRule();
  void ApplySerialEnableRules();
  // The COM protocol change after the selection `index` (also run by the
  // master configuration change).
  void ChangeComProtocol(int index);
  void ShowBaudOfSelectedPort();
  bool SelectedProtocolUsesCom1() const;
  bool SelectedProtocolIsModbus() const;
  void AddressFieldChanged(AddressControl& control, int field, int value, std::uint32_t bit);
  void SerialChanged();
  void NetworkChanged(std::uint32_t bits);

  // Composes blocks 0 and 11 in the outgoing image; false when the station or
  // a timer is out of range (its edit then holds the record's value again).
  bool Stage();
  void StageNetwork(Bytes out, ConstBytes record);
  void StageSerial(Bytes out, ConstBytes record);
  bool CheckTimers(Bytes out, ConstBytes record);
  // The station address must be 1 to 247: otherwise "Station range in
  // [1-247]" and the edit holds the record's value again (and asks for the
  // focus when `focus`). False when it was out of range.
  bool CheckStation(ConstBytes record, bool focus);

  BasicControls c_;
  std::uint32_t networkMask_ = 0;
  std::uint32_t serialMask_ = 0;
  // Set by the parameters-replaced query until the next Load: the record then
  // holds a parameter file's values, not the module's.
  bool replacedParameters_ = false;
};

}  // namespace gw::pages
