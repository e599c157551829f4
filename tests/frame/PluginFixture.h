#pragma once
// The plug-in's template, document, frame and view inside a main window,
// bound to the fake transport with modules that answer it.

#include <QMdiArea>
#include <memory>
#include <vector>

#include "appframe/ChildFrame.h"
#include "appframe/DocTemplate.h"
#include "appframe/MainFrame.h"
#include "frame/DllEntry.h"
#include "frame/GuiTestSupport.h"
#include "frame/GwCfgDoc.h"
#include "model/NodeListExchange.h"
#include "protocol/HostCommands.h"
#include "support/EventLog.h"
#include "support/FakeClock.h"
#include "support/FakeModule.h"
#include "support/FakePortLink.h"
#include "support/MemoryStore.h"
#include "view/qt/GwCfgView.h"

namespace gw::test {

struct HostMessage {
  int message;
  qintptr wParam;
  qintptr lParam;
  QString text;
};

class RecordingMainFrame : public af::CMDIFrameWnd {
 public:
  void OnHostMessage(int message, qintptr wParam, qintptr lParam, const QString& text) override {
    received.push_back({message, wParam, lParam, text});
  }
  int Count(int message) const {
    int n = 0;
    for (const HostMessage& m : received) n += m.message == message ? 1 : 0;
    return n;
  }
  std::vector<HostMessage> received;
};

// A module of the fake transport with a name and an address.
inline FakeModule& Named(FakeModule& module, const std::string& name, std::uint32_t ip) {
  Bytes network = module.record.Block(0);
  StoreText(network.subspan(net::ModuleName, net::kModuleNameSize), name);
  StoreBE32(network, net::IpAddress, ip);
  return module;
}

class PluginFixture : public ::testing::Test {
 protected:
  enum class Transport { Fake, System };

  // On the system's transport the documents load PortLink and MbKit from
  // beside the test program and wait on the real clock.
  explicit PluginFixture(Transport transport = Transport::Fake) {
    frame::DocumentServices& services = frame::TheDocumentServices();
    if (transport == Transport::Fake) {
      services.loader = &port_;
      services.clock = &clock_;
    }
    services.store = &store_;
    services.terminate = [this](int code) { exitCodes_.push_back(code); };
    main_.resize(1000, 700);
    main_.show();
    docTemplate_.reset(DLLDocTemplate());
    docTemplate_->LoadTemplate();
  }

  ~PluginFixture() override {
    docTemplate_.reset();  // closes the documents while the fake still lives
    frame::TheDocumentServices() = {};
  }

  frame::CGwCfgDoc* NewDocument() {
    return dynamic_cast<frame::CGwCfgDoc*>(docTemplate_->OpenDocumentFile({}, true));
  }

  // The modules answer every request.
  void Serve(std::vector<FakeModule*> modules) {
    for (FakeModule* module : modules) port_.Attach(*module);
  }

  static view::CGwCfgView* ViewOf(af::CDocument* doc) {
    return static_cast<view::CGwCfgView*>(doc->Views().front());
  }

  // The viewport as painted now.
  static QImage Paint(view::CGwCfgView* view) { return view->viewport()->grab().toImage(); }

  GuiEnvironment env_;
  EventLog log_;
  FakeClock clock_{log_};
  FakePortLink port_{log_};
  MemoryStore store_;
  std::vector<int> exitCodes_;
  RecordingMainFrame main_;
  std::unique_ptr<af::CDocTemplate> docTemplate_;
};

}  // namespace gw::test
