#pragma once
// Debian's mbpoll, a Modbus client of its own, reading holding registers, so
// that a test can hold what the tool and the simulator say against a third
// party.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gw::test {

// mbpoll once, zero-based references, hexadecimal: "[8456]: \t0x00FF" per
// register. Nothing when it fails; `output` holds what it said.
std::optional<std::vector<std::uint16_t>> Mbpoll(const std::string& ip, std::uint16_t port,
                                                 int station, std::uint16_t start,
                                                 std::uint16_t count, std::string& output);

}  // namespace gw::test
