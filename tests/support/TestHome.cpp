#include "TestHome.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "platform/util/LoopbackGuard.h"
#include "platform/util/PortLinkIni.h"

namespace gw::test {

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kLoopbackBroadcast = 0x7FFFFFFFU;  // Linux keeps it on loopback

std::string NetworkNamespaceOf(const char* process) {
  std::error_code ec;
  const fs::path target = fs::read_symlink(fs::path("/proc") / process / "ns" / "net", ec);
  return ec ? std::string() : target.string();
}

// Taken when the program starts, before any test makes a namespace.
const std::string& StartNamespace() {
  static const std::string name = NetworkNamespaceOf("self");
  return name;
}
[[maybe_unused]] const bool kStartNamespaceTaken = !StartNamespace().empty();

bool InOwnNetworkNamespace() {
  const std::string now = NetworkNamespaceOf("self");
  return !now.empty() && !StartNamespace().empty() && now != StartNamespace();
}

bool IsStrictlyInside(const fs::path& inner, const fs::path& outer) {
  const fs::path rel = fs::weakly_canonical(inner).lexically_relative(fs::weakly_canonical(outer));
  return !rel.empty() && rel != "." && *rel.begin() != "..";
}

}  // namespace

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TempHome::TempHome() {
  std::string pattern = (fs::temp_directory_path() / "gwtest-home-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a folder");
  root_ = pattern;
  ::setenv("GWSUITE_HOME", root_.c_str(), 1);
  ::setenv("GWSUITE_LOOPBACK_ONLY", "1", 1);
}

TempHome::~TempHome() {
  ::unsetenv("GWSUITE_HOME");
  ::unsetenv("GWSUITE_LOOPBACK_ONLY");
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

void TempHome::WritePortLinkIni(const std::string& text) const {
  fs::create_directories(ConfigDir());
  std::ofstream(ConfigDir() / "PortLink.ini") << text;
}

std::string TempHome::ReadConfigFile(const std::string& name) const {
  return ReadFile(ConfigDir() / name);
}

void TempHome::UseEthernet(std::uint32_t remote) const {
  WritePortLinkIni("[PortLink]\nCommType=1\nCOMPort=1\nRemoteIP=" + DottedText(remote) +
                   "\nBroadcastAddress=" + DottedText(kLoopbackBroadcast) + "\n");
}

void TempHome::UseSerial(const fs::path& device, std::uint32_t remote) const {
  WritePortLinkIni("[PortLink]\nCommType=0\nCOMPort=1\nRemoteIP=" + DottedText(remote) +
                   "\nBroadcastAddress=" + DottedText(kLoopbackBroadcast) +
                   "\n[COMPorts]\nCOM1=" + device.string() + "\n");
}

std::string TransportSafetyProblem() {
  if (InOwnNetworkNamespace()) return {};
  const char* home = std::getenv("GWSUITE_HOME");
  if (home == nullptr || *home == '\0') {
    return "GWSUITE_HOME is not set: the test has no configuration folder of its own";
  }
  std::error_code ec;
  if (!fs::is_directory(home, ec) || !IsStrictlyInside(home, fs::temp_directory_path())) {
    return std::string("GWSUITE_HOME (") + home + ") is not a temporary folder";
  }
  const std::string ini = platform::PortLinkIniPath().string();
  if (!fs::is_regular_file(ini, ec)) return "there is no " + ini;
  const std::uint32_t remote = platform::LoadRemoteIp();
  if (!platform::IsLoopback(remote)) {
    return "RemoteIP in " + ini + " is " + DottedText(remote) + ", outside 127.0.0.0/8";
  }
  const auto broadcast = platform::LoadBroadcastAddress();
  if (!broadcast) {
    return "BroadcastAddress is missing from " + ini + ": a search would go out on every interface";
  }
  if (!platform::IsLoopback(*broadcast)) {
    return "BroadcastAddress in " + ini + " is " + DottedText(*broadcast) + ", outside 127.0.0.0/8";
  }
  if (!platform::LoopbackOnly()) return "GWSUITE_LOOPBACK_ONLY is not 1";
  return {};
}

::testing::AssertionResult TransportIsSafe() {
  const std::string problem = TransportSafetyProblem();
  if (problem.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "refusing to run against the transport: " << problem;
}

std::uint32_t TestLoopbackAddress(std::uint8_t third) {
  const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
  int position = 0;
  for (int s = 0; s < unit.total_test_suite_count(); ++s) {
    const ::testing::TestSuite& suite = *unit.GetTestSuite(s);
    for (int t = 0; t < suite.total_test_count(); ++t, ++position) {
      if (suite.GetTestInfo(t) == unit.current_test_info()) {
        return Ipv4(127, 0, static_cast<std::uint8_t>(third + position / 250),
                    static_cast<std::uint8_t>(1 + position % 250));
      }
    }
  }
  throw std::logic_error("TestLoopbackAddress called outside a test");
}

}  // namespace gw::test
