#include "BasicPage.h"

#include "ui_BasicPage.h"

namespace gw::pages {

namespace {

// Forwards a user's edit of `edit` to a text handler of the page.
template <typename Edit, typename Signal>
void ForwardText(QObject* context, Edit* edit, Signal signal, CBasicDlg& page,
                 void (CBasicDlg::*handler)(std::string_view)) {
  QObject::connect(edit, signal, context, [&page, handler](const QString& typed) {
    (page.*handler)(typed.toStdString());
  });
}

void ForwardList(QObject* context, QComboBox* list, CBasicDlg& page,
                 void (CBasicDlg::*handler)(int)) {
  QObject::connect(list, &QComboBox::currentIndexChanged, context,
                   [&page, handler](int index) { (page.*handler)(index); });
}

void ForwardAddress(QObject* context, widgets::CIpAddressCtrl* address, CBasicDlg& page,
                    void (CBasicDlg::*handler)(int, int)) {
  QObject::connect(address, &widgets::CIpAddressCtrl::FieldChanged, context,
                   [&page, handler](int field, int value) { (page.*handler)(field, value); });
}

}  // namespace

CBasicPage::CBasicPage(SheetRules& sheet, int index) : CFormPage(sheet, index) {
  Connect();
  Refresh();
}

CBasicPage::~CBasicPage() = default;

void CBasicPage::Connect() {
  CBasicDlg& page = Dialog();
  ForwardText(this, ui_->moduleName, &QLineEdit::textEdited, page, &CBasicDlg::OnModuleNameChanged);
  ForwardList(this, ui_->master, page, &CBasicDlg::OnMasterChanged);
  ForwardList(this, ui_->ipConfiguration, page, &CBasicDlg::OnIpConfigurationChanged);
  ForwardAddress(this, ui_->ipAddress, page, &CBasicDlg::OnIpAddressFieldChanged);
  ForwardAddress(this, ui_->netmask, page, &CBasicDlg::OnNetmaskFieldChanged);
  ForwardAddress(this, ui_->gateway, page, &CBasicDlg::OnGatewayFieldChanged);
  connect(ui_->refresh, &QPushButton::clicked, this, [&page] { page.OnRefreshClicked(); });
  connect(ui_->enableIpv6, &QCheckBox::clicked, this,
          [&page](bool checked) { page.OnEnableIpv6Clicked(checked); });
  // The edit's own text leaves out the unfilled digits; the page wants the
  // positions as the mask lays them out.
  connect(ui_->ipv6Address, &QLineEdit::textEdited, this, [this, &page] {
    page.OnIpv6AddressChanged(ui_->ipv6Address->MaskedText().toStdString());
  });
  ForwardList(this, ui_->comProtocol, page, &CBasicDlg::OnComProtocolChanged);
  ForwardList(this, ui_->baudrate, page, &CBasicDlg::OnBaudrateChanged);
  ForwardList(this, ui_->dataLength, page, &CBasicDlg::OnDataLengthChanged);
  ForwardList(this, ui_->parity, page, &CBasicDlg::OnParityChanged);
  ForwardList(this, ui_->stopBits, page, &CBasicDlg::OnStopBitsChanged);
  ForwardList(this, ui_->mode, page, &CBasicDlg::OnModeChanged);
  ForwardText(this, ui_->stationAddress, &widgets::CSpinEdit::TextEdited, page,
              &CBasicDlg::OnStationAddressChanged);
  connect(ui_->stationAddress, &widgets::CSpinEdit::FocusLost, this,
          [&page] { page.OnStationAddressFocusLost(); });
  ForwardText(this, ui_->keepAlive, &QLineEdit::textEdited, page, &CBasicDlg::OnKeepAliveChanged);
  ForwardText(this, ui_->modbusTimeout, &QLineEdit::textEdited, page,
              &CBasicDlg::OnModbusTimeoutChanged);
  ForwardText(this, ui_->delayTime, &QLineEdit::textEdited, page, &CBasicDlg::OnDelayTimeChanged);
}

void CBasicPage::Mirror() {
  const BasicControls& c = Dialog().Controls();
  Show(ui_->moduleName, c.moduleName);
  Show(ui_->master, c.master);
  Show(ui_->ipConfiguration, c.ipConfiguration);
  Show(ui_->ipAddress, c.ipAddress);
  Show(ui_->refresh, c.refresh);
  Show(ui_->netmask, c.netmask);
  Show(ui_->gateway, c.gateway);
  Show(ui_->enableIpv6, c.enableIpv6);
  Show(ui_->ipv6Address, c.ipv6Address);
  Show(ui_->comProtocol, c.comProtocol);
  Show(ui_->baudrate, c.baudrate);
  Show(ui_->dataLength, c.dataLength);
  Show(ui_->parity, c.parity);
  Show(ui_->stopBits, c.stopBits);
  Show(ui_->mode, c.mode);
  Show(ui_->stationAddress, c.stationAddress, c.stationSpin);
  Show(ui_->keepAlive, c.keepAlive);
  Show(ui_->modbusTimeout, c.modbusTimeout);
  Show(ui_->delayTime, c.delayTime);
}

QWidget* CBasicPage::WidgetOf(const TextControl* control) const {
  const BasicControls& c = Dialog().Controls();
  if (control == &c.moduleName) return ui_->moduleName;
  if (control == &c.stationAddress) return ui_->stationAddress->Edit();
  if (control == &c.keepAlive) return ui_->keepAlive;
  if (control == &c.modbusTimeout) return ui_->modbusTimeout;
  if (control == &c.delayTime) return ui_->delayTime;
  return nullptr;
}

}  // namespace gw::pages
