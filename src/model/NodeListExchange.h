#pragma once
// Moving the node list between the document and the host's byte store
// (host commands 10901 and 10902) through a 10240-byte exchange buffer.

#include <cstdint>

#include "NodeTable.h"
#include "UserInterface.h"

namespace gw {

inline constexpr int kExchangeBufferSize = 10240;
// Whole nodes that fit the exchange buffer beside the count.
inline constexpr int kExchangeNodeLimit = (kExchangeBufferSize - 4) / (4 + 36 + 80);

// The host's byte store; CCfgLib is one.
class SerializeStore {
 public:
  virtual ~SerializeStore() = default;
  // Copies the stored bytes into a buffer of kExchangeBufferSize bytes and
  // returns their number.
  virtual int GetSerializeData(std::uint8_t* buffer) = 0;
  virtual int SetSerializeData(const std::uint8_t* data, int length) = 0;
};

// Command 10902. A list longer than the buffer holds keeps its first
// kExchangeNodeLimit nodes and the user is told how many were left out.
void StoreNodeList(NodeTable& table, SerializeStore& store, UserInterface& ui);

// Command 10901. An empty store gives an empty list without a message; a
// damaged one is reported and leaves the table as it was.
void LoadNodeList(NodeTable& table, SerializeStore& store, UserInterface& ui);

}  // namespace gw
