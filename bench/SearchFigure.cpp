// The search by address (as `nxgcfg search --ip`) of many modules on one
// simulated address over UDP. Its floor is the reply wait the search gives
// after the last reply, plus the time the replies take to arrive, measured on
// a plain socket with the same request.
#include <cstdio>
#include <stdexcept>

#include "BenchHome.h"
#include "Figures.h"
#include "LoopbackAddress.h"
#include "RawUdp.h"
#include "SimChild.h"
#include "ToolSession.h"
#include "WireTap.h"
#include "link/LinkTiming.h"
#include "protocol/ModuleSearch.h"

namespace gw::bench {

namespace {

struct SearchRun {
  double totalMs = 0;      // the whole search, IP list merge included
  double requestMs = 0;    // from the start to the request going out
  double lastReplyMs = 0;  // from the start to the last reply the tool took
  double mergeMs = 0;      // the IP list merge alone
  int nodes = 0;
  std::vector<std::uint8_t> request;
  std::vector<std::string> messages;
};

// One search with the current configuration folder, timed from the call to
// its end.
SearchRun ToolSearch(std::uint32_t address) {
  MemoryStore store;
  ToolSession tool(store);
  SearchRun run;
  DeviceLink& link = tool.Link();
  WireTap tap(link.PortLink());
  Steady::time_point mergeStart{};
  Steady::time_point mergeEnd{};
  const auto start = Steady::now();
  // What DocumentCore::SearchAt does, with the IP list merge timed apart.
  link.SetRemoteAddressCopy(address);
  SearchModules(link, [&](const NodeTable& nodes) {
    mergeStart = Steady::now();
    tool.Doc().Settings().MergeIpList(nodes);
    mergeEnd = Steady::now();
  });
  const auto end = Steady::now();
  run.totalMs = MillisecondsBetween(start, end);
  run.mergeMs = MillisecondsBetween(mergeStart, mergeEnd);
  if (!tap.Receives().empty()) {
    run.lastReplyMs = MillisecondsBetween(start, tap.Receives().back().at);
  }
  run.nodes = tool.Nodes().Count();
  if (!tap.Sends().empty()) {
    run.request = tap.Sends().front().bytes;
    run.requestMs = MillisecondsBetween(start, tap.Sends().front().at);
  }
  run.messages = tool.Ui().Messages();
  return run;
}

// The same request on a plain socket: the time from sending it to the last
// of `expected` replies (or to the last one before a second of silence), and
// how many came.
double RawCollection(std::uint32_t address, const std::vector<std::uint8_t>& request, int expected,
                     int& replies) {
  RawUdp socket;
  replies = 0;
  const auto start = Steady::now();
  if (!socket.Send(address, kModulePort, request)) return -1;
  auto last = start;
  while (replies < expected && socket.Receive(std::chrono::milliseconds(1000)) > 0) {
    last = Steady::now();
    ++replies;
  }
  return MillisecondsBetween(start, last);
}

}  // namespace

bool SearchFigure(const BenchOptions& options) {
  const auto address = FreeLoopbackAddress(static_cast<std::uint8_t>(options.firstAddress));
  if (!address) {
    std::printf("search: no free loopback address from 127.0.0.%u\n", options.firstAddress);
    return false;
  }
  SimChild sim(
      {"--address", AddressText(*address), "--modules", std::to_string(options.searchModules)});
  const int expected = std::min(options.searchModules, NodeTable::kSearchLimit);

  // A first search that is not counted: libraries and files warm, and the
  // request the tool sends, for the plain socket. A second one in the same
  // folder finds every address listed already.
  SearchRun first;
  SearchRun again;
  {
    BenchHome home(EthernetIni(*address));
    first = ToolSearch(*address);
    again = ToolSearch(*address);
  }
  if (first.request.empty() || first.nodes != expected) {
    std::printf("search: the tool found %d of %d modules\n", first.nodes, expected);
    for (const std::string& m : first.messages) PrintDetail("tool: " + m);
    return false;
  }

  std::vector<double> total, request, lastReply, merge, raw;
  int rawShort = 0;
  int toolShort = 0;
  for (int i = 0; i < options.runs; ++i) {
    int replies = 0;
    raw.push_back(RawCollection(*address, first.request, expected, replies));
    if (replies != expected) ++rawShort;
    BenchHome home(EthernetIni(*address));
    const SearchRun run = ToolSearch(*address);
    if (run.nodes != expected) ++toolShort;
    total.push_back(run.totalMs);
    request.push_back(run.requestMs);
    lastReply.push_back(run.lastReplyMs);
    merge.push_back(run.mergeMs);
  }
  // With 253 replies the search stops at the last one and has no wait.
  const bool waits = options.searchModules < NodeTable::kSearchLimit;
  const double waitMs = waits ? static_cast<double>(LinkTiming{}.replyWait.count()) : 0.0;
  Figure figure;
  figure.what = "search " + std::to_string(options.searchModules) + " modules, UDP loopback" +
                (waits ? "" : " (no wait)");
  figure.measuredMs = Median(total);
  figure.floorMs = waitMs + Median(raw);
  figure.targetRatio = 1.02;
  PrintFigure(figure);
  PrintDetail("floor: " + (waits ? Ms(waitMs) + " reply wait + " : std::string()) +
              "plain-socket collection of " + std::to_string(expected) + " replies " +
              Ms(Median(raw)));
  PrintDetail("tool: request out at " + Ms(Median(request)) + ", last reply at " +
              Ms(Median(lastReply)) + ", IP list merge " + Ms(Median(merge)) + ", " +
              std::to_string(first.nodes) + " nodes");
  PrintDetail("a search again with all " + std::to_string(again.nodes) +
              " addresses listed: IP list merge " + Ms(again.mergeMs) + ", whole search " +
              Ms(again.totalMs));
  if (rawShort > 0 || toolShort > 0) {
    PrintDetail("replies lost: plain socket short in " + std::to_string(rawShort) +
                " runs, tool short in " + std::to_string(toolShort) + " runs");
  }
  return true;
}

}  // namespace gw::bench
