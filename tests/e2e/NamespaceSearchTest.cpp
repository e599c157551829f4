// A search broadcast to 255.255.255.255 reaching modules behind two network
// interfaces. Everything happens in network namespaces the test makes: the
// tool in one, with two virtual Ethernet pairs whose other ends sit in two
// further namespaces, each with an nxgsim on the wildcard address. Nothing can
// leave them, so the loopback-only safety belt is off inside the tool's
// namespace alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "SimLinkTest.h"
#include "support/NetworkNamespace.h"

namespace gw::test {
namespace {

struct Subnet {
  const char* name;    // veth pair <name>0 (tool side) and <name>1 (module side)
  const char* prefix;  // /24: .1 the tool, .2 the module side
  const char* macBase;
  const char* moduleIp;
};

constexpr Subnet kSubnets[] = {
    {"gwa", "10.61.1", "00:60:E9:61:01:01", "127.1.61.1"},
    {"gwb", "10.61.2", "00:60:E9:61:02:01", "127.1.62.1"},
};

// Says why the namespace failed; its exit code.
int Fail(const std::string& why) {
  std::fprintf(stderr, "%s\n", why.c_str());
  return 1;
}

// An nxgsim on 0.0.0.0 in a namespace of its own, reached through a veth pair
// from the calling namespace. Null after saying why.
std::unique_ptr<SimProcess> StartBehindInterface(const Subnet& net) {
  const std::string near = std::string(net.name) + "0", far = std::string(net.name) + "1";
  const std::string prefix = net.prefix;
  NamespaceHandshake handshake;
  auto sim = std::make_unique<SimProcess>(
      std::vector<std::string>{"--address", "0.0.0.0", "--mac-base", net.macBase, "--ip-base",
                               net.moduleIp},
      [&] {
        return handshake.EnterAndWait() &&
               Shell("ip link set lo up && ip addr add " + prefix + ".2/24 brd + dev " + far +
                     " && ip link set " + far + " up");
      });
  if (!handshake.AwaitChild(std::chrono::seconds(5))) {
    Fail("the simulator of " + prefix + ".0/24 did not make its namespace");
    return nullptr;
  }
  const bool linked = Shell("ip link add " + near + " type veth peer name " + far + " netns " +
                            std::to_string(sim->Pid())) &&
                      Shell("ip addr add " + prefix + ".1/24 brd + dev " + near +
                            " && ip link set " + near + " up");
  handshake.Release();
  if (!linked) {
    Fail("cannot make the veth pair " + near + "/" + far);
    return nullptr;
  }
  if (const auto ready = sim->WaitReady(); !ready) {
    Fail(ready.message());
    return nullptr;
  }
  return sim;
}

int SearchOverTwoInterfaces() {
  ::unsetenv("GWSUITE_LOOPBACK_ONLY");  // only here, in the tool's own namespace
  if (!Shell("ip link set lo up")) return Fail("cannot bring up lo");
  std::vector<std::unique_ptr<SimProcess>> sims;
  for (const Subnet& net : kSubnets) {
    sims.push_back(StartBehindInterface(net));
    if (!sims.back()) return 1;
  }
  if (const std::string problem = TransportSafetyProblem(); !problem.empty()) return Fail(problem);

  RecordingUi ui;
  SystemClock clock;
  MemoryStore store;
  DocumentCore doc(ui, clock, store, CommSettings());
  bool terminated = false;
  doc.Link().Bind(SystemLoader(), [&](int) { terminated = true; });
  if (terminated) return Fail("cannot bind the transport");
  doc.Search();

  std::vector<std::string> found;
  for (int k = 0; k < doc.Nodes().Count(); ++k) found.push_back(MacText(doc.Nodes().Node(k).Mac()));
  std::sort(found.begin(), found.end());
  std::string logs;
  for (const auto& sim : sims) logs += sim->Log();
  if (found != std::vector<std::string>{kSubnets[0].macBase, kSubnets[1].macBase}) {
    return Fail("the search found " + std::to_string(found.size()) + " modules\n" + logs);
  }
  for (const auto& sim : sims) {
    if (sim->CountLogLines("<- search") != 1) return Fail("a module heard more searches\n" + logs);
  }
  return 0;
}

TEST(NamespaceSearchTest, ABroadcastSearchReachesModulesBehindTwoInterfaces) {
  if (!NetworkNamespacesAvailable()) {
    GTEST_SKIP() << "this process may not make a network namespace (needs CAP_SYS_ADMIN)";
  }
  if (!Shell("command -v ip")) GTEST_SKIP() << "the ip tool (iproute2) is not installed";
  TempHome home;
  // No BroadcastAddress: the search goes to 255.255.255.255, which PortLink
  // sends out on every interface that can broadcast.
  home.WritePortLinkIni("[PortLink]\nCommType=1\nRemoteIP=255.255.255.255\n");
  std::string childErr;
  EXPECT_EQ(RunInNetworkNamespace(SearchOverTwoInterfaces, childErr), 0) << childErr;
  // The search merged both modules' addresses into the IP list.
  const std::string ipList = home.ReadConfigFile("IPList.ini");
  EXPECT_NE(ipList.find("127.1.61.1"), std::string::npos) << ipList;
  EXPECT_NE(ipList.find("127.1.62.1"), std::string::npos) << ipList;
}

}  // namespace
}  // namespace gw::test
