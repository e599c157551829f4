#pragma once
// The end-to-end fixture: the tool's document core bound to the real PortLink,
// a real clock and one nxgsim on the test's own line (UDP on a loopback
// address of its own, or a pseudo-terminal behind COM1), in a configuration
// folder that keeps the traffic on loopback. A twin of the simulator, made
// in-process from the same arguments less their faults, tells what its
// modules are and hold.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "Simulator.h"
#include "link/Clock.h"
#include "protocol/DocumentCore.h"
#include "support/MemoryStore.h"
#include "support/RecordingUi.h"
#include "support/SimHarness.h"
#include "support/TestHome.h"

namespace gw::test {

enum class Line { Ethernet, Serial };
inline std::string LineName(Line line) { return line == Line::Ethernet ? "Udp" : "Serial"; }
inline void PrintTo(Line line, std::ostream* out) { *out << LineName(line); }

class SimLinkTest : public ::testing::Test {
 protected:
  // Aims the folder at the line, binds the tool and starts nxgsim there.
  void Start(Line line, std::vector<std::string> simArgs);
  // Binds the link; a fatal failure, nothing bound, unless the folder is safe.
  void BindTool();
  // Adds module `i` as a search finds it (without the search's closing
  // wait) and makes it the current node; its index.
  int AddKnownNode(std::size_t i = 0);

  DocumentCore& Doc() { return *doc_; }
  DeviceLink& Link() { return doc_->Link(); }
  NodeTable& Nodes() { return doc_->Nodes(); }
  NodeRecord& Node(int index) { return Nodes().Node(index); }
  SimProcess& Sim() { return *sim_; }
  bool Bound() const { return doc_ != nullptr; }
  bool SimStarted() const { return sim_ != nullptr; }
  std::uint32_t Address() const { return address_; }  // host order
  // Module `i` as the simulator starts it, and a block it then holds.
  const sim::ModuleSetup& Module(std::size_t i) { return twin_->Module(i).Setup(); }
  ConstBytes Stored(std::size_t i, int block) { return twin_->Module(i).Stored(block); }
  // The blocks an inquiry reads, but `skip`, against what module `i` holds
  // (its clock may have run on by up to a minute).
  ::testing::AssertionResult HoldsModuleBlocks(const NodeRecord& node, std::size_t i,
                                               int skip = -1);

  // fn() between OpenLink and CloseLink.
  template <typename Fn>
  auto OnLink(Fn fn) {
    EXPECT_EQ(Link().OpenLink(), LinkStatus::Ok);
    auto result = fn();
    Link().CloseLink();
    return result;
  }

  // The link goes before the simulator, both before the folder.
  TempHome home;
  RecordingUi ui;
  SystemClock clock;
  MemoryStore store;

 private:
  std::uint32_t address_ = 0;
  std::unique_ptr<sim::Simulator> twin_;
  std::unique_ptr<SimProcess> sim_;
  std::unique_ptr<DocumentCore> doc_;
};

// The header and blocks of a record: what the module's replies put there.
std::vector<std::uint8_t> WireBytes(const NodeRecord& node);
// Stages a block 0 write as the Basic page does: the block zeroed, the
// module name (mask bit 31) and the IP address (bit 30).
void StageNameAndAddress(NodeTable& nodes, const std::string& name, std::uint32_t ipAddress);

}  // namespace gw::test
