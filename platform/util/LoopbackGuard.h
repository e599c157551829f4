#pragma once
// The test safety belt of the transport: with GWSUITE_LOOPBACK_ONLY=1 in the
// environment nothing is sent outside 127.0.0.0/8.

#include <cstdint>
#include <string_view>

namespace gw::platform {

// True when GWSUITE_LOOPBACK_ONLY is set to 1.
bool LoopbackOnly();

// True for addresses in 127.0.0.0/8 (host order).
bool IsLoopback(std::uint32_t hostOrder);

// True when the transport may send to `hostOrder`. Otherwise false with errno
// EPERM, and the first refusal of the process is explained on stderr,
// prefixed with `owner`.
bool MaySendTo(std::uint32_t hostOrder, std::string_view owner);

}  // namespace gw::platform
