#include "OverviewPage.h"

#include "ui_OverviewPage.h"

namespace gw::pages {

COverViewPage::COverViewPage(SheetRules& sheet, int index) : CFormPage(sheet, index) { Refresh(); }

COverViewPage::~COverViewPage() = default;

void COverViewPage::Mirror() {
  const OverviewTexts& texts = Dialog().Texts();
  ui_->moduleText->setText(QString::fromStdString(texts.module));
  ui_->ipAddressText->setText(QString::fromStdString(texts.ipAddress));
  ui_->macAddressText->setText(QString::fromStdString(texts.macAddress));
  ui_->firmwareText->setText(QString::fromStdString(texts.firmwareVersion));
  ui_->diDoText->setText(QString::fromStdString(texts.diDoPoints));
}

}  // namespace gw::pages
