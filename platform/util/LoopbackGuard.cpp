#include "platform/util/LoopbackGuard.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/util/Ipv4Text.h"

namespace gw::platform {

bool LoopbackOnly() {
  const char* value = std::getenv("GWSUITE_LOOPBACK_ONLY");
  return value != nullptr && std::strcmp(value, "1") == 0;
}

bool IsLoopback(std::uint32_t hostOrder) { return (hostOrder >> 24) == 127; }

bool MaySendTo(std::uint32_t hostOrder, std::string_view owner) {
  if (!LoopbackOnly() || IsLoopback(hostOrder)) {
    return true;
  }
  static std::atomic<bool> told{false};
  if (!told.exchange(true)) {
    std::fprintf(stderr,
                 "%.*s: GWSUITE_LOOPBACK_ONLY=1 refuses to send to %s (outside 127.0.0.0/8)\n",
                 static_cast<int>(owner.size()), owner.data(), FormatIpv4(hostOrder).c_str());
  }
  errno = EPERM;
  return false;
}

}  // namespace gw::platform
