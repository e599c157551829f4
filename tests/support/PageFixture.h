#pragma once
// A document on the fake transport with one module opened the way a
// double-click opens it, and its parameter sheet. The module starts from a
// known record; a test changes it (or the transport) before Open().

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/SerialConfig.h"
#include "pages/BasicDlg.h"
#include "pages/IPFilterDlg.h"
#include "pages/MailDlg.h"
#include "pages/OverViewDlg.h"
#include "pages/RTCDlg.h"
#include "pages/RelayDlg.h"
#include "pages/SecurityDlg.h"
#include "pages/UserDefDlg.h"
#include "protocol/DocumentCore.h"
#include "sheet/SheetPages.h"
#include "support/EventLog.h"
#include "support/FakeClock.h"
#include "support/FakeModule.h"
#include "support/FakePortLink.h"
#include "support/MemoryStore.h"
#include "support/RecordingUi.h"

namespace gw::pages::test {

using gw::test::EventLog;
using gw::test::FakeClock;
using gw::test::FakeModule;
using gw::test::FakePortLink;
using gw::test::MemoryStore;
using gw::test::RecordingUi;
using gw::test::SentRequest;
using Strings = std::vector<std::string>;

// The module's record before a test changes it.
inline constexpr std::uint32_t kIp = 0xC0A80114;       // 192.168.1.20
inline constexpr std::uint32_t kNetmask = 0xFFFFFF00;  // 255.255.255.0
inline constexpr std::uint32_t kGateway = 0xC0A80101;  // 192.168.1.1
// Modbus COM2, Serial Master, ASCII, 7 data bits, parity Even, 1 stop bit.
inline constexpr std::uint16_t kComConfig = 0x0006;
inline constexpr std::uint16_t kBaudCodes = 0x0A08;  // COM2 38400, COM1 9600
inline constexpr std::uint16_t kStation = 17;
inline constexpr std::uint16_t kKeepAlive = 60;  // Modbus timeout 1000, delay 10

struct PageFixture : ::testing::Test {
  std::filesystem::path dir;
  EventLog log;
  FakeClock clock{log};
  FakePortLink port{log};
  RecordingUi ui;
  MemoryStore store;
  FakeModule module{0x21, 7, 0x0155};
  std::unique_ptr<DocumentCore> doc;
  std::unique_ptr<SheetRules> sheet;

  void SetUp() override;
  void TearDown() override;

  // The module's firmware version, lock and serial configuration.
  void SetFirmware(std::uint16_t version);
  void LockModule();
  void SetComConfig(std::uint16_t comConfig);
  // Builds the document on the fake transport (serial or Ethernet), finds the
  // module, opens it and opens its sheet. The traffic and messages of the
  // opening are cleared.
  void Open(int commType = kCommEthernet);
  // A new sheet on the same document, as after the sheet was closed.
  void Reopen();

  NodeRecord& Node() { return *doc->Nodes().CurrentRecord(); }
  CBasicDlg& Basic() { return *sheet->Find<CBasicDlg>(); }
  const BasicControls& C() { return Basic().Controls(); }
  CSecurityDlg& Security() { return *sheet->Find<CSecurityDlg>(); }
  COverViewDlg& Overview() { return *sheet->Find<COverViewDlg>(); }
  CMailDlg& Mail() { return *sheet->Find<CMailDlg>(); }
  CRelayDlg& Relay() { return *sheet->Find<CRelayDlg>(); }
  CIPFilterDlg& IpFilter() { return *sheet->Find<CIPFilterDlg>(); }
  CRTCDlg& Ntp() { return *sheet->Find<CRTCDlg>(); }
  CUserDefDlg& UserDefine() { return *sheet->Find<CUserDefDlg>(); }

  // The requests sent with `command` (and `block`, unless -1).
  std::vector<SentRequest> Sent(int command, int block = -1) const;
  // The one write request for `block`, as sent.
  std::vector<std::uint8_t> WriteBody(int block) const;
};

// Big-endian fields and characters of a body (a marker value when it is short).
std::uint16_t Word(const std::vector<std::uint8_t>& body, std::size_t offset);
std::uint32_t Long(const std::vector<std::uint8_t>& body, std::size_t offset);
std::string Chars(const std::vector<std::uint8_t>& body, std::size_t offset, std::size_t size);

}  // namespace gw::pages::test
