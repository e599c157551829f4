#include "UserDefDlg.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "model/SerialConfig.h"
#include "model/Texts.h"
#include "pages/PageInput.h"

namespace gw::pages {

namespace {

constexpr std::uint32_t kBlockChanged = 1u << 31;
constexpr std::size_t kPortLimit = 5;
constexpr std::size_t kFixLengthLimit = 3;
constexpr std::size_t kCharLimit = 2;
constexpr std::uint32_t kPortLow = 1024;
constexpr std::uint32_t kPortHigh = 65535;
constexpr std::uint32_t kFixLengthLow = 1;
constexpr std::uint32_t kFixLengthHigh = 256;
constexpr std::array<std::string_view, 3> kItemCounts = {"1", "2", "3"};

std::size_t EntryOf(int port) { return port == 0 ? userdef::Com1 : userdef::Com2; }

std::string HexText(std::uint8_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X", value);
  return text;
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

bool InRange(const TextControl& edit, std::uint32_t low, std::uint32_t high) {
  const auto value = ParseDecimal(edit.text);
  return value && *value >= low && *value <= high;
}

void SetChar(TextControl& edit, std::string_view text) {
  if (edit.enabled) edit.SetTyped(Upper(text));
}

}  // namespace

CUserDefDlg::CUserDefDlg() : PropertyPage("User Define") {
  for (PortControls& p : c_.port) {
    p.listenPort.maxLength = kPortLimit;
    p.destinationPort.maxLength = kPortLimit;
    p.fixLengthBytes.maxLength = kFixLengthLimit;
    p.startCount.items = Items(kItemCounts);
    p.stopCount.items = Items(kItemCounts);
    for (auto* chars : {&p.startChars, &p.stopChars}) {
      for (TextControl& edit : *chars) edit.maxLength = kCharLimit;
    }
  }
}

void CUserDefDlg::OnInitDialog() {
  Load();
  NotifyChanged();
}

void CUserDefDlg::OnSiblingQuery() {
  Load();
  SetModified(true);
  mask_ = kBlockChanged;
  NotifyChanged();
}

PortControls* CUserDefDlg::Port(int port) {
  return port >= 0 && port < kUserDefinePorts ? &c_.port[static_cast<std::size_t>(port)] : nullptr;
}

void CUserDefDlg::Load() {
  const NodeRecord* node = CurrentRecord();
  if (node == nullptr) return;
  const ConstBytes block = node->Block(kUserDefineBlock);
  for (int port = 0; port < kUserDefinePorts; ++port) {
    PortControls& p = *Port(port);
    const ConstBytes e = block.subspan(EntryOf(port), userdef::kEntrySize);
    const std::uint8_t switches = e[userdef::FramingSwitches];
    p.fixLength.checked = (switches & userdef::kFixLengthOn) != 0;
    p.startItem.checked = (switches & userdef::kStartItemOn) != 0;
    p.stopItem.checked = (switches & userdef::kStopItemOn) != 0;
    p.listenPort.text = std::to_string(LoadBE16(e, userdef::ListenPort));
    p.destinationPort.text = std::to_string(LoadBE16(e, userdef::DestinationPort));
    p.fixLengthBytes.text = std::to_string(LoadBE16(e, userdef::FixLength));
    p.destinationIp.SetValue(LoadBE32(e, userdef::DestinationIp));
    p.startCount.Select(e[userdef::StartCount] - 1);
    p.stopCount.Select(e[userdef::StopCount] - 1);
    for (std::size_t i = 0; i < userdef::kItemChars; ++i) {
      p.startChars[i].text = HexText(e[userdef::StartChars + i]);
      p.stopChars[i].text = HexText(e[userdef::StopChars + i]);
    }
  }
  ApplyEnableRules();
  SetModified(false);
  mask_ = 0;
}

void CUserDefDlg::ApplyEnableRules() {
  // Driven by the COM protocol the module reported last, not by an unsaved
  // choice on the Basic page.
  const std::uint16_t comConfig = LoadBE16(CurrentRecord()->Block(kSerialBlock), serial::ComConfig);
  const ComProtocol protocol = ProtocolOf(comConfig);
  const int userPort = !IsUserDefine(protocol) ? -1 : UsesCom1(protocol) ? 0 : 1;
  const bool deviceServer =
      HasIpv6AndDeviceServer(FirmwareNumber()) && (comConfig & comconfig::kSerialDeviceServer);
  const bool slave = (comConfig & comconfig::kSerialSlave) != 0;
  for (int port = 0; port < kUserDefinePorts; ++port) {
    PortControls& p = *Port(port);
    const bool on = port == userPort;
    const bool framing = on && !deviceServer;
    p.listenPort.enabled = on && (deviceServer || !slave);
    p.destinationIp.enabled = framing && slave;
    p.destinationPort.enabled = framing && slave;
    p.fixLength.enabled = framing;
    p.startItem.enabled = framing;
    p.stopItem.enabled = framing;
    p.fixLengthBytes.enabled = framing && p.fixLength.checked;
    p.startCount.enabled = framing && p.startItem.checked;
    p.stopCount.enabled = framing && p.stopItem.checked;
    for (TextControl& edit : p.startChars) edit.enabled = p.startCount.enabled;
    for (TextControl& edit : p.stopChars) edit.enabled = p.stopCount.enabled;
  }
}

void CUserDefDlg::Changed() {
  mask_ |= kBlockChanged;
  SetModified(true);
  NotifyChanged();
}

void CUserDefDlg::OnListenPortChanged(int port, std::string_view text) {
  PortControls* p = Port(port);
  if (p == nullptr || !p->listenPort.enabled) return;
  p->listenPort.SetTyped(text);
  Changed();
}

void CUserDefDlg::OnDestinationFieldChanged(int port, int field, int value) {
  PortControls* p = Port(port);
  if (p != nullptr && p->destinationIp.TakeField(field, value)) Changed();
}

void CUserDefDlg::OnDestinationPortChanged(int port, std::string_view text) {
  PortControls* p = Port(port);
  if (p == nullptr || !p->destinationPort.enabled) return;
  p->destinationPort.SetTyped(text);
  Changed();
}

void CUserDefDlg::OnFixLengthClicked(int port, bool checked) {
  PortControls* p = Port(port);
  if (p == nullptr || !p->fixLength.enabled) return;
  p->fixLength.checked = checked;
  ApplyEnableRules();
  Changed();
}

void CUserDefDlg::OnFixLengthChanged(int port, std::string_view text) {
  PortControls* p = Port(port);
  if (p == nullptr || !p->fixLengthBytes.enabled) return;
  p->fixLengthBytes.SetTyped(text);
  Changed();
}

void CUserDefDlg::OnStartItemClicked(int port, bool checked) {
  PortControls* p = Port(port);
  if (p == nullptr || !p->startItem.enabled) return;
  p->startItem.checked = checked;
  ApplyEnableRules();
  Changed();
}

void CUserDefDlg::OnStopItemClicked(int port, bool checked) {
  PortControls* p = Port(port);
  if (p == nullptr || !p->stopItem.enabled) return;
  p->stopItem.checked = checked;
  ApplyEnableRules();
  Changed();
}

void CUserDefDlg::OnStartCountChanged(int port, int selection) {
  PortControls* p = Port(port);
  if (p == nullptr || !p->startCount.enabled || !p->startCount.Holds(selection)) return;
  p->startCount.selection = selection;
  Changed();
}

void CUserDefDlg::OnStopCountChanged(int port, int selection) {
  PortControls* p = Port(port);
  if (p == nullptr || !p->stopCount.enabled || !p->stopCount.Holds(selection)) return;
  p->stopCount.selection = selection;
  Changed();
}

void CUserDefDlg::OnStartCharChanged(int port, int index, std::string_view text) {
  PortControls* p = Port(port);
  if (p == nullptr || index < 0 || index >= static_cast<int>(userdef::kItemChars)) return;
  SetChar(p->startChars[static_cast<std::size_t>(index)], text);
  Changed();
}

void CUserDefDlg::OnStopCharChanged(int port, int index, std::string_view text) {
  PortControls* p = Port(port);
  if (p == nullptr || index < 0 || index >= static_cast<int>(userdef::kItemChars)) return;
  SetChar(p->stopChars[static_cast<std::size_t>(index)], text);
  Changed();
}

bool CUserDefDlg::Refuse(const char* message, TextControl& edit, std::string restored) {
  edit.text = std::move(restored);
  RequestFocus(edit, true);
  Ui().Message(message);
  return false;
}

bool CUserDefDlg::CheckPort(int port, Bytes out, ConstBytes record) {
  PortControls& p = *Port(port);
  const PortControls& other = *Port(1 - port);
  const Bytes e = out.subspan(EntryOf(port), userdef::kEntrySize);
  const ConstBytes stored = record.subspan(EntryOf(port), userdef::kEntrySize);
  const auto storedWord = [&stored](std::size_t offset) {
    return std::to_string(LoadBE16(stored, offset));
  };

  if (!InRange(p.listenPort, kPortLow, kPortHigh)) {
    return Refuse(text::kListenPortRange, p.listenPort, storedWord(userdef::ListenPort));
  }
  if (p.listenPort.text == other.listenPort.text) {
    return Refuse(port == 0 ? text::kListenPortSameAsCom2 : text::kListenPortSameAsCom1,
                  p.listenPort, storedWord(userdef::ListenPort));
  }
  StoreBE16(e, userdef::ListenPort, static_cast<std::uint16_t>(*ParseDecimal(p.listenPort.text)));

  if (!InRange(p.destinationPort, kPortLow, kPortHigh)) {
    return Refuse(text::kDestinationPortRange, p.destinationPort,
                  storedWord(userdef::DestinationPort));
  }
  if (p.destinationIp.Value() == other.destinationIp.Value() &&
      p.destinationPort.text == other.destinationPort.text) {
    p.destinationIp.SetValue(LoadBE32(stored, userdef::DestinationIp));
    return Refuse(port == 0 ? text::kDestinationSameAsCom2 : text::kDestinationSameAsCom1,
                  p.destinationPort, storedWord(userdef::DestinationPort));
  }
  StoreBE32(e, userdef::DestinationIp, p.destinationIp.Value());
  StoreBE16(e, userdef::DestinationPort,
            static_cast<std::uint16_t>(*ParseDecimal(p.destinationPort.text)));

  if (!InRange(p.fixLengthBytes, kFixLengthLow, kFixLengthHigh)) {
    return Refuse(text::kFixLengthRange, p.fixLengthBytes, storedWord(userdef::FixLength));
  }
  StoreBE16(e, userdef::FixLength,
            static_cast<std::uint16_t>(*ParseDecimal(p.fixLengthBytes.text)));

  e[userdef::StartCount] = static_cast<std::uint8_t>(p.startCount.selection + 1);
  e[userdef::StopCount] = static_cast<std::uint8_t>(p.stopCount.selection + 1);
  for (std::size_t i = 0; i < userdef::kItemChars; ++i) {
    e[userdef::StartChars + i] = HexTextByte(p.startChars[i].text);
    e[userdef::StopChars + i] = HexTextByte(p.stopChars[i].text);
  }
  return true;
}

bool CUserDefDlg::Stage() {
  const ConstBytes record = CurrentRecord()->Block(kUserDefineBlock);
  const Bytes out = Nodes().Outgoing().Block(kUserDefineBlock);
  // Bytes the page does not edit go back as the module sent them.
  std::copy(record.begin(), record.end(), out.begin());
  for (int port = 0; port < kUserDefinePorts; ++port) {
    const PortControls& p = *Port(port);
    std::uint8_t switches = 0;
    if (p.fixLength.checked) switches |= userdef::kFixLengthOn;
    if (p.startItem.checked) switches |= userdef::kStartItemOn;
    if (p.stopItem.checked) switches |= userdef::kStopItemOn;
    out[EntryOf(port) + userdef::FramingSwitches] = switches;
  }
  // Both ports, disabled ones too, in order; the first refusal stops.
  for (int port = 0; port < kUserDefinePorts; ++port) {
    if (!CheckPort(port, out, record)) return false;
  }
  StoreBE32(out, kChangeMask, mask_);
  return true;
}

bool CUserDefDlg::OnApply() {
  if (CurrentRecord() == nullptr) return true;
  if (!Stage()) {
    NotifyChanged();
    return false;
  }
  if (mask_ != 0) WriteStagedBlock(kUserDefineBlock);
  Load();
  NotifyChanged();
  return true;
}

}  // namespace gw::pages
