// The Basic page's writes: staging blocks 0 and 11 in the outgoing image with
// the range checks, Apply, and the single read of Refresh.
#include <algorithm>
#include <chrono>

#include "BasicDlg.h"
#include "link/RequestCodes.h"
#include "model/SerialConfig.h"
#include "model/Texts.h"
#include "pages/BasicMasks.h"
#include "pages/PageInput.h"

namespace gw::pages {

namespace {

// Refresh reads block 0 once and gives the module this long to answer.
constexpr std::chrono::milliseconds kRefreshWait{200};

void CopyInto(Bytes dst, ConstBytes src) { std::copy(src.begin(), src.end(), dst.begin()); }

}  // namespace

bool CBasicDlg::OnApply() {
  if (CurrentRecord() == nullptr) return true;
  if (!Stage()) {
    NotifyChanged();
    return false;
  }
  if (networkMask_ != 0) WriteStagedBlock(kNetworkBlock);
  if (serialMask_ != 0) WriteStagedBlock(kSerialBlock);
  // The module no longer answers configuration on the serial link once COM1
  // carries a protocol.
  if (SelectedProtocolUsesCom1() && CommTypeCopy() == kCommSerial) CloseSheet();
  Load();
  NotifyChanged();
  return true;
}

void CBasicDlg::OnRefreshClicked() {
  if (CurrentRecord() == nullptr || !c_.refresh.visible || !c_.refresh.enabled) return;
  // One try, no reply code judged: the reply lands in the record.
  if (LinkNotOpened(PollBlock(kNetworkBlock, kRefreshWait))) {
    Ui().Message(text::kCommunicationError);
  }
  Load();
  NotifyChanged();
}

bool CBasicDlg::Stage() {
  const NodeRecord& node = *CurrentRecord();
  NodeRecord& outgoing = Nodes().Outgoing();
  const Bytes out0 = outgoing.Block(kNetworkBlock);
  const Bytes out11 = outgoing.Block(kSerialBlock);
  std::fill(out0.begin(), out0.end(), std::uint8_t{0});
  // Fields this page does not edit go back as the module sent them.
  CopyInto(out11, node.Block(kSerialBlock));

  StageNetwork(out0, node.Block(kNetworkBlock));
  StageSerial(out11, node.Block(kSerialBlock));
  if (!CheckStation(node.Block(kSerialBlock), true)) return false;
  if (!CheckTimers(out11, node.Block(kSerialBlock))) return false;

  StoreBE32(out0, kChangeMask, networkMask_);
  StoreBE32(out11, kChangeMask, serialMask_);
  return true;
}

void CBasicDlg::StageNetwork(Bytes out, ConstBytes record) {
  // An empty name is never sent as a change.
  if (c_.moduleName.text.empty()) networkMask_ &= ~netbits::ModuleName;
  StoreText(out.subspan(net::ModuleName, net::kModuleNameSize), c_.moduleName.text);

  // A value equal to the module's is not rewritten. After a parameter import
  // the record holds the file's values rather than the module's, so every
  // marked value goes out.
  const bool dropUnchanged = !replacedParameters_;
  if (networkMask_ & netbits::IpConfiguration) {
    const int selection = c_.ipConfiguration.selection;
    if (!c_.ipConfiguration.Holds(selection) ||
        (dropUnchanged && selection == LoadBE16(record, net::IpConfiguration))) {
      networkMask_ &= ~netbits::IpConfiguration;
    } else {
      StoreBE16(out, net::IpConfiguration, static_cast<std::uint16_t>(selection));
    }
  }
  const auto stageAddress = [&](const AddressControl& control, std::size_t offset,
                                std::uint32_t bit) {
    if (!(networkMask_ & bit)) return;
    if (dropUnchanged && control.Value() == LoadBE32(record, offset)) {
      networkMask_ &= ~bit;
    } else {
      StoreBE32(out, offset, control.Value());
    }
  };
  stageAddress(c_.ipAddress, net::IpAddress, netbits::IpAddress);
  stageAddress(c_.netmask, net::Netmask, netbits::Netmask);
  stageAddress(c_.gateway, net::Gateway, netbits::Gateway);

  if (HasIpv6AndDeviceServer(FirmwareNumber())) {
    if (c_.enableIpv6.checked) StoreBE16(out, net::Ipv6Enable, 1);
    if (!c_.ipv6Address.text.empty()) {
      const auto address = ParseIpv6Text(c_.ipv6Address.text);
      CopyInto(out.subspan(net::Ipv6Address, net::kIpv6Size), address);
    }
  }
}

void CBasicDlg::StageSerial(Bytes out, ConstBytes record) {
  std::uint16_t comConfig = 0;
  if (c_.comProtocol.Holds(c_.comProtocol.selection)) {
    comConfig |= ProtocolBit(static_cast<ComProtocol>(c_.comProtocol.selection));
  }
  const bool rtu = c_.mode.selection == kModeRtuIndex;
  if (rtu) comConfig |= comconfig::kModeRtu;
  if (c_.dataLength.selection == kDataLength8Index ||
      ForcesDataLength8(rtu, SelectedProtocolIsModbus())) {
    comConfig |= comconfig::kDataLength8;
  }
  if (c_.parity.Holds(c_.parity.selection)) comConfig |= ParityBits(c_.parity.selection);
  if (c_.stopBits.selection == kTwoStopBitsIndex) comConfig |= comconfig::kTwoStopBits;
  if (c_.master.selection == kMasterSerialSlave) comConfig |= comconfig::kSerialSlave;
  if (c_.master.selection == kMasterDeviceServer && HasIpv6AndDeviceServer(FirmwareNumber())) {
    comConfig |= comconfig::kSerialDeviceServer;
  }
  StoreBE16(out, serial::ComConfig, comConfig);

  // Only the code of the protocol's port changes.
  const auto code = static_cast<std::uint8_t>(c_.baudrate.selection + 1);
  StoreBE16(out, serial::BaudCodes,
            WithBaudCode(LoadBE16(record, serial::BaudCodes), SelectedProtocolUsesCom1(), code));

  StoreBE16(out, serial::StationAddress, LeadingNumber16(c_.stationAddress.text));
}

bool CBasicDlg::CheckTimers(Bytes out, ConstBytes record) {
  struct Timer {
    TextControl& edit;
    std::size_t offset;
    std::uint32_t low;
    bool focus;
  };
  const Timer timers[] = {
      {c_.keepAlive, serial::KeepAliveTime, kKeepAliveLow, true},
      {c_.modbusTimeout, serial::ModbusTimeout, kModbusTimeoutLow, true},
      {c_.delayTime, serial::DelayTime, kDelayTimeLow, false},
  };
  for (const Timer& timer : timers) {
    const auto value = ParseDecimal(timer.edit.text);
    if (!value || *value < timer.low || *value > kTimerHigh) {
      Ui().Message(text::kOutOfRange);
      timer.edit.text = std::to_string(LoadBE16(record, timer.offset));
      if (timer.focus) RequestFocus(timer.edit, true);
      return false;
    }
    StoreBE16(out, timer.offset, static_cast<std::uint16_t>(*value));
  }
  return true;
}

}  // namespace gw::pages
