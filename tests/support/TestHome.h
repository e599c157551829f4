#pragma once
// A private configuration folder for one test, and the check that keeps a
// test's traffic on loopback: GWSUITE_HOME is a temporary folder of the
// test's own whose PortLink.ini aims the link and the broadcast replacement
// at 127.0.0.0/8, and GWSUITE_LOOPBACK_ONLY=1; or the test runs inside a
// network namespace that the test program made itself.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

namespace gw::test {

// 127.0.0.<last> and a.b.c.d in host order.
constexpr std::uint32_t Loopback(std::uint8_t last) { return 0x7F000000U | last; }
constexpr std::uint32_t Ipv4(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
  return (std::uint32_t{a} << 24) | (std::uint32_t{b} << 16) | (std::uint32_t{c} << 8) | d;
}
// Dotted text of a host-order address.
inline std::string DottedText(std::uint32_t a) {
  return std::to_string(a >> 24) + "." + std::to_string((a >> 16) & 0xFF) + "." +
         std::to_string((a >> 8) & 0xFF) + "." + std::to_string(a & 0xFF);
}

// The whole text of a file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

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

  // PortLink.ini for Ethernet to `remote` (host order, loopback), or serial
  // on COM1 = `device` with the Ethernet settings still on `remote`; either
  // way broadcasts go to 127.255.255.255.
  void UseEthernet(std::uint32_t remote) const;
  void UseSerial(const std::filesystem::path& device, std::uint32_t remote) const;

 private:
  std::filesystem::path root_;
};

// Why this process must not use the transport in a test, or an empty text
// when it may (read as the transport reads its settings).
std::string TransportSafetyProblem();
// Success, or a failure naming the problem; assert it before binding a link.
::testing::AssertionResult TransportIsSafe();

// A loopback address 127.0.<third>.<n> of the running test alone: n counts
// the program's tests (third moves on after 250), so tests run side by side.
std::uint32_t TestLoopbackAddress(std::uint8_t third);

}  // namespace gw::test
