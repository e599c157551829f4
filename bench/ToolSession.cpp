#include "ToolSession.h"

#include <algorithm>
#include <stdexcept>

namespace gw::bench {

Answer QuietUi::Message(const std::string& text, Buttons, Icon, std::optional<Answer>) {
  messages_.push_back(text);
  return Answer::Ok;
}

int MemoryStore::GetSerializeData(std::uint8_t* buffer) {
  std::copy(bytes_.begin(), bytes_.end(), buffer);
  return static_cast<int>(bytes_.size());
}

int MemoryStore::SetSerializeData(const std::uint8_t* data, int length) {
  if (length < 0 || length > kExchangeBufferSize) return -1;
  bytes_.assign(data, data + length);
  return length;
}

ToolSession::ToolSession(SerializeStore& store) : doc_(ui_, clock_, store, CommSettings()) {
  bool bound = true;
  doc_.Link().Bind(SystemLoader(), [&bound](int) { bound = false; });
  if (!bound) {
    const std::string why = ui_.Messages().empty() ? "" : ": " + ui_.Messages().back();
    throw std::runtime_error("cannot bind the transport libraries" + why);
  }
}

}  // namespace gw::bench
