#pragma once
// The serial link of the configuration protocol: a raw line (8N1 at 19200
// by default) carrying frames that open and close with 0xC0.

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "platform/portlink/ByteLink.h"
#include "platform/util/SerialFormat.h"

namespace gw::portlink {

struct SerialFormat {
  int baud = platform::kConfigBaud;
  int dataBits = platform::kConfigDataBits;
  int parity = platform::kConfigParity;  // any form platform::ParityOf takes
  int stopBits = platform::kConfigStopBits;
};

class SerialLine final : public ByteLink {
 public:
  // How long Receive waits for the first byte of a frame.
  static constexpr std::chrono::milliseconds kFirstByteWait{2000};
  // A pause this long ends a frame.
  static constexpr std::chrono::milliseconds kSilence{100};

  // Opens `device` raw in `format`. Null with errno set on failure (EINVAL
  // for a format the line cannot take, ENOTTY for a device that is not a
  // terminal).
  static std::unique_ptr<SerialLine> Open(const std::string& device, const SerialFormat& format);
  ~SerialLine() override;
  SerialLine(const SerialLine&) = delete;
  SerialLine& operator=(const SerialLine&) = delete;

  int Send(const std::uint8_t* data, int length) override;
  // One frame, as the line carries it (stuffed, with its delimiters): waits
  // up to kFirstByteWait for its first byte (0 if none comes), then reads
  // until the 0xC0 that closes a frame, kSilence without a byte, or
  // `capacity` bytes. Line noise before the frame is passed on with it, a
  // repeated opening 0xC0 is not. Bytes after the frame are kept for the
  // next call.
  int Receive(std::uint8_t* buffer, int capacity) override;
  int Wait(int milliseconds) override;

 private:
  explicit SerialLine(int fd) : fd_(fd) {}
  // Reads what arrives within `milliseconds` into pending_: greater than 0
  // when bytes came, 0 on time-out, -1 on failure.
  int ReadMore(std::chrono::milliseconds wait);

  int fd_;
  std::deque<std::uint8_t> pending_;
};

}  // namespace gw::portlink
