#include "NodeListExchange.h"

#include <algorithm>
#include <vector>

#include "NodeListStream.h"

namespace gw {

void StoreNodeList(NodeTable& table, SerializeStore& store, UserInterface& ui) {
  const int total = table.Count();
  const int kept = std::min(total, kExchangeNodeLimit);
  std::vector<std::uint8_t> buffer(kExchangeBufferSize, 0);
  const std::vector<std::uint8_t> stream = WriteNodeList(table, kept);
  std::ranges::copy(stream, buffer.begin());
  store.SetSerializeData(buffer.data(), static_cast<int>(stream.size()));
  if (kept < total) {
    ui.Message("The node list holds " + std::to_string(total) + " modules; only the first " +
                   std::to_string(kept) + " were kept for the next start and " +
                   std::to_string(total - kept) + " were left out.",
               Buttons::Ok, Icon::Warning);
  }
}

void LoadNodeList(NodeTable& table, SerializeStore& store, UserInterface& ui) {
  std::vector<std::uint8_t> buffer(kExchangeBufferSize, 0);
  const int length = store.GetSerializeData(buffer.data());
  if (length < 0 || length > kExchangeBufferSize) {
    ui.Message("The stored node list could not be read (the store reported " +
                   std::to_string(length) + " bytes).",
               Buttons::Ok, Icon::Error);
    return;
  }
  const auto error =
      ReadNodeList(table, ConstBytes(buffer).first(static_cast<std::size_t>(length)));
  if (error) ui.Message(*error + " The stored node list was not loaded.", Buttons::Ok, Icon::Error);
}

}  // namespace gw
