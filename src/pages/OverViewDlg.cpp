#include "OverViewDlg.h"

#include "link/RequestCodes.h"
#include "model/Texts.h"
#include "report/ParameterReportTexts.h"

namespace gw::pages {

void COverViewDlg::OnInitDialog() {
  const NodeRecord* node = CurrentRecord();
  if (node == nullptr) return;
  switch (node->ReplyCode()) {
    case kReplyWriteRefused:
      Ui().Message(text::kOtherUserModifying);
      break;
    case kReplyReadOkConnected:
      Ui().Message(text::kConnectionActive);
      break;
    default:
      break;
  }
  Refresh();
}

void COverViewDlg::Refresh() {
  const NodeRecord* node = CurrentRecord();
  if (node == nullptr) return;
  texts_.module = text::kModuleModel;
  texts_.ipAddress = Ipv4Text(node->IpAddress());
  texts_.macAddress = MacText(node->Mac());
  texts_.firmwareVersion = FirmwareText(node->FirmwareVersion());
  texts_.diDoPoints = report::DiDoText(LoadBE16(node->Block(kSerialBlock), serial::DiDoPoints));
  NotifyChanged();
}

}  // namespace gw::pages
