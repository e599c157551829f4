// Writes the seed corpus of the link fuzzer: well-formed replies to every
// request the tool builds, for both comm types, as stamped frame bodies and
// as the raw bytes that arrive on the link.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "link/FrameCodec.h"
#include "model/BlockTable.h"
#include "support/Records.h"

namespace {

using namespace gw;
using Bytes8 = std::vector<std::uint8_t>;

int written = 0;

void Write(const std::string& folder, const std::array<std::uint8_t, fuzz::kPrefix>& mode,
           const Bytes8& reply) {
  char name[32];
  std::snprintf(name, sizeof name, "/seed-%04d", written++);
  std::FILE* out = std::fopen((folder + name).c_str(), "wb");
  if (out == nullptr) {
    std::perror(name + 1);
    std::exit(1);
  }
  const bool ok = std::fwrite(mode.data(), 1, mode.size(), out) == mode.size() &&
                  std::fwrite(reply.data(), 1, reply.size(), out) == reply.size();
  if (std::fclose(out) != 0 || !ok) {
    std::perror(name + 1);
    std::exit(1);
  }
}

// A reply of the fuzz target's node: header with the code, then `payload` bytes.
Bytes8 Reply(std::uint16_t code, std::size_t payload) {
  Bytes8 body = test::ModuleHeader(fuzz::kNodeMacTail, fuzz::kNodeModuleNumber);
  StoreBE32(body, hdr::TransactionId, fuzz::kFirstTransactionId);
  StoreBE16(body, hdr::Command, code);
  for (std::size_t i = 0; i < payload; ++i) body.push_back(static_cast<std::uint8_t>(i * 7));
  return body;
}

// Both forms of one reply: stamped by the transport, and raw as it arrives.
void Seeds(const std::string& folder, int commType, int requestIndex, fuzz::Operation operation,
           int blockByte, const Bytes8& body) {
  Write(folder, fuzz::WriteMode(commType, requestIndex, operation, blockByte, false, true), body);
  const Bytes8 raw = commType == 0 ? EncodeSerialFrame(body) : body;
  Write(folder, fuzz::WriteMode(commType, requestIndex, operation, blockByte, true, false), raw);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  for (int commType : {0, 1}) {
    Seeds(folder, commType, 0, fuzz::kSingle, 0, Reply(0x0001, kBlocks[0].size));
    Seeds(folder, commType, 0, fuzz::kSearch, 0, Reply(0x0001, kBlocks[0].size));
    for (std::size_t b = 0; b < kBlocks.size(); ++b) {
      const int index = static_cast<int>(b);
      Seeds(folder, commType, 1, fuzz::kSingle, index, Reply(0x0003, kBlocks[b].size));
      Seeds(folder, commType, 2, fuzz::kSingle, index, Reply(0x0005, kBlocks[b].size));
      Seeds(folder, commType, 2, fuzz::kWrite, index, Reply(0x0005, kBlocks[b].size));
    }
    Seeds(folder, commType, 3, fuzz::kSingle, 0, Reply(0x0007, 0));
    Seeds(folder, commType, 4, fuzz::kSingle, 0, Reply(0x0009, 0));
    Seeds(folder, commType, 3, fuzz::kExchange, 0, Reply(0x0007, 0));
    Seeds(folder, commType, 4, fuzz::kExchange, 0, Reply(0x0009, 0));
    Seeds(folder, commType, 2, fuzz::kExchange, 0, Reply(0x0005, kBlocks[0].size));
  }
  std::printf("%d seeds in %s\n", written, folder.c_str());
  return 0;
}
