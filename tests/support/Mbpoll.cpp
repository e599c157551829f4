#include "Mbpoll.h"

#include <cstdio>
#include <regex>

namespace gw::test {

std::optional<std::vector<std::uint16_t>> Mbpoll(const std::string& ip, std::uint16_t port,
                                                 int station, std::uint16_t start,
                                                 std::uint16_t count, std::string& output) {
  const std::string command = "mbpoll -m tcp -1 -0 -t 4:hex -o 10 -a " + std::to_string(station) +
                              " -r " + std::to_string(start) + " -c " + std::to_string(count) +
                              " -p " + std::to_string(port) + " " + ip + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  char buffer[512];
  output.clear();
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
  if (::pclose(pipe) != 0) return std::nullopt;
  static const std::regex line(R"(\[(\d+)\]:\s+0x([0-9A-Fa-f]{4}))");
  std::vector<std::uint16_t> out;
  for (std::sregex_iterator m(output.begin(), output.end(), line), end; m != end; ++m) {
    if (std::stoul((*m)[1]) != start + out.size()) return std::nullopt;
    out.push_back(static_cast<std::uint16_t>(std::stoul((*m)[2], nullptr, 16)));
  }
  return out;
}

}  // namespace gw::test
