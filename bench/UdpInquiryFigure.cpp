// The inquiry of one module over UDP on loopback, held against the same
// fourteen read requests sent and answered on a plain socket.
#include <cstdio>

#include "BenchHome.h"
#include "Figures.h"
#include "InquirySetup.h"
#include "LoopbackAddress.h"
#include "RawUdp.h"
#include "SimChild.h"

namespace gw::bench {

namespace {

constexpr int kRepeats = 4;

// The requests one after another, each waiting for its reply: the total, or
// -1 when a reply did not come.
double RawRoundTrips(std::uint32_t address, const std::vector<WireSend>& requests) {
  RawUdp socket;
  const auto start = Steady::now();
  for (const WireSend& request : requests) {
    if (!socket.Send(address, kModulePort, request.bytes)) return -1;
    if (socket.Receive(std::chrono::milliseconds(2000)) < 1) return -1;
  }
  return MillisecondsBetween(start, Steady::now());
}

}  // namespace

bool UdpInquiryFigure(const BenchOptions& options) {
  const auto address = FreeLoopbackAddress(static_cast<std::uint8_t>(options.firstAddress));
  if (!address) {
    std::printf("UDP inquiry: no free loopback address from 127.0.0.%u\n", options.firstAddress);
    return false;
  }
  SimChild sim({"--address", AddressText(*address), "--modules", "1"});
  MemoryStore store;
  {
    BenchHome home(EthernetIni(*address));
    const int found = FindNodes(store, *address);
    if (found != 1) {
      std::printf("UDP inquiry: the search found %d modules instead of 1\n", found);
      return false;
    }
  }
  // Not counted: warms the libraries and gives the requests to replay.
  const InquiryRun first = TimedInquiry(store, EthernetIni(*address));
  if (!first.ok || first.sends.size() != 14) {
    std::printf("UDP inquiry: the first inquiry failed (%zu requests)\n", first.sends.size());
    for (const std::string& m : first.messages) PrintDetail("tool: " + m);
    return false;
  }

  // About a millisecond each: measured more often than the others.
  const int measurements = options.runs * kRepeats;
  std::vector<double> tool, raw;
  int failed = 0;
  for (int i = 0; i < measurements; ++i) {
    raw.push_back(RawRoundTrips(*address, first.sends));
    const InquiryRun run = TimedInquiry(store, EthernetIni(*address));
    if (!run.ok) ++failed;
    tool.push_back(run.ms);
  }
  Figure figure;
  figure.what = "inquiry of 1 module, UDP loopback";
  figure.measuredMs = Median(tool);
  figure.floorMs = Median(raw);
  figure.targetRatio = 3.0;
  PrintFigure(figure);
  PrintDetail("floor: the 14 read requests of the inquiry replayed on a plain socket, " +
              Ms(figure.floorMs / 14) + " a round trip");
  if (failed > 0) PrintDetail(std::to_string(failed) + " inquiries failed");
  return true;
}

}  // namespace gw::bench
