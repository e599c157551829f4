#include "LinkAction.h"

#include "model/Texts.h"

namespace gw {

LinkAction::LinkAction(DeviceLink& link, std::optional<std::uint32_t> aim)
    : link_(link), status_(link.IsOpen() ? LinkStatus::Busy : link.OpenLink(aim)) {
  if (status_ == LinkStatus::CannotOpen) {
    link.Ui().Message(text::kCannotOpenDevice, Buttons::Ok, Icon::None);
  }
}

}  // namespace gw
