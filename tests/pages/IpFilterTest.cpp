// The IP Filter page: its enable rule, the change mask of each control, the
// bytes of block 6, and the question before a filter that leaves out this
// computer.
#include <gtest/gtest.h>

#include "link/RequestCodes.h"
#include "model/Texts.h"
#include "support/PageFixture.h"

namespace gw::pages::test {
namespace {

constexpr std::size_t kHeader = 36;

struct IpFilterPage : PageFixture {
  std::optional<std::uint32_t> self = 0xC0A80105;  // 192.168.1.5, this computer

  void SetUp() override {
    PageFixture::SetUp();
    const Bytes b = module.record.Block(kIpFilterBlock);
    StoreBE16(b, ipfilter::FilterEnable, 1);
    StoreBE32(b, ipfilter::FilterAddress, 0xC0A80100);  // 192.168.1.0/24
    StoreBE32(b, ipfilter::FilterNetmask, 0xFFFFFF00);
    StoreBE32(b, ipfilter::FilterAddress + 4 * 7, 0x0A000008);  // entry 8: 10.0.0.8/32
    StoreBE32(b, ipfilter::FilterNetmask + 4 * 7, 0xFFFFFFFF);
  }
  void OpenFilter() {
    Open();
    doc->SetAddressFinder([this](std::uint32_t node) {
      EXPECT_EQ(node, kIp);
      return self;
    });
  }
  CIPFilterDlg& Page() { return IpFilter(); }
};

TEST_F(IpFilterPage, LoadsTheBlockAndTheSwitchEnablesTheSixteenAddresses) {
  OpenFilter();
  const IpFilterControls& c = Page().Controls();
  EXPECT_TRUE(c.enable.checked);
  EXPECT_EQ(c.address[0].Value(), 0xC0A80100u);
  EXPECT_EQ(c.netmask[7].Value(), 0xFFFFFFFFu);
  EXPECT_EQ(c.address[3].Value(), 0u);
  Page().OnEnableClicked(false);
  for (std::size_t k = 0; k < kFilterEntries; ++k) {
    EXPECT_FALSE(c.address[k].enabled);
    EXPECT_FALSE(c.netmask[k].enabled);
  }
  // A disabled control takes no input.
  Page().OnAddressFieldChanged(0, 3, 9);
  EXPECT_EQ(Page().ChangeMask(), 0x80000000u);
  EXPECT_EQ(c.address[0].Value(), 0xC0A80100u);
  EXPECT_TRUE(Page().OnSetActive());
}

TEST_F(IpFilterPage, EachControlSetsItsOwnBit) {
  struct Case {
    const char* what;
    void (CIPFilterDlg::*handler)(int, int, int);
    int entry;
    std::uint32_t mask;
  };
  const Case cases[] = {
      {"address 1", &CIPFilterDlg::OnAddressFieldChanged, 0, 0x40000000},
      {"netmask 3", &CIPFilterDlg::OnNetmaskFieldChanged, 2, 0x10000000},
      {"address 3", &CIPFilterDlg::OnAddressFieldChanged, 2, 0x10000000},
      {"netmask 8", &CIPFilterDlg::OnNetmaskFieldChanged, 7, 0x00800000},
      {"row 9", &CIPFilterDlg::OnNetmaskFieldChanged, 8, 0},
  };
  OpenFilter();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Reopen();
    (Page().*c.handler)(c.entry, 1, 7);
    EXPECT_EQ(Page().ChangeMask(), c.mask);
    EXPECT_EQ(Page().IsModified(), c.mask != 0);
  }
  Reopen();
  Page().OnEnableClicked(true);
  EXPECT_EQ(Page().ChangeMask(), 0x80000000u);
  Page().OnSiblingQuery();
  EXPECT_EQ(Page().ChangeMask(), 0xFF800000u);
  EXPECT_TRUE(Page().IsModified());
}

TEST_F(IpFilterPage, ApplySendsEveryEntryAsItStandsAndOnlyTheMarkedBits) {
  OpenFilter();
  EXPECT_TRUE(Page().OnApply());  // nothing changed: nothing sent
  EXPECT_TRUE(port.requests.empty());

  Page().OnNetmaskFieldChanged(2, 0, 255);
  Page().OnEnableClicked(false);  // the entries still go out
  ASSERT_TRUE(Page().OnApply());
  const auto body = WriteBody(kIpFilterBlock);
  ASSERT_EQ(body.size(), kHeader + 72);
  std::vector<std::uint8_t> expected(72, 0);
  expected[0] = 0x90;  // switch and entry 3
  const std::uint8_t entry1[] = {192, 168, 1, 0}, mask1[] = {255, 255, 255, 0},
                     entry8[] = {10, 0, 0, 8}, mask8[] = {255, 255, 255, 255},
                     mask3[] = {255, 0, 0, 0};
  std::copy(std::begin(entry1), std::end(entry1), expected.begin() + 8);
  std::copy(std::begin(entry8), std::end(entry8), expected.begin() + 8 + 28);
  std::copy(std::begin(mask1), std::end(mask1), expected.begin() + 40);
  std::copy(std::begin(mask3), std::end(mask3), expected.begin() + 40 + 8);
  std::copy(std::begin(mask8), std::end(mask8), expected.begin() + 40 + 28);
  EXPECT_EQ(std::vector<std::uint8_t>(body.begin() + kHeader, body.end()), expected);
  EXPECT_EQ(Sent(CmdReadBlock, kIpFilterBlock).size(), 1u);  // the read-back
  EXPECT_TRUE(ui.messages.empty());                          // a filter that is off asks nothing
  EXPECT_FALSE(Page().IsModified());
  EXPECT_EQ(Page().ChangeMask(), 0u);
}

TEST_F(IpFilterPage, FailuresReportOnlyModifyFailed) {
  OpenFilter();
  module.writeCode = 0x8005;
  Page().OnEnableClicked(false);
  EXPECT_TRUE(Page().OnApply());
  EXPECT_EQ(ui.messages, Strings{text::kModifyFailed});
  EXPECT_TRUE(Page().Controls().enable.checked);  // what the module kept

  ui.messages.clear();
  port.openResult = -1;
  Page().OnEnableClicked(false);
  EXPECT_TRUE(Page().OnApply());
  EXPECT_EQ(ui.messages, Strings{text::kCannotOpenDevice});  // the link's, none of its own
}

struct LockOutCase {
  const char* what;
  std::optional<std::uint32_t> self;
  std::uint32_t entry3, mask3;  // entry 3 as typed
  bool asked;
};

struct IpFilterLockOut : IpFilterPage, ::testing::WithParamInterface<LockOutCase> {};

TEST_P(IpFilterLockOut, AsksBeforeAFilterThatLeavesThisComputerOut) {
  const LockOutCase& c = GetParam();
  self = c.self;
  // Entry 1 no longer admits 192.168.1.x; entry 3 is typed.
  StoreBE32(module.record.Block(kIpFilterBlock), ipfilter::FilterAddress, 0xC0A80200);
  OpenFilter();
  for (int f = 0; f < 4; ++f) {
    Page().OnAddressFieldChanged(2, f, static_cast<int>((c.entry3 >> (24 - 8 * f)) & 0xFF));
    Page().OnNetmaskFieldChanged(2, f, static_cast<int>((c.mask3 >> (24 - 8 * f)) & 0xFF));
  }
  ui.answers = {Answer::No};
  if (c.asked) {
    EXPECT_FALSE(Page().OnApply());
    ASSERT_EQ(ui.messages, Strings{text::FilterExcludesComputer(Ipv4Text(c.self.value_or(0)))});
    EXPECT_TRUE(port.requests.empty());
    EXPECT_TRUE(Page().IsModified());
    ui.answers = {Answer::Yes};
  }
  EXPECT_TRUE(Page().OnApply());
  EXPECT_EQ(Sent(CmdWriteBlock, kIpFilterBlock).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IpFilterLockOut,
    ::testing::Values(LockOutCase{"not listed", 0xC0A80105, 0, 0, true},
                      LockOutCase{"its network", 0xC0A80105, 0xC0A80100, 0xFFFFFF00, false},
                      LockOutCase{"itself", 0xC0A80105, 0xC0A80105, 0xFFFFFFFF, false},
                      LockOutCase{"a neighbour only", 0xC0A80105, 0xC0A80106, 0xFFFFFFFF, true},
                      LockOutCase{"an unused entry", 0xC0A80105, 0, 0xFFFFFFFF, true},
                      LockOutCase{"address unknown", std::nullopt, 0, 0, false}),
    [](const auto& info) {
      std::string name = info.param.what;
      std::erase(name, ' ');
      return name;
    });

}  // namespace
}  // namespace gw::pages::test
