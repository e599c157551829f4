// The named operations of the device link: whole transactions with their
// retries and pauses, every pause on the injected clock.
#include <algorithm>

#include "DeviceLink.h"
#include "RequestCodes.h"

namespace gw {

namespace {

using std::chrono::milliseconds;

}  // namespace

LinkResult DeviceLink::AwaitReply(int command, int block) {
  const auto start = clock_.Now();
  LinkResult result = Failed(LinkStatus::TimedOut);
  for (int setAside = 0; setAside <= kRepliesSetAside; ++setAside) {
    const auto waited = std::chrono::duration_cast<milliseconds>(clock_.Now() - start);
    const milliseconds left = std::max(milliseconds{0}, timing_.replyWait - waited);
    if (!transport_->await(portLink_, left)) {
      return {LinkStatus::TimedOut, 0, setAside > 0 ? result.status : LinkStatus::Ok};
    }
    result = ReceiveFrame(command, block);
    if (!result.IsSetAside()) return result;
  }
  return result;
}

LinkResult DeviceLink::Exchange(int command, int block, Retry retry, HeaderFrom from,
                                std::string_view key) {
  if (!IsOpen()) return Failed(LinkStatus::NotOpen);
  LinkResult result = Failed(LinkStatus::SendFailed);
  for (int attempt = 0; attempt < timing_.retryCount; ++attempt) {
    result = Send(command, block, from, key);
    clock_.Sleep(timing_.sendPause);
    if (!result.Ok()) continue;
    result = AwaitReply(command, block);
    if (result.Ok()) break;
    if (result.status == LinkStatus::TimedOut) {
      if (!retry.askSilentAgain) break;  // a silent module is not asked again
      continue;
    }
    if (retry.pauseAfterBadReply) clock_.Sleep(timing_.retryPause);
  }
  return result;
}

LinkResult DeviceLink::Judge(LinkResult received, std::initializer_list<int> accepted) const {
  if (!received.Ok()) return received;
  const NodeRecord* node = nodes_.CurrentRecord();
  const int code = node != nullptr ? node->ReplyCode() : -1;
  if (std::find(accepted.begin(), accepted.end(), code) == accepted.end()) {
    return {LinkStatus::Refused, received.length, LinkStatus::Ok};
  }
  return received;
}

LinkResult DeviceLink::WriteBlock(int block) {
  if (!IsOpen()) return Failed(LinkStatus::NotOpen);
  // A refusal is final: the write is not repeated after any reply.
  const LinkResult written = Judge(Exchange(CmdWriteBlock, block, Retry{true, true}),
                                   {kReplyWriteOk, kReplyWriteOkConnected});
  clock_.Sleep(timing_.sendPause);
  // The read-back runs either way, so the node ends up holding what the
  // module reports.
  const LinkResult readBack = Judge(Exchange(CmdReadBlock, block, Retry{true, false}),
                                    {kReplyReadOk, kReplyReadOkConnected});
  if (!readBack.Ok() && readBack.status != LinkStatus::Refused) return readBack;
  return written.Ok() ? readBack : written;
}

LinkResult DeviceLink::WritePassword() {
  return Judge(Exchange(CmdWriteBlock, kNetworkBlock, Retry{false, true}, HeaderFrom::Node),
               {CmdWriteBlock + 1, kReplyWriteOk, kReplyWriteOkConnected});
}

LinkResult DeviceLink::Login(std::string_view key) {
  return Judge(Exchange(CmdLogin, 0, Retry{false, true}, HeaderFrom::Node, key),
               {CmdLogin + 1, kReplyWriteOk, kReplyWriteOkConnected});
}

LinkResult DeviceLink::FactoryReset() {
  return Judge(Exchange(CmdFactoryReset, 0, Retry{false, true}, HeaderFrom::Node),
               {CmdFactoryReset + 1, kReplyWriteOk, kReplyWriteOkConnected});
}

LinkResult DeviceLink::ReadBlock(int block) {
  const LinkResult sent = Send(CmdReadBlock, block);
  if (!sent.Ok()) return sent;
  if (transport_->readPause > milliseconds{0}) clock_.Sleep(transport_->readPause);
  return AwaitReply(CmdReadBlock, block);
}

LinkResult DeviceLink::PollBlock(int block, milliseconds pause) {
  const LinkResult sent = Send(CmdReadBlock, block);
  clock_.Sleep(pause);
  if (!sent.Ok()) return sent;
  return ReceiveFrame(CmdReadBlock, block);
}

LinkResult DeviceLink::Search() {
  const LinkResult sent = Send(CmdSearch, 0);
  if (!sent.Ok()) return sent;
  for (int i = 0; i < transport_->searchReplies; ++i) {
    if (!transport_->await(portLink_, timing_.replyWait)) break;
    ReceiveFrame(CmdSearch, 0);
  }
  return sent;
}

}  // namespace gw
