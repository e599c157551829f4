#pragma once
// A configuration folder of one benchmark run: a new temporary folder set as
// GWSUITE_HOME for the life of the object, with a PortLink.ini that keeps the
// transport on loopback.

#include <cstdint>
#include <filesystem>
#include <string>

namespace gw::bench {

// PortLink.ini for UDP to `remote` (host order, must be 127.x.y.z).
std::string EthernetIni(std::uint32_t remote);
// PortLink.ini for the serial link on COM1 = `device`.
std::string SerialIni(const std::filesystem::path& device);

class BenchHome {
 public:
  // Throws std::runtime_error when the folder or the file cannot be made.
  explicit BenchHome(const std::string& portLinkIni);
  ~BenchHome();
  BenchHome(const BenchHome&) = delete;
  BenchHome& operator=(const BenchHome&) = delete;

  const std::filesystem::path& Root() const { return root_; }

 private:
  std::filesystem::path root_;
};

// A new temporary folder under $TMPDIR (or /tmp) named after `stem`.
std::filesystem::path MakeTempFolder(const std::string& stem);

}  // namespace gw::bench
