#include "BenchHome.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>

#include "LoopbackAddress.h"

namespace gw::bench {

namespace fs = std::filesystem;

std::string EthernetIni(std::uint32_t remote) {
  if (!IsLoopbackAddress(remote)) {
    throw std::runtime_error("refusing a remote address outside 127.0.0.0/8");
  }
  // A broadcast, should one ever be sent, stays on loopback too.
  return "[PortLink]\nCommType=1\nCOMPort=1\nRemoteIP=" + AddressText(remote) +
         "\nBroadcastAddress=127.255.255.255\n";
}

std::string SerialIni(const fs::path& device) {
  return "[PortLink]\nCommType=0\nCOMPort=1\nRemoteIP=127.0.0.1\n"
         "BroadcastAddress=127.255.255.255\n[COMPorts]\nCOM1=" +
         device.string() + "\n";
}

fs::path MakeTempFolder(const std::string& stem) {
  const char* tmp = std::getenv("TMPDIR");
  const fs::path base = (tmp != nullptr && *tmp != '\0') ? fs::path(tmp) : fs::path("/tmp");
  std::string pattern = (base / (stem + "-XXXXXX")).string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot make a temporary folder under " + base.string());
  }
  return pattern;
}

BenchHome::BenchHome(const std::string& portLinkIni) : root_(MakeTempFolder("gwbench-home")) {
  std::error_code ec;
  fs::create_directories(root_ / "Config", ec);
  std::ofstream out(root_ / "Config" / "PortLink.ini", std::ios::trunc);
  out << portLinkIni;
  out.close();
  if (ec || !out) {
    fs::remove_all(root_, ec);
    throw std::runtime_error("cannot write PortLink.ini under " + root_.string());
  }
  ::setenv("GWSUITE_HOME", root_.c_str(), 1);
}

BenchHome::~BenchHome() {
  ::unsetenv("GWSUITE_HOME");
  std::error_code ec;
  fs::remove_all(root_, ec);
}

}  // namespace gw::bench
