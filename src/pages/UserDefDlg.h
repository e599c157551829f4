#pragma once
// The "User Define" page: the user-defined serial framing of COM1 (RS-232)
// and COM2 (RS-485), the TCP side of each port (a listen port as serial
// master, a destination as serial slave) and how a frame is delimited.
// Only the port the module's COM protocol gives to User Define can be
// edited; Apply checks both ports and writes the UserDefineBlock (block 13).

#include <array>
#include <cstdint>
#include <string_view>

#include "pages/PropertyPage.h"

namespace gw::pages {

// One port's group box.
struct PortControls {
  // "Serial Master"
  TextControl listenPort;  // at most 5 characters
  // "Serial Slave"
  AddressControl destinationIp;
  TextControl destinationPort;  // at most 5 characters
  CheckControl fixLength;
  TextControl fixLengthBytes;  // at most 3 characters
  CheckControl startItem;
  ListControl startCount;                 // "1", "2", "3"
  std::array<TextControl, 3> startChars;  // two hexadecimal digits each
  CheckControl stopItem;
  ListControl stopCount;
  std::array<TextControl, 3> stopChars;
};

// Port 0 is "COM1 (RS-232)", port 1 "COM2 (RS-485)".
inline constexpr int kUserDefinePorts = 2;

struct UserDefineControls {
  std::array<PortControls, kUserDefinePorts> port;
};

class CUserDefDlg : public PropertyPage {
 public:
  CUserDefDlg();

  const UserDefineControls& Controls() const { return c_; }
  std::uint32_t ChangeMask() const { return mask_; }

  void OnInitDialog() override;
  bool OnSetActive() override { return !DocumentLocked(); }
  // Checks both ports (false, nothing sent, at the first value refused: it
  // is put back from the record and its edit asks for the focus), then
  // writes block 13 when its mask is not 0.
  bool OnApply() override;
  // After a parameter import: reload and mark the block changed.
  void OnSiblingQuery() override;

  // --- Handlers, one per user event; `port` 0 is COM1, `index` a character
  // edit (0 to 2).
  void OnListenPortChanged(int port, std::string_view text);
  void OnDestinationFieldChanged(int port, int field, int value);
  void OnDestinationPortChanged(int port, std::string_view text);
  void OnFixLengthClicked(int port, bool checked);
  void OnFixLengthChanged(int port, std::string_view text);
  void OnStartItemClicked(int port, bool checked);
  void OnStartCountChanged(int port, int selection);
  void OnStartCharChanged(int port, int index, std::string_view text);
  void OnStopItemClicked(int port, bool checked);
  void OnStopCountChanged(int port, int selection);
  void OnStopCharChanged(int port, int index, std::string_view text);

 private:
  void Load();
  void ApplyEnableRules();
  void Changed();
  PortControls* Port(int port);
  bool Stage();
  // The checks of one port against the other, in order; false at the first
  // refusal.
  bool CheckPort(int port, Bytes out, ConstBytes record);
  // Puts the record's value back, selects the edit's text and refuses.
  bool Refuse(const char* message, TextControl& edit, std::string restored);

  UserDefineControls c_;
  std::uint32_t mask_ = 0;
};

}  // namespace gw::pages
