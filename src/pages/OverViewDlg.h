#pragma once
// The "Overview" page: who the current module is, as last read. It warns at
// open when the module's last reply said that another client is connected or
// changing it, and writes nothing.

#include "pages/PropertyPage.h"

namespace gw::pages {

struct OverviewTexts {
  std::string module;           // always "NXG4120-T"
  std::string ipAddress;        // "a.b.c.d" (a read-only edit: selectable)
  std::string macAddress;       // "AA:BB:CC:DD:EE:FF"
  std::string firmwareVersion;  // "1.55"
  std::string diDoPoints;       // "8 / 2"
};

class COverViewDlg : public PropertyPage {
 public:
  COverViewDlg() : PropertyPage("Overview") {}

  const OverviewTexts& Texts() const { return texts_; }

  // The warning for the node's last reply code, then Refresh. Activation is
  // the default: the page stays reachable while the node is locked.
  void OnInitDialog() override;
  // After a parameter import: Refresh.
  void OnSiblingQuery() override { Refresh(); }

 private:
  void Refresh();

  OverviewTexts texts_;
};

}  // namespace gw::pages
