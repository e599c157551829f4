// The serial frame decoder fed the same lines in chunks of every size: the
// frames it yields must not depend on where the line was cut.
#include <gtest/gtest.h>

#include <ostream>

#include "link/FrameCodec.h"
#include "platform/util/SerialFrameDecoder.h"

namespace gw::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Step = SerialFrameDecoder::Step;
using Verdict = SerialFrameDecoder::Verdict;

struct Seen {
  Bytes body;
  Verdict verdict;
  bool operator==(const Seen&) const = default;
};
void PrintTo(const Seen& seen, std::ostream* out) {
  *out << ::testing::PrintToString(seen.body) << " verdict " << static_cast<int>(seen.verdict);
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

const Bytes kAbc = {0xC0, 'a', 'b', 'c', 0xDA, 0xC0};
// Body C0 DB A5; its checksum 0xC0 is stuffed too.
const Bytes kEscapes = {0xC0, 0xDB, 0xDC, 0xDB, 0xDD, 0xA5, 0xDB, 0xDC, 0xC0};
const Seen kAbcSeen = {{'a', 'b', 'c'}, Verdict::Good};

// Feeds `line` in chunks of `size`: the frames, then what Finish closes
// (the decoded bytes of a frame left open, empty when none was).
std::pair<std::vector<Seen>, Bytes> Decode(const Bytes& line, std::size_t size) {
  SerialFrameDecoder decoder;
  std::vector<Seen> frames;
  for (std::size_t at = 0; at < line.size(); at += size) {
    const auto chunk = std::span(line).subspan(at, std::min(size, line.size() - at));
    for (auto& frame : decoder.Feed(chunk)) frames.push_back({frame.body, frame.verdict});
  }
  if (decoder.Finish() != Step::Closed) return {frames, {}};
  const auto open = decoder.Decoded();
  return {frames, Bytes(open.begin(), open.end())};
}

TEST(SerialFrameDecoder, SameFramesHoweverTheLineIsCut) {
  const Bytes longest(kMaxFrameBody, 0xC0);  // every byte stuffed
  const Bytes overLong = EncodeSerialFrame(Bytes(kMaxFrameBody + 1, 0x11));
  const struct {
    const char* name;
    Bytes line;
    std::vector<Seen> frames;
    Bytes atEnd;
  } cases[] = {
      {"stuffed bodies and checksums",
       Join({kAbc, kEscapes}),
       {kAbcSeen, {{0xC0, 0xDB, 0xA5}, Verdict::Good}},
       {}},
      {"an escaped escape before DC stays two bytes",
       {0xC0, 0xDB, 0xDD, 0xDC, 0x49, 0xC0},
       {{{0xDB, 0xDC}, Verdict::Good}},
       {}},
      {"an escape byte not in a pair stands for itself",
       {0xC0, 0xDB, 0x41, 0xE4, 0xC0, 0x61, 0xDB, 0xC0},
       {{{0xDB, 0x41}, Verdict::Good}, {{0x61}, Verdict::BadChecksum}},
       {}},
      // Noise before the first frame is skipped; after a frame, whose closing
      // delimiter opens the next one, it is a frame that does not add up.
      {"noise around frames",
       Join({{0x11, 0xDB, 0x22}, kAbc, {0x33}, kAbc, {0x44}}),
       {kAbcSeen, {{}, Verdict::BadChecksum}, kAbcSeen},
       {0x44}},
      {"back to back, own and shared delimiters",
       Join({kAbc, kAbc, Bytes(kAbc.begin() + 1, kAbc.end())}),
       {kAbcSeen, kAbcSeen, kAbcSeen},
       {}},
      {"delimiters alone", {0xC0, 0xC0, 0xC0}, {}, {}},
      {"unterminated frame", {0xC0, 0x61, 0x62, 0x63, 0xDA}, {}, {0x61, 0x62, 0x63, 0xDA}},
      {"unterminated inside an escape pair", Join({kAbc, {0x61, 0xDB}}), {kAbcSeen}, {0x61, 0xDB}},
      {"bad checksum",
       {0xC0, 0x61, 0x62, 0x63, 0x25, 0xC0},
       {{{'a', 'b', 'c'}, Verdict::BadChecksum}},
       {}},
      {"longest body", EncodeSerialFrame(longest), {{longest, Verdict::Good}}, {}},
      {"one byte too long, then a good frame",
       Join({overLong, kAbc}),
       {{{}, Verdict::TooLong}, kAbcSeen},
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (std::size_t size = 1; size <= c.line.size(); ++size) {
      const auto [frames, atEnd] = Decode(c.line, size);
      ASSERT_EQ(frames, c.frames) << "chunks of " << size;
      ASSERT_EQ(atEnd, c.atEnd) << "chunks of " << size;
    }
  }
}

TEST(SerialFrameDecoder, EachByteSaysWhereTheFrameStands) {
  // What the serial line reads by: where a frame opens and where it closes.
  const Bytes line = {0x11, 0xC0, 0xC0, 0x61, 0xDB, 0xDC, 0xDE, 0xC0, 0x22};
  const std::vector<Step> expected = {Step::Outside, Step::Opened, Step::Opened,
                                      Step::Inside,  Step::Inside, Step::Inside,
                                      Step::Inside,  Step::Closed, Step::Inside};
  SerialFrameDecoder decoder;
  std::vector<Step> steps;
  for (std::uint8_t b : line) {
    steps.push_back(decoder.Take(b));
    if (steps.back() != Step::Closed) continue;
    const auto decoded = decoder.Decoded();
    EXPECT_EQ(Bytes(decoded.begin(), decoded.end()), (Bytes{0x61, 0xC0, 0xDE}));
  }
  EXPECT_EQ(steps, expected);
}

TEST(SerialFrameDecoder, ALineThatNeverClosesCostsNothingAndTheNextFrameComes) {
  SerialFrameDecoder decoder;
  Bytes flood(4096, 0x11);
  flood[0] = 0xC0;
  EXPECT_TRUE(decoder.Feed(flood).empty());
  flood[0] = 0x11;
  for (int i = 0; i < 256; ++i) EXPECT_TRUE(decoder.Feed(flood).empty());  // 1 MB
  const auto frames = decoder.Feed(kAbc);
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].verdict, Verdict::TooLong);
  EXPECT_EQ(frames[1].body, kAbcSeen.body);
}

}  // namespace
}  // namespace gw::platform
