#include "TransactionId.h"

#include <random>

namespace gw {

TransactionIds::TransactionIds() {
  std::random_device source;
  SetNext(static_cast<std::uint32_t>(source()));
}

std::uint32_t TransactionIds::Next() {
  const std::uint32_t id = next_;
  next_ = id + 1;
  if (next_ == 0) next_ = 1;
  return id;
}

}  // namespace gw
