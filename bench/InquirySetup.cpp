#include "InquirySetup.h"

#include "BenchHome.h"
#include "Figures.h"
#include "protocol/ModuleInquiry.h"
#include "protocol/ModuleSearch.h"

namespace gw::bench {

int FindNodes(MemoryStore& store, std::uint32_t searchAddress) {
  ToolSession tool(store);
  tool.Doc().SearchAt(searchAddress);
  tool.Doc().StoreNodeList();
  return tool.Nodes().Count();
}

InquiryRun TimedInquiry(MemoryStore& store, const std::string& portLinkIni) {
  BenchHome home(portLinkIni);
  ToolSession tool(store);
  tool.Doc().LoadNodeList();
  InquiryRun run;
  if (tool.Nodes().Count() < 1) return run;
  tool.Nodes().SetCurrent(0);
  DeviceLink& link = tool.Link();
  if (link.OpenLink() != LinkStatus::Ok) return run;
  {
    WireTap tap(link.PortLink());
    const auto start = Steady::now();
    run.ok = InquireModule(link);
    run.ms = MillisecondsBetween(start, Steady::now());
    run.sends = tap.Sends();
    run.receives = tap.Receives();
  }
  link.CloseLink();
  run.messages = tool.Ui().Messages();
  return run;
}

}  // namespace gw::bench
