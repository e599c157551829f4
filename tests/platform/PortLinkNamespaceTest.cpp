// Sends that must not reach a real network: the loopback-only refusal and
// the broadcast fan-out over interfaces. They run in a child process inside
// a network namespace of its own, so nothing could leave even if the code
// under test were wrong.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "PlatformFixtures.h"

namespace gw::test {
namespace {

// Exit codes of the child.
constexpr int kPassed = 0;
constexpr int kSetupFailed = 2;
constexpr int kCheckFailed = 3;

int Check(bool ok, const char* what) {
  if (!ok) std::fprintf(stderr, "check failed: %s\n", what);
  return ok ? kPassed : kCheckFailed;
}

// Two broadcast-capable interfaces, 10.61.1.1/24 and 10.61.2.1/24, up.
bool MakeTwoInterfaces() {
  return Shell("ip link set lo up") && Shell("ip link add gwa0 type veth peer name gwa1") &&
         Shell("ip link add gwb0 type veth peer name gwb1") &&
         Shell("ip addr add 10.61.1.1/24 brd + dev gwa0") &&
         Shell("ip addr add 10.61.2.1/24 brd + dev gwb0") &&
         Shell("ip link set gwa0 up && ip link set gwa1 up") &&
         Shell("ip link set gwb0 up && ip link set gwb1 up");
}

class PortLinkNamespaceTest : public ::testing::Test {
 protected:
  TempHome home;
  PortLinkApi& api = PortLink();

  void SetUp() override {
    if (!NetworkNamespacesAvailable()) GTEST_SKIP() << "no permission to make a network namespace";
  }

  int OpenLink() {
    return api.OpenSocket(kSocketDatagram, htonl(api.GetRemoteIPAddr()), 0, kConfigPort,
                          kSocketFlags);
  }
};

TEST_F(PortLinkNamespaceTest, LoopbackOnlyRefusesAnOutsideAddressAndTheBroadcastFanOut) {
  const std::pair<std::string, std::string> cases[] = {
      {"10.61.1.7", "refuses to send to 10.61.1.7 (outside 127.0.0.0/8)"},
      {"255.255.255.255", " (outside 127.0.0.0/8)"}};
  for (const auto& [remote, told] : cases) {
    SCOPED_TRACE(remote);
    home.WritePortLinkIni("[PortLink]\nRemoteIP=" + remote + "\n");
    std::string childErr;
    const int code = RunInNetworkNamespace(
        [&] {
          UdpPeer listener(INADDR_ANY, kConfigPort);
          if (!MakeTwoInterfaces() || !listener.Ok() || OpenLink() != 0) return kSetupFailed;
          const Bytes bytes{0x01, 0x02};
          const int sent = api.SendData(bytes.data(), 2);
          const int error = api.GetLastSocketErr();
          api.SendData(bytes.data(), 2);
          const bool heard = listener.Receive(milliseconds(100)).has_value();
          return Check(sent == -1, "send refused") | Check(error == EPERM, "error is EPERM") |
                 Check(!heard, "nothing went out");
        },
        childErr);
    EXPECT_EQ(code, kPassed) << childErr;
    // The refusal is told once, not at every send.
    EXPECT_NE(childErr.find(told), std::string::npos) << childErr;
    EXPECT_EQ(childErr.find("refuses"), childErr.rfind("refuses")) << childErr;
  }
}

TEST_F(PortLinkNamespaceTest, BroadcastGoesOutOnEveryInterfaceThatCanBroadcast) {
  home.WritePortLinkIni("[PortLink]\nRemoteIP=255.255.255.255\n");
  std::string childErr;
  const int code = RunInNetworkNamespace(
      [&] {
        ::unsetenv("GWSUITE_LOOPBACK_ONLY");  // nothing leaves this namespace
        if (!MakeTwoInterfaces()) return kSetupFailed;
        // Each listener hears only datagrams to its own subnet's broadcast address.
        UdpPeer first(0x0A3D01FFU, kConfigPort);   // 10.61.1.255
        UdpPeer second(0x0A3D02FFU, kConfigPort);  // 10.61.2.255
        if (!first.Ok() || !second.Ok() || OpenLink() != 0) return kSetupFailed;
        const Bytes bytes{0x42};
        const int sent = api.SendData(bytes.data(), 1);
        const auto a = first.Receive(milliseconds(1000));
        const auto b = second.Receive(milliseconds(1000));
        return Check(sent == 1, "sent") | Check(a && a->bytes == bytes, "first subnet heard it") |
               Check(b && b->bytes == bytes, "second subnet heard it");
      },
      childErr);
  EXPECT_EQ(code, kPassed) << childErr;
}

}  // namespace
}  // namespace gw::test
