#pragma once
// The host's byte store kept in memory.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "model/NodeListExchange.h"

namespace gw::test {

class MemoryStore : public SerializeStore {
 public:
  int GetSerializeData(std::uint8_t* buffer) override {
    std::copy(bytes.begin(), bytes.end(), buffer);
    return reported >= 0 ? reported : static_cast<int>(bytes.size());
  }
  int SetSerializeData(const std::uint8_t* data, int length) override {
    bytes.assign(data, data + length);
    return length;
  }
  std::vector<std::uint8_t> bytes;
  int reported = -1;  // a length to claim instead of the real one
};

}  // namespace gw::test
