#include "Monitor1Dlg.h"

#include "model/Texts.h"

namespace gw::monitor {

CMonitor1Dlg::CMonitor1Dlg() : PropertyPage("Monitor") {}

CDeviceMonitorPane& CMonitor1Dlg::Pane(Table table) {
  if (table == Table::Bits) return bits_;
  return words_;
}

void CMonitor1Dlg::OnInitDialog() {
  for (CDeviceMonitorPane* pane :
       {static_cast<CDeviceMonitorPane*>(&bits_), static_cast<CDeviceMonitorPane*>(&words_)}) {
    pane->SetDocument(Document());
    pane->SetTableListener([this] {
      SetModified();
      NotifyChanged();
    });
  }
  tabs_.AddPage(text::kBitDevice, &bits_);
  tabs_.AddPage(text::kWordDevice, &words_);
  tabs_.Show();
  bits_.OnInitDialog();
  words_.OnInitDialog();
}

void CMonitor1Dlg::OnKillActive() {
  bits_.Deactivate();
  words_.Deactivate();
}

bool CMonitor1Dlg::OnApply() {
  bits_.OnApply();
  words_.OnApply();
  return true;
}

void CMonitor1Dlg::OnSiblingQuery() {
  bits_.OnSiblingQuery();
  words_.OnSiblingQuery();
  SetModified();
  NotifyChanged();
}

}  // namespace gw::monitor
