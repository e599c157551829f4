#pragma once
// Shared pieces of the platform tests: the transport libraries bound as the
// plug-in binds them and a pseudo-terminal standing in for a COM port. The
// private configuration folder, the UDP peer and the network namespaces are
// shared with other tests (support/).

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "link/LinkApi.h"
#include "support/NetworkNamespace.h"
#include "support/TestHome.h"
#include "support/UdpPeer.h"

namespace gw::test {

using Bytes = std::vector<std::uint8_t>;
using std::chrono::milliseconds;

// The libraries, bound once per process by the plug-in's loader (local
// symbol scope); `module` is each one's handle.
PortLinkApi& PortLink();
MbKitApi& MbKit();

// PortLink's entry points beyond the plug-in's table.
struct PortLinkExtras {
  void (*SetCOMPortDevice)(int port, const char* path) = nullptr;
  int (*GetCOMPortDevice)(int port, char* path, int capacity) = nullptr;
  int (*SaveCommSettings)() = nullptr;
};
PortLinkExtras& PortLinkMore();

// The home of a test that sets PortLink's settings: they live in the
// process, so on leaving they are saved into this home (which then goes),
// and the next test starts from its own PortLink.ini.
class LinkHome : public TempHome {
 public:
  ~LinkHome() { PortLinkMore().SaveCommSettings(); }
};

// What ResponseData gives: its result, the station and function it sets, and
// the data bytes when the result is a count.
struct Response {
  int result = -1;
  std::int32_t station = 0;
  std::int32_t function = 0;
  Bytes data;
};
Response TakeResponse(PortLinkApi::ResponseDataFn responseData);

// The number of entries in a folder.
int EntryCount(const std::filesystem::path& folder);

// A pseudo-terminal: the test holds the controller side, the library opens
// the device path.
class Pty {
 public:
  Pty();
  ~Pty();
  Pty(const Pty&) = delete;
  Pty& operator=(const Pty&) = delete;

  const std::string& DevicePath() const { return path_; }
  int Device() const { return device_; }
  void Write(const Bytes& bytes) const;
  // What arrives on the controller side within `wait` (stops after `want` bytes).
  Bytes Read(std::size_t want, milliseconds wait) const;

 private:
  int controller_ = -1;
  int device_ = -1;
  std::string path_;
};

}  // namespace gw::test
