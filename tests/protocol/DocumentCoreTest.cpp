// The document's host commands and the opening of a node, on the fake transport.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "protocol/DocumentCore.h"
#include "support/EventLog.h"
#include "support/FakeClock.h"
#include "support/FakeModule.h"
#include "support/FakePortLink.h"
#include "support/MemoryStore.h"
#include "support/RecordingUi.h"

namespace gw {
namespace {

namespace fs = std::filesystem;

struct Document : ::testing::Test {
  fs::path dir;
  test::EventLog log;
  test::FakeClock clock{log};
  test::FakePortLink port{log};
  test::RecordingUi ui;
  test::MemoryStore store;
  std::unique_ptr<DocumentCore> doc;
  std::deque<test::FakeModule> modules;

  void SetUp() override {
    char pattern[] = "/tmp/gwdoc-XXXXXX";
    dir = ::mkdtemp(pattern);
    doc = std::make_unique<DocumentCore>(ui, clock, store, CommSettings(dir.string()));
    std::vector<int> exits;
    doc->Link().Bind(port, [&exits](int code) { exits.push_back(code); });
    ASSERT_TRUE(exits.empty());
  }
  void TearDown() override {
    doc.reset();
    fs::remove_all(dir);
  }
  test::FakeModule& Module(std::uint8_t macTail, std::uint16_t number) {
    modules.emplace_back(macTail, number);
    port.Attach(modules.back());
    return modules.back();
  }
  std::vector<std::string> Opens() const { return log.Only({"OpenSocket"}); }
};

TEST_F(Document, FirstSearchRunsOnceAndOnlyOnAnEmptyTable) {
  Module(1, 10);
  EXPECT_TRUE(doc->FirstSearch());
  EXPECT_EQ(doc->Nodes().Count(), 1);
  EXPECT_FALSE(doc->FirstSearch());
  EXPECT_EQ(Opens().size(), 1u);
}

TEST_F(Document, SearchBroadcastsAndIpSearchUsesTheSettingsFile) {
  Module(1, 10);
  doc->Search();
  EXPECT_EQ(Opens().back(), "OpenSocket 2 255.255.255.255 0 20006 3");

  std::ofstream(dir / "NXG4120-T.ini") << "[CommConf]\nIPAddress=-1062731515\n";
  doc->IpSearch();
  EXPECT_EQ(Opens().back(), "OpenSocket 2 192.168.1.5 0 20006 3");
  EXPECT_EQ(doc->Nodes().Count(), 1);
  // The IP list has the module once, after two searches.
  std::stringstream list;
  list << std::ifstream(dir / "IPList.ini").rdbuf();
  EXPECT_NE(list.str().find("IPCount=1"), std::string::npos) << list.str();
}

TEST_F(Document, OpeningANodeReadsItAndFollowsItsLock) {
  Module(1, 10);
  StoreBE16(Module(2, 20).header, hdr::LockState, kLockStateLocked);
  doc->Search();
  ASSERT_EQ(doc->Nodes().Count(), 2);
  doc->Nodes().SetLoginPassword("old");

  EXPECT_EQ(doc->OpenNode(0), OpenResult::Opened);
  EXPECT_EQ(doc->Nodes().Current(), 0);
  EXPECT_FALSE(doc->Nodes().Locked());
  EXPECT_EQ(doc->Nodes().LoginPassword(), "");
  EXPECT_EQ(doc->Nodes().Node(0).Selected(), 1u);

  EXPECT_EQ(doc->OpenNode(1), OpenResult::Opened);
  EXPECT_TRUE(doc->Nodes().Locked());
  EXPECT_EQ(doc->OpenNode(5), OpenResult::NoNode);
  EXPECT_FALSE(doc->Nodes().Locked());
}

TEST_F(Document, AFailedReadMarksTheNodeOffline) {
  Module(1, 10).ignore = [](const test::SentRequest& r) { return r.command == 2 && r.block == 0; };
  doc->Search();
  ui.messages.clear();
  EXPECT_EQ(doc->OpenNode(0), OpenResult::InquiryFailed);
  EXPECT_EQ(doc->Nodes().Current(), -1);
  EXPECT_EQ(doc->Nodes().Node(0).Online(), 0u);
  EXPECT_EQ(ui.messages.back(), "Communication error");

  port.openResult = -1;
  EXPECT_EQ(doc->OpenNode(0), OpenResult::LinkFailed);
  EXPECT_EQ(ui.messages.back(), "Communication error");
}

}  // namespace
}  // namespace gw
