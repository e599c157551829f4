#include "RtcPage.h"

#include <QTimer>

#include "ui_RtcPage.h"

namespace gw::pages {

CRtcPage::CRtcPage(SheetRules& sheet, int index) : CFormPage(sheet, index) {
  CRTCDlg& page = Dialog();
  connect(ui_->timeServer, &QCheckBox::clicked, this,
          [&page](bool checked) { page.OnTimeServerClicked(checked); });
  connect(ui_->daylightSaving, &QCheckBox::clicked, this,
          [&page](bool checked) { page.OnDaylightSavingClicked(checked); });
  connect(ui_->serverAddress, &widgets::CIpAddressCtrl::FieldChanged, this,
          [&page](int field, int value) { page.OnServerFieldChanged(field, value); });
  connect(ui_->timeZone, &QComboBox::currentIndexChanged, this,
          [&page](int index) { page.OnTimeZoneChanged(index); });
  connect(ui_->pc, &QRadioButton::clicked, this, [&page] { page.OnPcClicked(); });
  connect(ui_->custom, &QRadioButton::clicked, this, [&page] { page.OnCustomClicked(); });
  connect(ui_->customDate, &QDateEdit::dateChanged, this,
          [&page](QDate date) { page.OnDateChanged(date.year(), date.month(), date.day()); });
  connect(ui_->customTime, &QTimeEdit::timeChanged, this,
          [&page](QTime time) { page.OnTimeChanged(time.hour(), time.minute(), time.second()); });
  timer_ = new QTimer(this);
  timer_->setInterval(static_cast<int>(CRTCDlg::kTickInterval.count()));
  connect(timer_, &QTimer::timeout, this, [&page] { page.OnTimer(); });
  timer_->start();
  Refresh();
}

CRtcPage::~CRtcPage() { timer_->stop(); }

void CRtcPage::Mirror() {
  const NtpControls& c = Dialog().Controls();
  Show(ui_->timeServer, c.timeServer);
  Show(ui_->daylightSaving, c.daylightSaving);
  Show(ui_->serverAddress, c.serverAddress);
  Show(ui_->timeZone, c.timeZone);
  Show(ui_->moduleDateText, c.moduleDate);
  Show(ui_->moduleTimeText, c.moduleTime);
  Show(ui_->moduleWeekText, c.moduleWeek);
  Show(ui_->pc, c.pc);
  Show(ui_->pcDateText, c.pcDate);
  Show(ui_->pcTimeText, c.pcTime);
  Show(ui_->pcWeekText, c.pcWeek);
  Show(ui_->custom, c.custom);
  Show(ui_->customDate, c.customDate);
  Show(ui_->customTime, c.customTime);
  Show(ui_->customWeekText, c.customWeek);
}

}  // namespace gw::pages
