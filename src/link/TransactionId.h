#pragma once
// Transaction ids of the configuration requests. Every request carries a new
// id, so a late reply to an earlier request (even one sent within the same
// second) never passes for the reply to the current one: the ids start at a
// random value and count up, skipping 0, which no request carries.

#include <cstdint>

namespace gw {

class TransactionIds {
 public:
  // Starts at a value drawn from the system's random source.
  TransactionIds();
  explicit TransactionIds(std::uint32_t first) { SetNext(first); }

  // The id of the next request; never 0 and never the previous one.
  std::uint32_t Next();
  // The id the next call of Next() answers (0 is taken as 1).
  void SetNext(std::uint32_t id) { next_ = id == 0 ? 1 : id; }

 private:
  std::uint32_t next_ = 1;
};

}  // namespace gw
