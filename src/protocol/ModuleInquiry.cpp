#include <cstdio>

#include "model/Strings.h"
#include "link/Commands.h"
#include "protocol/Commands.h"
#include "protocol/ModuleSearch.h"

namespace gw {

int ReadBlockOnce(DeviceLink& link, int block, int commType) {
  if (link.SendFrame(CmdReadBlock, block) <= 0) return 0;
  if (commType == kCommSerial) {
    link.GetClock().Sleep(kSerialReadWait);
    return link.ReceiveFrame(CmdReadBlock, block);
  }
  if (commType != kCommEthernet) return -1;
  // A late answer to an earlier attempt (or a duplicated datagram) is set
  // aside and the wait goes on, so the tool does not fall one reply behind the
  // module for the rest of the block's attempts.
  for (int late = 0; late <= kLateRepliesSetAside; ++late) {
    if (link.ReadSelect(link.Timing().replyWait) <= 0) return -1;
    const int result = link.ReceiveFrame(CmdReadBlock, block);
    if (result > 0 || !link.LastReplyWasForeign()) return result;
  }
  return -1;
}

bool InquireModule(DeviceLink& link) {
  UserInterface& ui = link.Ui();
  const int blocks = static_cast<int>(kInquiryBlocks.size());
  ui.ProgressOpen(text::kProcessing, text::kInquiring, 0, blocks, 1);
  const int commType = link.CommType();
  int done = 0;
  for (int position = 0; position < blocks && done == position; ++position) {
    const int block = kInquiryBlocks[static_cast<std::size_t>(position)];
    for (int attempt = 0; attempt < link.Timing().retryCount; ++attempt) {
      const int result = ReadBlockOnce(link, block, commType);
      if (result == 0) continue;  // not sent: no message, no pause
      if (result > 0) {
        ui.ProgressStep();
        ++done;
        break;
      }
      char message[32];
      std::snprintf(message, sizeof message, "Losss APD%X", static_cast<unsigned>(block));
      ui.Message(message);
      ui.ProgressStep();
    }
  }
  ui.ProgressSetPosition(blocks);
  ui.ProgressClose();
  return done == blocks;
}

}  // namespace gw
