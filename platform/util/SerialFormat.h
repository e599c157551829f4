#pragma once
// The serial line settings as the transport libraries take them at their C
// entry points: the parity argument's forms, and the format of the
// configuration line.

#include <optional>

namespace gw::platform {

enum class Parity { None, Odd, Even };

// 'N', 'O' or 'E' in either case, or 0 none, 1 odd, 2 even; nothing else.
inline constexpr std::optional<Parity> ParityOf(int argument) {
  switch (argument) {
    case 'N':
    case 'n':
    case 0:
      return Parity::None;
    case 'O':
    case 'o':
    case 1:
      return Parity::Odd;
    case 'E':
    case 'e':
    case 2:
      return Parity::Even;
    default:
      return std::nullopt;
  }
}

inline constexpr char ParityLetter(Parity parity) {
  switch (parity) {
    case Parity::Odd:
      return 'O';
    case Parity::Even:
      return 'E';
    case Parity::None:
      break;
  }
  return 'N';
}

// The configuration line: 19200 baud, 8 data bits, no parity, 1 stop bit.
inline constexpr int kConfigBaud = 19200;
inline constexpr int kConfigDataBits = 8;
inline constexpr int kConfigParity = 'N';
inline constexpr int kConfigStopBits = 1;

// The `mode` argument of MbKit's OpenModbusSerial for RTU framing, the only
// one it carries.
inline constexpr int kModbusRtuMode = 1;

}  // namespace gw::platform
