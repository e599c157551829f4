#pragma once
// The tool's place between the device link and the transport libraries: the
// link's entry point table with wrappers that write every frame to a trace
// file (--trace), keep the block writes that pass, and can answer the link
// in process instead of a module (a dry run, or a parameter file), taking
// each write by its change mask as a module does. The pages and the link do
// not know it is there.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/DeviceLink.h"

namespace gw::cli {

// One block write request as it went to the link's transport.
struct TappedWrite {
  int block = 0;
  std::uint32_t mask = 0;
  std::vector<std::uint8_t> bytes;  // the block, change mask first
  std::string page;                 // the page whose Apply sent it, when known
};

// Opens (truncates) the trace file for the rest of the run; an error text
// when it cannot be written.
std::optional<std::string> OpenTraceFile(const std::string& path);

class PortTap {
 public:
  // Wraps the entry points of `link` (bound already) until destroyed. One
  // tap at a time.
  explicit PortTap(DeviceLink& link);
  ~PortTap();
  PortTap(const PortTap&) = delete;
  PortTap& operator=(const PortTap&) = delete;

  // From now on the link talks to an in-process module holding `record`;
  // nothing more reaches the transport.
  void GoOffline(const NodeRecord& record);
  bool Offline() const;
  // The in-process module's blocks after the writes it took.
  const NodeRecord& OfflineRecord() const;

  std::vector<TappedWrite>& Writes();

 private:
  DeviceLink& link_;
  PortLinkApi realPort_;
  MbKitApi realMbKit_;
};

// The hexadecimal bytes of a frame, "**" for each byte of a login key or a
// password, which a trace never shows.
std::string MaskedFrameHex(ConstBytes body);

}  // namespace gw::cli
