#include "ChildFrame.h"

#include "appframe/AfxIds.h"
#include "appframe/HostMessage.h"
#include "protocol/HostCommands.h"

namespace gw::frame {

bool CChildFrame::PreCreateWindow(af::CREATESTRUCT& cs) {
  cs.style |= af::WS_VISIBLE | af::WS_MAXIMIZE;
  return CMDIChildWnd::PreCreateWindow(cs);
}

bool CChildFrame::OnClose() {
  af::SendMessageToMainWindow(kMsgFrameClosing, 0, 0);
  return CMDIChildWnd::OnClose();
}

}  // namespace gw::frame
