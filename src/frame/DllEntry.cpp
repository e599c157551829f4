#include "DllEntry.h"

#include <new>

#include "ChildFrame.h"
#include "GwCfgApp.h"
#include "GwCfgDoc.h"
#include "MyMultiDocTemplate.h"
#include "PluginResources.h"
#include "Resource.h"
#include "view/qt/GwCfgView.h"

af::CDocTemplate* DLLDocTemplate() {
  using namespace gw::frame;
  const af::ModuleStateScope scope(theApp.State());
  return new (std::nothrow) CMyMultiDocTemplate(
      &PluginInstance(), IDR_GWCFGTYPE, [] { return new CGwCfgDoc; },
      [] { return new CChildFrame; }, [] { return new gw::view::CGwCfgView; });
}
