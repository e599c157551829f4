// The document's host commands and the opening of a node, on the fake transport.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>

#include "protocol/DocumentCore.h"
#include "support/EventLog.h"
#include "support/FakeClock.h"
#include "support/FakeModule.h"
#include "support/FakePortLink.h"
#include "support/RecordingUi.h"
#include "support/MemoryStore.h"

namespace gw {
namespace {

namespace fs = std::filesystem;

using test::MemoryStore;

struct Document : ::testing::Test {
  fs::path dir;
  test::EventLog log;
  test::FakeClock clock{log};
  test::FakePortLink port{log};
  test::RecordingUi ui;
  MemoryStore store;
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
  std::vector<std::string> Opens() const {
    std::vector<std::string> out;
    for (const auto& e : log.All()) {
      if (e.rfind("OpenSocket", 0) == 0) out.push_back(e);
    }
    return out;
  }
};

TEST_F(Document, FirstSearchRunsOnceAndOnlyOnAnEmptyTable) {
  Module(1, 10);
  EXPECT_TRUE(doc->FirstSearch());
  EXPECT_EQ(doc->Nodes().Count(), 1);
  EXPECT_FALSE(doc->FirstSearch());
  EXPECT_EQ(Opens().size(), 1u);
}

TEST_F(Document, FirstSearchSkipsAListLoadedFromTheStore) {
  Module(1, 10);
  doc->Nodes().SetCount(1);
  EXPECT_FALSE(doc->FirstSearch());
  EXPECT_TRUE(Opens().empty());
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
  std::ifstream list(dir / "IPList.ini");
  const std::string text((std::istreambuf_iterator<char>(list)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("IPCount=1"), std::string::npos) << text;

  EXPECT_TRUE(doc->IpSearchEnabled());
  port.commType = kCommSerial;
  EXPECT_FALSE(doc->IpSearchEnabled());
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

TEST_F(Document, NodeListThroughTheStore) {
  Module(1, 10);
  Module(2, 20);
  doc->Search();
  EXPECT_TRUE(doc->SaveEnabled());
  doc->StoreNodeList();
  EXPECT_EQ(store.bytes.size(), 4u + 2 * 120u);
  doc->Nodes().SetCount(0);
  EXPECT_FALSE(doc->SaveEnabled());
  doc->LoadNodeList();
  EXPECT_EQ(doc->Nodes().Count(), 2);
  EXPECT_EQ(doc->Nodes().Node(1).ModuleNumber(), 20);
}

}  // namespace
}  // namespace gw
