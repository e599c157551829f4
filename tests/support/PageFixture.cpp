#include "PageFixture.h"

#include "link/FrameCodec.h"
#include "link/RequestCodes.h"

namespace gw::pages::test {

namespace fs = std::filesystem;

void PageFixture::SetUp() {
  char pattern[] = "/tmp/gwpages-XXXXXX";
  const char* made = ::mkdtemp(pattern);
  ASSERT_NE(made, nullptr);
  dir = made;

  Bytes network = module.record.Block(kNetworkBlock);
  StoreText(network.subspan(net::ModuleName, net::kModuleNameSize), "Boiler house");
  StoreBE32(network, net::IpAddress, kIp);
  StoreBE32(network, net::Netmask, kNetmask);
  StoreBE32(network, net::Gateway, kGateway);
  StoreBE16(network, net::IpConfiguration, 0);
  StoreBE16(network, net::Ipv6Enable, 1);
  for (std::size_t i = 0; i < net::kIpv6Size; ++i) {
    network[net::Ipv6Address + i] = static_cast<std::uint8_t>(i == 0 ? 0xFE : i == 1 ? 0x80 : i);
  }

  Bytes serialBlock = module.record.Block(kSerialBlock);
  // The fields the tool does not interpret carry a pattern that must come back.
  for (std::size_t i = 4; i < serialBlock.size(); ++i)
    serialBlock[i] = static_cast<std::uint8_t>(0xA0 + i);
  StoreBE16(serialBlock, serial::ComConfig, kComConfig);
  StoreBE16(serialBlock, serial::BaudCodes, kBaudCodes);
  StoreBE16(serialBlock, serial::StationAddress, kStation);
  StoreBE16(serialBlock, serial::DiDoPoints, 0x0802);
  StoreBE16(serialBlock, serial::ModbusTimeout, 1000);
  StoreBE16(serialBlock, serial::DelayTime, 10);
  StoreBE16(serialBlock, serial::KeepAliveTime, kKeepAlive);

  const Bytes userBlock = module.record.Block(kUserDefineBlock);
  for (std::size_t i = 4; i < userBlock.size(); ++i)
    userBlock[i] = static_cast<std::uint8_t>(0x40 + i);
  for (std::size_t port = 0; port < 2; ++port) {
    const Bytes e =
        userBlock.subspan(port == 0 ? userdef::Com1 : userdef::Com2, userdef::kEntrySize);
    StoreBE32(e, userdef::DestinationIp, 0x0A000001 + static_cast<std::uint32_t>(port));
    StoreBE16(e, userdef::DestinationPort, 5020);
    StoreBE16(e, userdef::ListenPort, static_cast<std::uint16_t>(4001 + port));
    StoreBE16(e, userdef::FixLength, 8);
    e[userdef::StartCount] = 1;
    e[userdef::StopCount] = 1;
    e[userdef::StartChars] = 0x02;
    e[userdef::StopChars] = 0x03;
    e[userdef::FramingSwitches] = userdef::kStartItemOn | userdef::kStopItemOn;
  }
}

void PageFixture::TearDown() {
  sheet.reset();
  doc.reset();
  fs::remove_all(dir);
}

void PageFixture::SetFirmware(std::uint16_t version) {
  StoreBE16(module.header, hdr::FirmwareVersion, version);
}

void PageFixture::LockModule() { StoreBE16(module.header, hdr::LockState, kLockStateLocked); }

void PageFixture::SetComConfig(std::uint16_t comConfig) {
  StoreBE16(module.record.Block(kSerialBlock), serial::ComConfig, comConfig);
}

void PageFixture::Open(int commType) {
  port.commType = commType;
  port.Attach(module);
  doc = std::make_unique<DocumentCore>(ui, clock, store, CommSettings(dir.string()));
  std::vector<int> exits;
  doc->Link().Bind(port, [&exits](int code) { exits.push_back(code); });
  ASSERT_TRUE(exits.empty());

  // Found by a search.
  std::vector<std::uint8_t> reply = module.header;
  const ConstBytes network = module.record.Block(kNetworkBlock);
  reply.insert(reply.end(), network.begin(), network.end());
  const int length = static_cast<int>(reply.size());
  reply.resize(kLinkBufferSize, 0);
  ASSERT_EQ(doc->Nodes().AppendFromSearchReply(reply, length), length);

  ASSERT_EQ(doc->OpenNode(0), OpenResult::Opened);
  Reopen();
}

void PageFixture::Reopen() {
  sheet = OpenParameterSheet(*doc);
  log.Clear();
  port.requests.clear();
  ui.messages.clear();
}

std::vector<SentRequest> PageFixture::Sent(int command, int block) const {
  std::vector<SentRequest> out;
  for (const auto& r : port.requests) {
    if (r.command == command && (block < 0 || r.block == block)) out.push_back(r);
  }
  return out;
}

std::vector<std::uint8_t> PageFixture::WriteBody(int block) const {
  const auto writes = Sent(CmdWriteBlock, block);
  EXPECT_EQ(writes.size(), 1u) << "writes of block " << block;
  return writes.empty() ? std::vector<std::uint8_t>{} : writes.front().body;
}

std::uint16_t Word(const std::vector<std::uint8_t>& body, std::size_t offset) {
  return offset + 2 <= body.size() ? LoadBE16(body, offset) : 0xDEAD;
}

std::uint32_t Long(const std::vector<std::uint8_t>& body, std::size_t offset) {
  return offset + 4 <= body.size() ? LoadBE32(body, offset) : 0xDEADBEEF;
}

std::string Chars(const std::vector<std::uint8_t>& body, std::size_t offset, std::size_t size) {
  if (offset + size > body.size()) return "<short body>";
  return std::string(body.begin() + static_cast<std::ptrdiff_t>(offset),
                     body.begin() + static_cast<std::ptrdiff_t>(offset + size));
}

}  // namespace gw::pages::test
