#pragma once
// Waiting on one file descriptor with a time limit.

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>

namespace gw::platform {

// 1 when `fd` becomes readable (or reports an error or hang-up, which the
// next read then tells) within `milliseconds`, 0 on time-out, -1 on failure
// (errno set). A negative time counts as 0.
int WaitReadable(int fd, int milliseconds);

// The same for writing.
int WaitWritable(int fd, int milliseconds);

// Writes all `length` bytes to a non-blocking `fd` with `writeSome` (a write
// or send of at most the given bytes), waiting up to `milliseconds` whenever
// the descriptor is full. The byte count, or -1 (errno set; ETIMEDOUT when
// the wait ran out).
int WriteAll(int fd, const std::uint8_t* data, int length, int milliseconds,
             const std::function<ssize_t(const std::uint8_t*, std::size_t)>& writeSome);

}  // namespace gw::platform
