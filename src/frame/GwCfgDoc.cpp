#include "GwCfgDoc.h"

#include <cstdlib>

#include "GwCfgApp.h"
#include "appframe/AfxIds.h"
#include "appframe/Archive.h"
#include "model/NodeListStream.h"
#include "protocol/HostCommands.h"

namespace gw::frame {

DocumentServices& TheDocumentServices() {
  static DocumentServices services;
  return services;
}

CGwCfgDoc::CGwCfgDoc()
    : core_(ui_, TheDocumentServices().clock ? *TheDocumentServices().clock : systemClock_,
            TheDocumentServices().store ? *TheDocumentServices().store : cfgLib_, CommSettings()) {
  const DocumentServices& services = TheDocumentServices();
  LibraryLoader& loader = services.loader ? *services.loader : SystemLoader();
  if (services.terminate) {
    core_.Link().Bind(loader, services.terminate);
  } else {
    core_.Link().Bind(loader, [](int exitCode) { std::exit(exitCode); });
  }

  OnCommand(kIdSearch, [this] {
    core_.Search();
    Searched();
  });
  OnCommand(kIdIpSearch, [this] {
    core_.IpSearch();
    Searched();
  });
  OnUpdateCommand(kIdIpSearch, [this](af::CCmdUI& ui) { ui.Enable(core_.IpSearchEnabled()); });
  OnCommand(kIdFirstSearch, [this] {
    if (core_.FirstSearch()) Searched();
  });
  OnCommand(kIdLoadNodeList, [this] {
    core_.LoadNodeList();
    UpdateAllViews(nullptr);
  });
  OnCommand(kIdStoreNodeList, [this] { core_.StoreNodeList(); });
  const auto saveState = [this](af::CCmdUI& ui) {
    if (!core_.SaveEnabled()) ui.Enable(false);
  };
  OnUpdateCommand(af::ID_FILE_SAVE, saveState);
  OnUpdateCommand(af::ID_FILE_SAVE_AS, saveState);
}

void CGwCfgDoc::Searched() { UpdateAllViews(nullptr); }

void CGwCfgDoc::Serialize(af::CArchive& ar) {
  if (ar.IsStoring()) {
    const std::vector<std::uint8_t> stream = WriteNodeList(Nodes());
    ar.Write(stream.data(), static_cast<qint64>(stream.size()));
    return;
  }
  const QByteArray bytes = ar.ReadAll();
  const std::vector<std::uint8_t> stream(bytes.begin(), bytes.end());
  if (const std::optional<std::string> error = ReadNodeList(Nodes(), stream)) {
    ar.Fail(theApp.Tr(*error));
  }
}

}  // namespace gw::frame
