#pragma once
// The plug-in's frame: opens maximised and visible, and tells the host's main
// window that it is closing before it closes.

#include "appframe/ChildFrame.h"

namespace gw::frame {

class CChildFrame : public af::CMDIChildWnd {
  Q_OBJECT

 public:
  bool PreCreateWindow(af::CREATESTRUCT& cs) override;

 protected:
  bool OnClose() override;
};

}  // namespace gw::frame
