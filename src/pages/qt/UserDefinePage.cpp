#include "UserDefinePage.h"

#include "ui_UserDefinePage.h"

namespace gw::pages {

CUserDefinePage::CUserDefinePage(SheetRules& sheet, int index) : CFormPage(sheet, index) {
  const Ui::UserDefinePageForm& f = *ui_;
  ports_[0] = {f.listenPort1,
               f.destinationIp1,
               f.destinationPort1,
               f.fixLength1,
               f.fixLengthBytes1,
               f.startItem1,
               f.startCount1,
               {f.startChar1_0, f.startChar1_1, f.startChar1_2},
               f.stopItem1,
               f.stopCount1,
               {f.stopChar1_0, f.stopChar1_1, f.stopChar1_2}};
  ports_[1] = {f.listenPort2,
               f.destinationIp2,
               f.destinationPort2,
               f.fixLength2,
               f.fixLengthBytes2,
               f.startItem2,
               f.startCount2,
               {f.startChar2_0, f.startChar2_1, f.startChar2_2},
               f.stopItem2,
               f.stopCount2,
               {f.stopChar2_0, f.stopChar2_1, f.stopChar2_2}};
  for (int port = 0; port < kUserDefinePorts; ++port) Connect(port);
  Refresh();
}

CUserDefinePage::~CUserDefinePage() = default;

void CUserDefinePage::Connect(int port) {
  CUserDefDlg& page = Dialog();
  const PortWidgets& w = ports_[static_cast<std::size_t>(port)];
  const auto text = [&page, port, this](QLineEdit* edit,
                                        void (CUserDefDlg::*handler)(int, std::string_view)) {
    connect(edit, &QLineEdit::textEdited, this, [&page, port, handler](const QString& typed) {
      (page.*handler)(port, typed.toStdString());
    });
  };
  const auto box = [&page, port, this](QCheckBox* check, void (CUserDefDlg::*handler)(int, bool)) {
    connect(check, &QCheckBox::clicked, this,
            [&page, port, handler](bool checked) { (page.*handler)(port, checked); });
  };
  const auto list = [&page, port, this](QComboBox* combo, void (CUserDefDlg::*handler)(int, int)) {
    connect(combo, &QComboBox::currentIndexChanged, this,
            [&page, port, handler](int index) { (page.*handler)(port, index); });
  };
  text(w.listenPort, &CUserDefDlg::OnListenPortChanged);
  connect(
      w.destinationIp, &widgets::CIpAddressCtrl::FieldChanged, this,
      [&page, port](int field, int value) { page.OnDestinationFieldChanged(port, field, value); });
  text(w.destinationPort, &CUserDefDlg::OnDestinationPortChanged);
  box(w.fixLength, &CUserDefDlg::OnFixLengthClicked);
  text(w.fixLengthBytes, &CUserDefDlg::OnFixLengthChanged);
  box(w.startItem, &CUserDefDlg::OnStartItemClicked);
  list(w.startCount, &CUserDefDlg::OnStartCountChanged);
  box(w.stopItem, &CUserDefDlg::OnStopItemClicked);
  list(w.stopCount, &CUserDefDlg::OnStopCountChanged);
  for (int i = 0; i < 3; ++i) {
    const auto c = static_cast<std::size_t>(i);
    connect(w.startChars[c], &QLineEdit::textEdited, this, [&page, port, i](const QString& typed) {
      page.OnStartCharChanged(port, i, typed.toStdString());
    });
    connect(w.stopChars[c], &QLineEdit::textEdited, this, [&page, port, i](const QString& typed) {
      page.OnStopCharChanged(port, i, typed.toStdString());
    });
  }
}

void CUserDefinePage::Mirror() {
  const UserDefineControls& c = Dialog().Controls();
  for (std::size_t port = 0; port < ports_.size(); ++port) {
    const PortWidgets& w = ports_[port];
    const PortControls& p = c.port[port];
    Show(w.listenPort, p.listenPort);
    Show(w.destinationIp, p.destinationIp);
    Show(w.destinationPort, p.destinationPort);
    Show(w.fixLength, p.fixLength);
    Show(w.fixLengthBytes, p.fixLengthBytes);
    Show(w.startItem, p.startItem);
    Show(w.startCount, p.startCount);
    Show(w.stopItem, p.stopItem);
    Show(w.stopCount, p.stopCount);
    for (std::size_t i = 0; i < 3; ++i) {
      Show(w.startChars[i], p.startChars[i]);
      Show(w.stopChars[i], p.stopChars[i]);
    }
  }
}

QWidget* CUserDefinePage::WidgetOf(const TextControl* control) const {
  const UserDefineControls& c = Dialog().Controls();
  for (std::size_t port = 0; port < ports_.size(); ++port) {
    const PortControls& p = c.port[port];
    if (control == &p.listenPort) return ports_[port].listenPort;
    if (control == &p.destinationPort) return ports_[port].destinationPort;
    if (control == &p.fixLengthBytes) return ports_[port].fixLengthBytes;
  }
  return nullptr;
}

}  // namespace gw::pages
