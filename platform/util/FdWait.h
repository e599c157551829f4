#pragma once
// Waiting on one file descriptor with a time limit.

namespace gw::platform {

// 1 when `fd` becomes readable (or reports an error or hang-up, which the
// next read then tells) within `milliseconds`, 0 on time-out, -1 on failure
// (errno set). A negative time counts as 0.
int WaitReadable(int fd, int milliseconds);

// The same for writing.
int WaitWritable(int fd, int milliseconds);

}  // namespace gw::platform
