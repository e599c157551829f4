#pragma once
// The "IP Filter" page: the module's access filter, a switch and eight
// address/netmask pairs. With the switch on, only the addresses the list
// admits may reach the module. It writes the IpFilterBlock (block 6).

#include <array>
#include <cstdint>

#include "model/ChangeMasks.h"
#include "pages/PropertyPage.h"

namespace gw::pages {

inline constexpr std::size_t kFilterEntries = ipfilter::kEntries;

struct IpFilterControls {
  CheckControl enable;  // "Enable IP Filter  (Only the IP address listed below ...)"
  // Rows "1." to "8." of "IP Filter Setup".
  std::array<AddressControl, kFilterEntries> address;
  std::array<AddressControl, kFilterEntries> netmask;
};

// Whether an entry (address, netmask) of a filter admits `host`: an entry
// whose address is 0.0.0.0 is unused and admits nothing.
bool FilterAdmits(std::uint32_t address, std::uint32_t netmask, std::uint32_t host);

class CIPFilterDlg : public PropertyPage {
 public:
  CIPFilterDlg();

  const IpFilterControls& Controls() const { return c_; }
  std::uint32_t ChangeMask() const { return mask_; }

  void OnInitDialog() override;
  bool OnSetActive() override { return !DocumentLocked(); }
  // Writes block 6 when its mask is not 0. With the switch on and this
  // computer left out of the list, asks first; No sends nothing.
  bool OnApply() override;
  // After a parameter import: reload and mark the switch and every entry.
  void OnSiblingQuery() override;

  // --- Handlers, one per user event; `entry` 0 is row "1.".
  void OnEnableClicked(bool checked);
  // A field (0 to 3) of an address changed; -1 for a field left blank.
  void OnAddressFieldChanged(int entry, int field, int value);
  void OnNetmaskFieldChanged(int entry, int field, int value);

 private:
  void Load();
  void ApplyEnableRule();
  void Stage();
  void EntryChanged(AddressControl* control, int entry, int field, int value);
  // False when the user declines a filter that leaves this computer out.
  bool ConfirmLockOut();

  IpFilterControls c_;
  std::uint32_t mask_ = 0;
};

}  // namespace gw::pages
