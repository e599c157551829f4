// The two transactions: a block write with its read-back, and a single
// command exchange. Every pause goes through the clock.
#include "Commands.h"
#include "DeviceLink.h"

namespace gw {

int DeviceLink::AwaitReply(int command, int block, bool& timedOut) {
  timedOut = false;
  switch (CommType()) {
    case kCommEthernet:
      if (ReadSelect(timing_.replyWait) < 1) {
        timedOut = true;
        return -1;
      }
      return ReceiveFrame(command, block);
    case kCommSerial:
      return ReceiveFrame(command, block);  // RecvData waits on its own
    default:
      return -1;
  }
}

bool DeviceLink::WriteBlock(int block) {
  bool acknowledged = false;
  for (int attempt = 0; attempt < timing_.retryCount; ++attempt) {
    const int sent = SendFrame(CmdWriteBlock, block);
    clock_.Sleep(timing_.sendPause);
    if (sent <= 0) continue;
    bool timedOut = false;
    if (AwaitReply(CmdWriteBlock, block, timedOut) > 0) {
      const std::uint16_t code = CurrentReplyCode();
      acknowledged = code == kReplyWriteOk || code == kReplyWriteOkConnected;
      break;  // a refusal is final too
    }
    if (!timedOut) clock_.Sleep(timing_.retryPause);
  }

  clock_.Sleep(timing_.sendPause);

  // The read-back runs either way, so the node ends up holding what the
  // module reports.
  bool readBack = false;
  for (int attempt = 0; attempt < timing_.retryCount && !readBack; ++attempt) {
    const int sent = SendFrame(CmdReadBlock, block);
    clock_.Sleep(timing_.sendPause);
    if (sent <= 0) continue;
    bool timedOut = false;
    readBack = AwaitReply(CmdReadBlock, block, timedOut) > 0;
  }
  if (!readBack) return false;
  const std::uint16_t code = CurrentReplyCode();
  return acknowledged && (code == kReplyReadOk || code == kReplyReadOkConnected);
}

bool DeviceLink::ExchangeCommand(int command, int block) {
  bool received = false;
  for (int attempt = 0; attempt < timing_.retryCount && !received; ++attempt) {
    const int sent = SendFrame(command, block);
    clock_.Sleep(timing_.sendPause);
    if (sent <= 0) continue;
    bool timedOut = false;
    received = AwaitReply(command, block, timedOut) > 0;
    if (timedOut) return false;  // a silent module is not asked again
    if (!received) clock_.Sleep(timing_.retryPause);
  }
  if (!received) return false;
  const std::uint16_t code = CurrentReplyCode();
  return code == command + 1 || code == kReplyWriteOk || code == kReplyWriteOkConnected;
}

}  // namespace gw
