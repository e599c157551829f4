// The Overview page: its five texts, the warnings at open, and the refresh
// after a parameter import.
#include <gtest/gtest.h>

#include "model/Texts.h"
#include "support/PageFixture.h"

namespace gw::pages::test {
namespace {

using OverviewPage = PageFixture;

TEST_F(OverviewPage, ShowsTheModuleAsLastRead) {
  StoreBE32(module.record.Block(kNetworkBlock), net::IpAddress, 0x0A000507);  // 10.0.5.7
  SetFirmware(0x0110);
  Open();
  const OverviewTexts& t = Overview().Texts();
  EXPECT_EQ(t.module, "NXG4120-T");
  EXPECT_EQ(t.ipAddress, "10.0.5.7");
  EXPECT_EQ(t.macAddress, "00:60:E9:10:20:21");
  EXPECT_EQ(t.firmwareVersion, "1.10");
  EXPECT_EQ(t.diDoPoints, "8 / 2");
  EXPECT_TRUE(ui.messages.empty());
}

struct OverviewWarning : PageFixture, ::testing::WithParamInterface<std::uint16_t> {};

TEST_P(OverviewWarning, ComesOnceWhenTheSheetOpens) {
  module.readCode = GetParam();
  Open();
  // Open() cleared the messages of the opening; open the sheet once more.
  ui.messages.clear();
  sheet = OpenParameterSheet(*doc);
  ASSERT_EQ(Node().ReplyCode(), GetParam());
  const Strings expected = GetParam() == 0xC003   ? Strings{text::kConnectionActive}
                           : GetParam() == 0x8005 ? Strings{text::kOtherUserModifying}
                                                  : Strings{};
  EXPECT_EQ(ui.messages, expected);
  // The page shows its data all the same, and later refreshes warn no more.
  EXPECT_EQ(Overview().Texts().ipAddress, "192.168.1.20");
  sheet->QuerySiblings();
  EXPECT_EQ(ui.messages, expected);
}

INSTANTIATE_TEST_SUITE_P(ReplyCodes, OverviewWarning, ::testing::Values(0x0003, 0xC003, 0x8005));

TEST_F(OverviewPage, RefreshesAfterTheParametersAreReplaced) {
  Open();
  StoreBE32(Node().Block(kNetworkBlock), net::IpAddress, 0xC0A80063);
  StoreBE16(Node().Block(kSerialBlock), serial::DiDoPoints, 0x1004);
  sheet->QuerySiblings();
  EXPECT_EQ(Overview().Texts().ipAddress, "192.168.0.99");
  EXPECT_EQ(Overview().Texts().diDoPoints, "16 / 4");
  EXPECT_FALSE(Overview().IsModified());
}

}  // namespace
}  // namespace gw::pages::test
