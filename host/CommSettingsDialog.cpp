#include "CommSettingsDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "appframe/Dialogs.h"
#include "platform/util/Ipv4Text.h"

namespace gw::host {

namespace {
constexpr int kSerial = 0;
constexpr int kEthernet = 1;
constexpr int kMaxComPort = 255;
}  // namespace

CommSettingsDialog::CommSettingsDialog(QWidget* parent)
    : QDialog(parent),
      type_(new QButtonGroup(this)),
      comPort_(new QSpinBox(this)),
      comDevice_(new QLineEdit(this)),
      remote_(new QLineEdit(this)),
      status_(new QLabel(this)) {
  setWindowTitle(tr("Communication Setting"));
  auto* ethernet = new QRadioButton(tr("&Ethernet"), this);
  auto* serial = new QRadioButton(tr("&Serial port"), this);
  type_->addButton(serial, kSerial);
  type_->addButton(ethernet, kEthernet);
  comPort_->setRange(1, kMaxComPort);
  comPort_->setPrefix(QStringLiteral("COM"));
  comDevice_->setPlaceholderText(QStringLiteral("/dev/ttyS0"));
  remote_->setPlaceholderText(QStringLiteral("255.255.255.255"));

  auto* form = new QFormLayout;
  form->addRow(ethernet);
  form->addRow(tr("&Remote address:"), remote_);
  form->addRow(serial);
  form->addRow(tr("&COM port:"), comPort_);
  form->addRow(tr("&Device:"), comDevice_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CommSettingsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CommSettingsDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(status_);
  layout->addWidget(buttons);

  connect(type_, &QButtonGroup::idClicked, this, &CommSettingsDialog::UpdateEnabled);
  connect(comPort_, &QSpinBox::valueChanged, this,
          [this](int port) { comDevice_->setText(portLink_.ComDevice(port)); });

  Show(portLink_.Load());
  if (!portLink_.Available()) {
    status_->setText(tr("The transport library is not available: %1").arg(portLink_.Error()));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
  }
  status_->setVisible(!portLink_.Available());
}

TransportSettings CommSettingsDialog::Shown() const {
  TransportSettings settings;
  settings.commType = type_->checkedId() == kSerial ? kSerial : kEthernet;
  settings.comPort = comPort_->value();
  settings.comDevice = comDevice_->text().trimmed();
  settings.remoteAddress =
      platform::ParseIpv4(remote_->text().trimmed().toStdString()).value_or(0xFFFFFFFF);
  return settings;
}

void CommSettingsDialog::Show(const TransportSettings& settings) {
  type_->button(settings.commType == kSerial ? kSerial : kEthernet)->setChecked(true);
  comPort_->setValue(settings.comPort);
  comDevice_->setText(settings.comDevice);
  remote_->setText(QString::fromStdString(platform::FormatIpv4(settings.remoteAddress)));
  UpdateEnabled();
}

QString CommSettingsDialog::Problem() const {
  if (type_->checkedId() == kEthernet &&
      !platform::ParseIpv4(remote_->text().trimmed().toStdString())) {
    return tr("The remote address must be four numbers from 0 to 255, such as 192.168.1.255.");
  }
  return {};
}

void CommSettingsDialog::accept() {
  if (const QString problem = Problem(); !problem.isEmpty()) {
    af::AfxMessageBox(problem, af::MB_ICONWARNING);
    remote_->setFocus();
    return;
  }
  if (const QString failure = portLink_.Store(Shown()); !failure.isEmpty()) {
    af::AfxMessageBox(
        tr("The settings apply until the program ends, but could not be saved: %1").arg(failure),
        af::MB_ICONWARNING);
  }
  QDialog::accept();
}

void CommSettingsDialog::UpdateEnabled() {
  const bool ethernet = type_->checkedId() == kEthernet;
  remote_->setEnabled(ethernet);
  comPort_->setEnabled(!ethernet);
  comDevice_->setEnabled(!ethernet);
}

}  // namespace gw::host
