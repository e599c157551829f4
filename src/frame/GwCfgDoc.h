#pragma once
// The plug-in's document: the node data and the device link of the core
// document, bound to the transport libraries, with the host's commands.

#include "QtUserInterface.h"
#include "frame/CfgLibStore.h"
#include "link/Clock.h"
#include "protocol/DocumentCore.h"
#include "view/qt/NodeDocument.h"

namespace gw::frame {

// What new documents are built with. Empty members mean the running
// program's: the system's library loader, the system clock, the CfgLib store
// and ending the process. Tests put fakes here.
struct DocumentServices {
  LibraryLoader* loader = nullptr;
  Clock* clock = nullptr;
  SerializeStore* store = nullptr;
  DeviceLink::Terminate terminate;
};
DocumentServices& TheDocumentServices();

class CGwCfgDoc : public view::CNodeDocument {
 public:
  // Binds PortLink and MbKit through the system's loader; when a library or
  // an entry point is missing, the process ends after the message.
  CGwCfgDoc();

  DocumentCore& Core() override { return core_; }
  CQtUserInterface& Ui() { return ui_; }

  void Serialize(af::CArchive& ar) override;

 private:
  void Searched();

  CQtUserInterface ui_;
  SystemClock systemClock_;
  CfgLibStore cfgLib_;
  DocumentCore core_;
};

}  // namespace gw::frame
