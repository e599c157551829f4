// Coverage-guided fuzzing of everything the tool does with bytes that arrive
// on the configuration link: the serial frame decoder on its own (whole and
// streamed in pieces), and ReceiveFrame (with the transactions around it)
// over a fake transport that answers every request with the fuzz input, for
// both comm types and every request the tool can build or refuse.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "FuzzInput.h"
#include "link/DeviceLink.h"
#include "link/FrameCodec.h"
#include "link/RequestCodes.h"
#include "model/BlockTable.h"
#include "model/NodeTable.h"
#include "support/FakeClock.h"
#include "support/FakePortLink.h"
#include "support/RecordingUi.h"
#include "support/Records.h"

namespace {

using namespace gw;
using fuzz::Check;

void FuzzDecoder(const std::uint8_t* data, std::size_t size) {
  // Exactly the input's size, so any read or write beyond it is caught.
  std::vector<std::uint8_t> buffer(data, data + size);
  const int n = DecodeSerialFrame(buffer, buffer.size());
  Check(n == -1 || (n > 0 && static_cast<std::size_t>(n) <= size));
  if (n > 0) {
    std::uint8_t sum = 0;
    for (int i = 0; i < n; ++i) sum = static_cast<std::uint8_t>(sum + buffer[i]);
    Check(sum == 0);
    for (std::size_t i = static_cast<std::size_t>(n); i < size; ++i) Check(buffer[i] == 0);
  }
  // The streaming decoder finds the same frames however the input is cut.
  const std::span<const std::uint8_t> line(data, size);
  platform::SerialFrameDecoder whole, cut;
  const auto expected = whole.Feed(line);
  const std::size_t piece = size > 0 ? data[0] % 7 + 1 : 1;
  std::vector<platform::SerialFrameDecoder::Frame> frames;
  for (std::size_t at = 0; at < size; at += piece) {
    for (auto& f : cut.Feed(line.subspan(at, std::min(piece, size - at)))) frames.push_back(f);
  }
  Check(frames.size() == expected.size());
  for (std::size_t i = 0; i < frames.size(); ++i) {
    Check(frames[i].body == expected[i].body && frames[i].verdict == expected[i].verdict);
    Check(frames[i].body.size() < platform::kMaxFrameBody + 1);
  }
}

// One node table for the whole run (it is large), emptied before each input
// so that every input starts from the same state.
NodeTable* FreshNodeTable() {
  static NodeTable* table = new NodeTable();
  for (int i = 0; i <= NodeTable::kSpareSlot; ++i) table->Node(i).Clear();
  table->Outgoing().Clear();
  table->Incoming().Clear();
  table->SetCount(0);
  table->SetCurrent(NodeTable::kNoNode);
  return table;
}

void FuzzLink(const fuzz::Mode& mode, const std::uint8_t* reply, std::size_t size) {
  test::EventLog log;
  test::FakeClock clock{log};
  test::FakePortLink port{log};
  test::RecordingUi ui;
  NodeTable* nodes = FreshNodeTable();
  DeviceLink link{*nodes, ui, clock};
  Check(link.BindPortLink(port) && link.BindMbKit(port));
  port.commType = mode.commType;
  link.SetNextTransactionId(fuzz::kFirstTransactionId);

  // One known node, current, as a search would have found it.
  std::vector<std::uint8_t> found = test::ModuleHeader(fuzz::kNodeMacTail, fuzz::kNodeModuleNumber,
                                                       mode.oldFirmware ? 0x0154 : 0x0155);
  const int foundLength = static_cast<int>(found.size() + kBlocks[0].size);
  found.resize(kLinkBufferSize, 0);
  Check(nodes->AppendFromSearchReply(found, foundLength) == foundLength);
  nodes->SetCurrent(0);
  nodes->UpdateFirmwareNumber(0);
  link.OpenLink();  // unknown comm types stay closed: every operation declines

  const int block = mode.blockByte < static_cast<int>(kBlocks.size())
                        ? kBlocks[static_cast<std::size_t>(mode.blockByte)].number
                        : mode.blockByte;
  const int replies = mode.operation == fuzz::kSearch ? 300 : 1;
  port.frameReplies = mode.stamped;
  port.responder = [&](const test::SentRequest& request) {
    std::vector<std::vector<std::uint8_t>> out;
    for (int i = 0; i < replies; ++i) {
      std::vector<std::uint8_t> bytes(reply, reply + size);
      if (mode.stamped && bytes.size() >= hdr::kSize) {
        StoreBE32(bytes, hdr::TransactionId, request.transactionId);
        if (replies > 1) bytes[hdr::MacAddress + hdr::kMacSize - 1] = static_cast<std::uint8_t>(i);
      }
      out.push_back(std::move(bytes));
    }
    return out;
  };

  const NodeRecord before = nodes->Node(0);
  switch (mode.operation) {
    case fuzz::kSingle: {
      const LinkResult sent = link.SendFrame(mode.request, block);
      const LinkResult got = link.ReceiveFrame(mode.request, block);
      Check(!got.Ok() || (got.length > 0 && got.length <= static_cast<int>(kLinkBufferSize)));
      if (!sent.Ok()) Check(port.sent.empty());
      if (!got.Ok() && mode.request != CmdSearch) Check(nodes->Node(0) == before);
      break;
    }
    case fuzz::kWrite:
      link.WriteBlock(block);
      break;
    case fuzz::kExchange:
      if (mode.request == CmdLogin)
        link.Login("pass");
      else if (mode.request == CmdFactoryReset)
        link.FactoryReset();
      else if (mode.request == CmdWriteBlock)
        link.WritePassword();
      else
        link.ReadBlock(block);
      break;
    case fuzz::kSearch:
      link.Search();
      Check(nodes->Count() <= NodeTable::kNodeSlots);
      break;
  }
  Check(ui.messages.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzDecoder(data, size);
  if (size < fuzz::kPrefix) return 0;
  FuzzLink(fuzz::ReadMode(data), data + fuzz::kPrefix, size - fuzz::kPrefix);
  return 0;
}
