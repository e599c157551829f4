#include "MonitorPage.h"

#include <QVBoxLayout>

#include "monitor/qt/MonitorPaneWindow.h"
#include "pages/qt/ControlMirror.h"

namespace gw::monitor {

CMonitorPage::CMonitorPage(pages::SheetRules& sheet, int index)
    : CPageWindow(sheet, index), tabs_(new QTabWidget(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  tabs_->setObjectName(QStringLiteral("monitorTabs"));
  CTabSheet& sheetTabs = Dialog().Tabs();
  for (int i = 0; i < sheetTabs.PageCount(); ++i) {
    auto& pane = static_cast<CDeviceMonitorPane&>(sheetTabs.Page(i));
    panes_[i] = new CMonitorPaneWindow(pane, tabs_);
    tabs_->addTab(panes_[i], pages::Translated(sheetTabs.Title(i)));
  }
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
    Dialog().Tabs().Click(tab);
    Refresh();
  });
  Refresh();
}

CMonitorPage::~CMonitorPage() {
  // The panes' windows go first: they wait for a poll that is out.
  disconnect(tabs_, nullptr, this, nullptr);
  delete tabs_;
}

CMonitorPaneWindow* CMonitorPage::PaneWindow(Table table) const {
  return panes_[table == Table::Bits ? 0 : 1];
}

void CMonitorPage::Mirror() {
  if (tabs_->currentIndex() != Dialog().Tabs().Current()) {
    tabs_->setCurrentIndex(Dialog().Tabs().Current());
  }
  for (CMonitorPaneWindow* pane : panes_) pane->Mirror();
}

}  // namespace gw::monitor
