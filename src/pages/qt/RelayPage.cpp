#include "RelayPage.h"

#include "ui_RelayPage.h"

namespace gw::pages {

CRelayPage::CRelayPage(SheetRules& sheet, int index) : CFormPage(sheet, index) {
  table_ = std::make_unique<CGridAdapter>(Dialog().Grid(), ui_->relayTable);
  Refresh();
}

CRelayPage::~CRelayPage() = default;

void CRelayPage::Mirror() { ui_->relayTable->Refresh(); }

}  // namespace gw::pages
