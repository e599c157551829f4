#pragma once
// One device action's hold on the configuration link: it opens the link on
// the transport the settings name now, tells the user when the transport
// refuses ("Cannot open the specified device"), and closes the link when the
// action ends. An action that starts while another one holds the link (a
// timer's poll in the middle of a long action) gets Busy and leaves the link
// alone.

#include <cstdint>
#include <optional>

#include "link/DeviceLink.h"

namespace gw {

class LinkAction {
 public:
  // `aim` (host order): on Ethernet, the remote address the action sends to.
  explicit LinkAction(DeviceLink& link, std::optional<std::uint32_t> aim = std::nullopt);
  ~LinkAction() { Close(); }
  LinkAction(const LinkAction&) = delete;
  LinkAction& operator=(const LinkAction&) = delete;

  bool Open() const { return status_ == LinkStatus::Ok; }
  LinkStatus Status() const { return status_; }
  // Closes the link unless another action holds it.
  void Close() {
    if (status_ != LinkStatus::Busy) link_.CloseLink();
  }

 private:
  DeviceLink& link_;
  LinkStatus status_;
};

}  // namespace gw
