// The node list stream, read directly (the document's file) and through the
// host's byte store (the 10240-byte exchange): a refused stream leaves the
// list as it was and is reported; an accepted one is written back as it was
// read, Selected flags cleared.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzInput.h"
#include "model/NodeListExchange.h"
#include "model/NodeListStream.h"
#include "support/MemoryStore.h"
#include "support/RecordingUi.h"
#include "support/Records.h"

namespace {

using namespace gw;
using fuzz::Check;

constexpr int kKeptNodes = 2;

// The list before each input: two nodes, flags as every read leaves them.
const NodeTable& Kept() {
  static const NodeTable* table = [] {
    auto* t = new NodeTable();
    for (int i = 0; i < kKeptNodes; ++i) {
      test::FillRandom(t->Node(i), static_cast<std::uint32_t>(i + 1));
    }
    t->SetCount(kKeptNodes);
    t->ResetNodeFlags();
    return t;
  }();
  return *table;
}

// The table an input works on, put back to Kept() after each read: only the
// nodes a read can have written differ.
class Table {
 public:
  NodeTable& Get() { return *table_; }
  void Restore() {
    const int written = std::max(table_->Count(), kKeptNodes);
    for (int i = 0; i < written; ++i) table_->Node(i) = Kept().Node(i);
    table_->SetCount(kKeptNodes);
  }
  bool Unchanged() const {
    bool same = table_->Count() == kKeptNodes;
    for (int i = 0; i <= kKeptNodes; ++i) same = same && table_->Node(i) == Kept().Node(i);
    return same;
  }

 private:
  NodeTable* table_ = new NodeTable(Kept());
};

// The stream as WriteNodeList gives it back after reading `stream`.
std::vector<std::uint8_t> Expected(ConstBytes stream, int count) {
  std::vector<std::uint8_t> expected(NodeListStreamSize(count), 0);
  if (count == 0) return expected;
  std::copy_n(stream.begin(), expected.size(), expected.begin());
  for (int i = 0; i < count; ++i) StoreLE32(expected, NodeListStreamSize(i), 0);
  return expected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Table table;
  const std::vector<std::uint8_t> bytes(data, data + size);
  const ConstBytes stream(bytes);

  const bool accepted = !ReadNodeList(table.Get(), stream).has_value();
  std::vector<std::uint8_t> expected;
  if (accepted) {
    const int count = size == 0 ? 0 : static_cast<int>(LoadLE32(stream, 0));
    Check(table.Get().Count() == count);
    expected = Expected(stream, count);
    Check(WriteNodeList(table.Get()) == expected);
  } else {
    Check(table.Unchanged());
  }
  table.Restore();

  // The same bytes from the host's store, which holds at most its buffer.
  test::MemoryStore store;
  const std::size_t held = std::min<std::size_t>(size, kExchangeBufferSize);
  store.bytes.assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(held));
  store.reported = static_cast<int>(std::min<std::size_t>(size, 1 << 30));
  test::RecordingUi ui;
  LoadNodeList(table.Get(), store, ui);
  const bool loaded = accepted && size <= static_cast<std::size_t>(kExchangeBufferSize);
  Check(ui.messages.empty() == loaded);
  if (loaded) {
    Check(WriteNodeList(table.Get()) == expected);
    // Stored back, the list keeps what the exchange holds.
    StoreNodeList(table.Get(), store, ui);
    const int kept = std::min(table.Get().Count(), kExchangeNodeLimit);
    Check(store.bytes.size() == NodeListStreamSize(kept));
    Check(std::equal(store.bytes.begin() + 4, store.bytes.end(), expected.begin() + 4));
    Check(ui.messages.empty() == (kept == table.Get().Count()));
  } else {
    Check(table.Unchanged());
  }
  table.Restore();
  return 0;
}
