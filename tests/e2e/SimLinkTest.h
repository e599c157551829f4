#pragma once
// The fixture of the end-to-end tests: the tool's document core with its
// device link bound to the real PortLink (loaded as the plug-in loads it), a
// real clock, a recording user interface, and one nxgsim process on the
// test's own line: UDP on a loopback address of the test's own, or a
// pseudo-terminal behind COM1. Every test gets a configuration folder of its
// own, and nothing is bound or started unless that folder keeps the traffic
// on loopback.

#include <gtest/gtest.h>

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "ModuleTwin.h"
#include "link/Clock.h"
#include "protocol/DocumentCore.h"
#include "support/RecordingUi.h"
#include "support/SimHarness.h"
#include "support/TestHome.h"

namespace gw::test {

enum class Line { Ethernet, Serial };

std::string LineName(Line line);
// How tests print a line.
void PrintTo(Line line, std::ostream* out);

// The host's byte store, in memory.
class MemoryStore : public SerializeStore {
 public:
  int GetSerializeData(std::uint8_t* buffer) override;
  int SetSerializeData(const std::uint8_t* data, int length) override;

 private:
  std::vector<std::uint8_t> bytes_;
};

class SimLinkTest : public ::testing::Test {
 protected:
  // The third octet of the tests' loopback addresses (127.0.20.x and up).
  static constexpr std::uint8_t kAddressBlock = 20;

  // Points the configuration folder at this test's line, binds the tool and
  // starts nxgsim with `simArgs` on that line. Fails fatally (use
  // ASSERT_NO_FATAL_FAILURE) when any step does.
  void Start(Line line, std::vector<std::string> simArgs);
  // Binds the tool's link as the document does, after checking that the
  // configuration folder keeps the traffic on loopback; refuses (a fatal
  // failure, nothing bound) when it does not.
  void BindTool();

  // Adds module `i` of the simulator (0-based) to the node table as a search
  // finds it, from the bytes of its own search reply, without sending the
  // search (whose end on Ethernet is a 2 s wait for further replies); makes
  // it the current node. The node's index.
  int AddKnownNode(std::size_t i = 0);

  DocumentCore& Doc() { return *doc_; }
  DeviceLink& Link() { return doc_->Link(); }
  NodeTable& Nodes() { return doc_->Nodes(); }
  NodeRecord& Node(int index) { return Nodes().Node(index); }
  SimProcess& Sim() { return *sim_; }
  ModuleTwin& Twin() { return *twin_; }
  Line CurrentLine() const { return line_; }
  bool Bound() const { return doc_ != nullptr; }
  bool SimStarted() const { return sim_ != nullptr; }
  std::uint32_t Address() const { return address_; }  // host order

  // Runs fn between OpenLink and CloseLink.
  template <typename Fn>
  auto OnLink(Fn fn) {
    EXPECT_TRUE(Link().OpenLink());
    auto result = fn();
    Link().CloseLink();
    return result;
  }

  // Members in order of construction; the link goes before the simulator,
  // both before the folder.
  TempHome home;
  RecordingUi ui;
  SystemClock clock;
  MemoryStore store;

 private:
  Line line_ = Line::Ethernet;
  std::uint32_t address_ = 0;
  std::unique_ptr<ModuleTwin> twin_;
  std::unique_ptr<SimProcess> sim_;
  std::unique_ptr<DocumentCore> doc_;
};

// The header and blocks of a record: what the module's replies put there.
std::vector<std::uint8_t> WireBytes(const NodeRecord& node);

// Stages a block 0 write in the outgoing image as the Basic page does: the
// block zeroed, the module name (mask bit 31) and the IP address (bit 30).
void StageNameAndAddress(NodeTable& nodes, const std::string& name, std::uint32_t ipAddress);
// Puts the login credentials into a header as the Security page does.
void PutCredentials(Bytes header, const std::string& password);

inline constexpr std::uint32_t kNameBit = 0x80000000U;
inline constexpr std::uint32_t kIpAddressBit = 0x40000000U;

// Compares the blocks that an inquiry reads with what module `i` of the twin
// holds (the clock may have run on by up to a minute).
::testing::AssertionResult HoldsModuleBlocks(const NodeRecord& node, ModuleTwin& twin,
                                             std::size_t i);

}  // namespace gw::test
