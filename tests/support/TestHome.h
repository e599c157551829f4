#pragma once
// A private configuration folder for one test, and the check that keeps a
// test's traffic on loopback: every test that touches the transport runs with
// GWSUITE_HOME set to a temporary folder of its own whose PortLink.ini aims
// the link and the broadcast replacement at 127.0.0.0/8, and with
// GWSUITE_LOOPBACK_ONLY=1; or it runs inside a network namespace that the
// test program made itself.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

namespace gw::test {

// 127.0.0.<last> in host order.
constexpr std::uint32_t Loopback(std::uint8_t last) { return 0x7F000000U | last; }
// a.b.c.d in host order.
constexpr std::uint32_t Ipv4(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
  return (std::uint32_t{a} << 24) | (std::uint32_t{b} << 16) | (std::uint32_t{c} << 8) | d;
}
// Dotted text of a host-order address.
std::string DottedText(std::uint32_t hostOrder);

// The broadcast replacement of every loopback test: Linux delivers it on
// loopback only.
inline constexpr std::uint32_t kLoopbackBroadcast = 0x7FFFFFFFU;  // 127.255.255.255

// A temporary folder set as GWSUITE_HOME for the life of the object, with
// GWSUITE_LOOPBACK_ONLY=1. The folder and both variables go with it.
class TempHome {
 public:
  TempHome();
  ~TempHome();
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path ConfigDir() const { return root_ / "Config"; }
  // Writes Config/PortLink.ini (creating Config/).
  void WritePortLinkIni(const std::string& text) const;
  std::string ReadConfigFile(const std::string& name) const;

  // PortLink.ini for an Ethernet link to `remote` (host order, loopback),
  // broadcasts replaced by 127.255.255.255.
  void UseEthernet(std::uint32_t remote) const;
  // PortLink.ini for a serial link on COM1 = `device`; the Ethernet settings
  // still point at `remote` and the loopback broadcast, so switching the comm
  // type cannot reach a network.
  void UseSerial(const std::filesystem::path& device, std::uint32_t remote) const;

 private:
  std::filesystem::path root_;
};

// Why this process must not use the transport in a test, or an empty text
// when it may: read from the environment and from PortLink.ini as the
// transport reads them.
std::string TransportSafetyProblem();

// Success, or a failure that names the problem; ASSERT_TRUE it before
// binding a link or starting a simulator.
::testing::AssertionResult TransportIsSafe();

// True when the calling process is in another network namespace than the
// one this test program started in (one that the program made).
bool InOwnNetworkNamespace();

// A loopback address that no other test of this program uses, for the test
// that is running: 127.0.<third>.<n>, where n counts the program's tests
// (third moves on after 250). Tests run as separate processes in parallel;
// each gets its own address, so their simulators never meet.
std::uint32_t TestLoopbackAddress(std::uint8_t third);

}  // namespace gw::test
