#include "MonitorTick.h"

#include <cstdio>

namespace gw::monitor {

std::string PointNumber(int typeDigit, std::uint16_t address) {
  char text[16];
  std::snprintf(text, sizeof text, "%1d%05d", typeDigit % 10, static_cast<int>(address) + 1);
  return text;
}

}  // namespace gw::monitor
