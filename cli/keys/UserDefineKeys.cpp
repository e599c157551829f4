// The User Define page's keys, "userdef.com1.*" and "userdef.com2.*": each
// port's listen port, destination and frame delimiting. Only the port the
// COM protocol gives to User Define takes values; the page checks them at
// Apply.
#include "keys/KeyTable.h"
#include "pages/UserDefDlg.h"

namespace gw::cli::keys {

namespace {

using pages::CUserDefDlg;
using pages::PortControls;

// The rows of one port; `port` 0 is COM1.
void AddPort(std::vector<Field>& rows, int port) {
  constexpr auto kPage = pages::PageId::UserDefine;
  const std::string com = "COM" + std::to_string(port + 1);
  const std::string key = "userdef.com" + std::to_string(port + 1) + ".";
  const auto k = static_cast<std::size_t>(port);
  const auto c = [k](const CUserDefDlg& p) -> const PortControls& { return p.Controls().port[k]; };
  // A handler of the port's with the port bound.
  const auto on = [port](auto handler) {
    return [port, handler](CUserDefDlg& p, auto... value) { (p.*handler)(port, value...); };
  };
  const std::string portRange = "1024-65535";
  rows.push_back(TextField<CUserDefDlg>(
      key + "listen-port", kPage, com + " Listen Port",
      ValueType::Integer, [c](const CUserDefDlg& p) -> auto& { return c(p).listenPort; },
      on(&CUserDefDlg::OnListenPortChanged), portRange));
  rows.push_back(AddressField<CUserDefDlg>(
      key + "destination-ip", kPage,
      com + " Destination IP", [c](const CUserDefDlg& p) -> auto& { return c(p).destinationIp; },
      on(&CUserDefDlg::OnDestinationFieldChanged)));
  rows.push_back(TextField<CUserDefDlg>(
      key + "destination-port", kPage, com + " Destination Port",
      ValueType::Integer, [c](const CUserDefDlg& p) -> auto& { return c(p).destinationPort; },
      on(&CUserDefDlg::OnDestinationPortChanged), portRange));
  rows.push_back(SwitchField<CUserDefDlg>(
      key + "fix-length", kPage,
      com + " Fix Length", [c](const CUserDefDlg& p) -> auto& { return c(p).fixLength; },
      on(&CUserDefDlg::OnFixLengthClicked)));
  rows.push_back(TextField<CUserDefDlg>(
      key + "fix-length-bytes", kPage, com + " Fix Length Bytes",
      ValueType::Integer, [c](const CUserDefDlg& p) -> auto& { return c(p).fixLengthBytes; },
      on(&CUserDefDlg::OnFixLengthChanged), "1-256"));
  // The start and stop items: a switch, how many characters, the characters.
  struct Item {
    const char* name;
    pages::CheckControl PortControls::*item;
    pages::ListControl PortControls::*count;
    std::array<pages::TextControl, 3> PortControls::*chars;
    void (CUserDefDlg::*clicked)(int, bool);
    void (CUserDefDlg::*counted)(int, int);
    void (CUserDefDlg::*typed)(int, int, std::string_view);
  };
  const Item items[] = {
      {"start", &PortControls::startItem, &PortControls::startCount, &PortControls::startChars,
       &CUserDefDlg::OnStartItemClicked, &CUserDefDlg::OnStartCountChanged,
       &CUserDefDlg::OnStartCharChanged},
      {"stop", &PortControls::stopItem, &PortControls::stopCount, &PortControls::stopChars,
       &CUserDefDlg::OnStopItemClicked, &CUserDefDlg::OnStopCountChanged,
       &CUserDefDlg::OnStopCharChanged},
  };
  for (const Item& item : items) {
    const std::string name = item.name;
    const std::string caption = com + " " + (name == "start" ? "Start" : "Stop") + " Item";
    rows.push_back(SwitchField<CUserDefDlg>(
        key + name + "-item", kPage, caption,
        [ c, item ](const CUserDefDlg& p) -> auto& { return c(p).*item.item; }, on(item.clicked)));
    rows.push_back(ListField<CUserDefDlg>(
        key + name + "-count", kPage, caption + " Count",
        [ c, item ](const CUserDefDlg& p) -> auto& { return c(p).*item.count; }, on(item.counted)));
    for (int i = 0; i < 3; ++i) {
      const auto n = static_cast<std::size_t>(i);
      rows.push_back(TextField<CUserDefDlg>(
          key + name + "-char." + std::to_string(i + 1), kPage,
          caption + " Character " + std::to_string(i + 1), ValueType::Text,
          [ c, item, n ](const CUserDefDlg& p) -> auto& { return (c(p).*item.chars)[n]; },
          [port, item, i](CUserDefDlg& p, std::string_view text) {
            (p.*item.typed)(port, i, text);
          },
          "two hexadecimal digits"));
    }
  }
}

}  // namespace

std::vector<Field> UserDefineFields() {
  std::vector<Field> rows;
  for (int port = 0; port < pages::kUserDefinePorts; ++port) AddPort(rows, port);
  return rows;
}

}  // namespace gw::cli::keys
