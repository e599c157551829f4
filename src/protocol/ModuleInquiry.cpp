#include "ModuleInquiry.h"

#include <cstdio>

#include "model/BlockTable.h"
#include "model/Texts.h"

namespace gw {

namespace {

// A read that never went out: no message, no pause.
bool NotSent(const LinkResult& result) {
  return result.status == LinkStatus::NotOpen || result.status == LinkStatus::NotBuilt ||
         result.status == LinkStatus::SendFailed;
}

}  // namespace

bool InquireModule(DeviceLink& link) {
  UserInterface& ui = link.Ui();
  const int blocks = static_cast<int>(kInquiryBlocks.size());
  ui.ProgressOpen(text::kProcessing, text::kInquiring, 0, blocks, 1);
  int done = 0;
  for (int position = 0; position < blocks && done == position; ++position) {
    const int block = kInquiryBlocks[static_cast<std::size_t>(position)];
    for (int attempt = 0; attempt < link.Timing().retryCount; ++attempt) {
      const LinkResult result = link.ReadBlock(block);
      if (NotSent(result)) continue;
      if (result.Ok()) {
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
