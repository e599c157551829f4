// Writes the seeds of every fuzz target from what the project's own code
// produces: replies to every request the link builds, parameter files as
// export writes them, node list streams, the settings files as the tool and
// the transport write them, the requests the link sends, and Modbus replies
// as libmodbus answers MbKit's requests. make_seeds <folder> writes
// <folder>/<target>/seed-NNNN.
#include <modbus.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "ModuleDefaults.h"
#include "link/CommSettings.h"
#include "link/DeviceLink.h"
#include "link/FrameCodec.h"
#include "link/RequestCodes.h"
#include "model/BlockTable.h"
#include "model/NodeListStream.h"
#include "model/ParameterFile.h"
#include "platform/util/AtomicFile.h"
#include "platform/util/ConfigFolder.h"
#include "platform/util/PortLinkIni.h"
#include "platform/util/PrivateProfile.h"
#include "support/FakeClock.h"
#include "support/FakePortLink.h"
#include "support/RecordingUi.h"
#include "support/Records.h"

namespace {

using namespace gw;
using Bytes8 = std::vector<std::uint8_t>;

[[noreturn]] void Fail(const std::string& what) {
  std::perror(what.c_str());
  std::exit(1);
}

class Seeds {
 public:
  explicit Seeds(std::filesystem::path folder) : folder_(std::move(folder)) {}

  void Write(const std::string& target, const Bytes8& input) {
    const std::filesystem::path dir = folder_ / target;
    std::filesystem::create_directories(dir);
    char name[32];
    std::snprintf(name, sizeof name, "seed-%04d", written_[target]++);
    const std::string path = (dir / name).string();
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) Fail(path);
    const bool ok = std::fwrite(input.data(), 1, input.size(), out) == input.size();
    if (std::fclose(out) != 0 || !ok) Fail(path);
  }
  void Write(const std::string& target, std::uint8_t prefix, const Bytes8& rest) {
    Bytes8 input{prefix};
    input.insert(input.end(), rest.begin(), rest.end());
    Write(target, input);
  }
  void Report() const {
    for (const auto& [target, count] : written_) {
      std::printf("%4d seeds for %s\n", count, target.c_str());
    }
  }

 private:
  std::filesystem::path folder_;
  std::map<std::string, int> written_;
};

// A module's parameters as the simulator's factory setting has them, with the
// identity the link target's node has.
NodeRecord ModuleRecord(std::uint8_t macTail, std::uint16_t moduleNumber,
                        std::uint16_t firmware = 0x0155) {
  sim::ModuleSetup setup;
  setup.mac = {0x00, 0x60, 0xE9, 0x10, 0x20, macTail};
  setup.moduleNumber = moduleNumber;
  setup.firmware = firmware;
  setup.name = "seed-" + std::to_string(macTail);
  setup.ipAddress = 0x7F000000U | macTail;
  setup.seed = macTail;
  NodeRecord record;
  sim::FillFactoryBlocks(setup, record);
  std::ranges::copy(test::ModuleHeader(macTail, moduleNumber, firmware), record.Header().begin());
  return record;
}

NodeTable& TableOf(int count) {
  static NodeTable* table = new NodeTable();
  for (int i = 0; i < count; ++i) {
    table->Node(i) = ModuleRecord(static_cast<std::uint8_t>(fuzz::kNodeMacTail + i),
                                  static_cast<std::uint16_t>(fuzz::kNodeModuleNumber + i));
  }
  table->SetCount(count);
  return *table;
}

// --- link: replies to every request the tool builds --------------------------

// A reply of the link target's node: header with the code, then `payload` bytes.
Bytes8 Reply(std::uint16_t code, std::size_t payload) {
  Bytes8 body = test::ModuleHeader(fuzz::kNodeMacTail, fuzz::kNodeModuleNumber);
  StoreBE32(body, hdr::TransactionId, fuzz::kFirstTransactionId);
  StoreBE16(body, hdr::Command, code);
  for (std::size_t i = 0; i < payload; ++i) body.push_back(static_cast<std::uint8_t>(i * 7));
  return body;
}

// Both forms of one reply: stamped by the transport, and raw as it arrives.
void LinkReply(Seeds& seeds, int commType, int requestIndex, fuzz::Operation operation,
               int blockByte, const Bytes8& body) {
  const auto write = [&](bool oldFirmware, bool stamped, const Bytes8& reply) {
    const auto mode =
        fuzz::WriteMode(commType, requestIndex, operation, blockByte, oldFirmware, stamped);
    Bytes8 input(mode.begin(), mode.end());
    input.insert(input.end(), reply.begin(), reply.end());
    seeds.Write("link", input);
  };
  write(false, true, body);
  write(true, false, commType == 0 ? EncodeSerialFrame(body) : body);
}

void LinkSeeds(Seeds& seeds) {
  for (int commType : {0, 1}) {
    LinkReply(seeds, commType, 0, fuzz::kSingle, 0, Reply(0x0001, kBlocks[0].size));
    LinkReply(seeds, commType, 0, fuzz::kSearch, 0, Reply(0x0001, kBlocks[0].size));
    for (std::size_t b = 0; b < kBlocks.size(); ++b) {
      const int index = static_cast<int>(b);
      LinkReply(seeds, commType, 1, fuzz::kSingle, index, Reply(0x0003, kBlocks[b].size));
      LinkReply(seeds, commType, 2, fuzz::kSingle, index, Reply(0x0005, kBlocks[b].size));
      LinkReply(seeds, commType, 2, fuzz::kWrite, index, Reply(0x0005, kBlocks[b].size));
    }
    LinkReply(seeds, commType, 3, fuzz::kSingle, 0, Reply(0x0007, 0));
    LinkReply(seeds, commType, 4, fuzz::kSingle, 0, Reply(0x0009, 0));
    LinkReply(seeds, commType, 3, fuzz::kExchange, 0, Reply(0x0007, 0));
    LinkReply(seeds, commType, 4, fuzz::kExchange, 0, Reply(0x0009, 0));
    LinkReply(seeds, commType, 2, fuzz::kExchange, 0, Reply(0x0005, kBlocks[0].size));
  }
}

// --- parameter files and node lists --------------------------------------------

void ParameterFileSeeds(Seeds& seeds) {
  for (std::uint16_t firmware : {0x0155, 0x0154}) {
    seeds.Write("parameter_file", EncodeParameterFile(ModuleRecord(
                                      fuzz::kNodeMacTail, fuzz::kNodeModuleNumber, firmware)));
  }
  seeds.Write("parameter_file", EncodeParameterFile(ModuleRecord(0x42, 7)));
}

void NodeListSeeds(Seeds& seeds) {
  for (int count : {0, 1, 3, 85}) seeds.Write("node_list", WriteNodeList(TableOf(count)));
}

// --- settings files, written in a configuration folder of this run -------------

void SettingsSeeds(Seeds& seeds) {
  std::string home = (std::filesystem::temp_directory_path() / "gwfuzz-seeds-XXXXXX").string();
  if (mkdtemp(home.data()) == nullptr) Fail("mkdtemp");
  setenv("GWSUITE_HOME", home.c_str(), 1);
  const std::filesystem::path folder = platform::ConfigFolder();
  const CommSettings settings(folder.string());
  const auto take = [&](fuzz::SettingsFile which, const std::filesystem::path& file) {
    const platform::FileContent text = platform::ReadSmallFile(file, 1 << 16);
    if (text.status != platform::ReadStatus::Ok) Fail(file.string());
    seeds.Write("settings", static_cast<std::uint8_t>(which), text.bytes);
  };

  using namespace platform;
  SettingChanges ethernet;
  ethernet.commType = 1;
  ethernet.remoteIp = 0x7F000001;
  if (SaveSettings(ethernet) != 0) Fail("PortLink.ini");
  take(fuzz::kPortLinkIni, PortLinkIniPath());
  SettingChanges serial;
  serial.commType = 0;
  serial.comPort = 3;
  serial.comPortDevices[3] = "/dev/ttyUSB0";
  if (SaveSettings(serial) != 0 ||
      !WritePrivateProfileString(kPortLinkSection, kBroadcastAddressKey, "127.255.255.255",
                                 PortLinkIniPath()) ||
      !WritePrivateProfileString(kPortLinkSection, kModbusTcpPortKey, "1502", PortLinkIniPath())) {
    Fail("PortLink.ini");
  }
  take(fuzz::kPortLinkIni, PortLinkIniPath());

  for (const char* address : {"2130706433", "4294967295"}) {
    if (!WritePrivateProfileString("CommConf", "IPAddress", address, settings.SettingsPath())) {
      Fail(settings.SettingsPath());
    }
    take(fuzz::kModelIni, settings.SettingsPath());
  }

  settings.MergeIpList(TableOf(2));
  take(fuzz::kIpListIni, settings.IpListPath());
  settings.MergeIpList(TableOf(5));
  take(fuzz::kIpListIni, settings.IpListPath());

  std::filesystem::remove_all(home);
  unsetenv("GWSUITE_HOME");
}

// --- requests as the link sends them ---------------------------------------------

void SimRequestSeeds(Seeds& seeds) {
  test::EventLog log;
  test::FakeClock clock{log};
  test::FakePortLink port{log};
  test::RecordingUi ui;
  NodeTable& nodes = TableOf(1);
  nodes.SetCurrent(0);
  nodes.UpdateFirmwareNumber(0);
  DeviceLink link{nodes, ui, clock};
  if (!link.BindPortLink(port) || !link.BindMbKit(port)) Fail("binding the fake transport");
  port.commType = kCommEthernet;
  link.OpenLink();

  // The bodies the link sent for the requests (command, block).
  const auto sent = [&](const std::vector<std::pair<int, int>>& requests) {
    port.requests.clear();
    for (const auto& [command, block] : requests) {
      if (command == CmdLogin) {
        link.Login("1234");  // no module answers: the request goes out once
      } else if (!link.SendFrame(command, block).Ok()) {
        Fail("building a request");
      }
    }
    std::vector<Bytes8> bodies;
    for (const auto& r : port.requests) bodies.push_back(r.body);
    return bodies;
  };

  seeds.Write("sim_request", fuzz::JoinRequests(0, sent({{CmdSearch, 0}})));
  for (const BlockInfo& b : kBlocks) {
    seeds.Write("sim_request", fuzz::JoinRequests(0, sent({{CmdReadBlock, b.number}})));
    seeds.Write("sim_request", fuzz::JoinRequests(0, sent({{CmdWriteBlock, b.number}})));
  }
  const auto session = sent({{CmdSearch, 0},
                             {CmdReadBlock, 0},
                             {CmdLogin, 0},
                             {CmdWriteBlock, 0},
                             {CmdReadBlock, 0},
                             {CmdFactoryReset, 0}});
  for (std::uint8_t options = 0; options < 4; ++options) {
    seeds.Write("sim_request", fuzz::JoinRequests(options, session));
  }
}

// --- Modbus replies as libmodbus's own server gives them ---------------------------

Bytes8 ModbusReply(modbus_t* ctx, const Bytes8& request, modbus_mapping_t* mapping) {
  int fds[2];
  if (socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0) Fail("socketpair");
  modbus_set_socket(ctx, fds[0]);
  const int sent = modbus_reply(ctx, request.data(), static_cast<int>(request.size()), mapping);
  Bytes8 adu(MODBUS_MAX_ADU_LENGTH);
  const ssize_t got = sent > 0 ? read(fds[1], adu.data(), adu.size()) : -1;
  close(fds[0]);
  close(fds[1]);
  if (got <= 0) Fail("modbus_reply");
  adu.resize(static_cast<std::size_t>(got));
  return adu;
}

void ModbusReplySeeds(Seeds& seeds) {
  constexpr int kStation = 1;
  // MbKit's requests as [function, data...]; the last one asks beyond the
  // registers and gets an exception.
  const std::vector<Bytes8> pdus = {{0x01, 0, 0, 0, 10},
                                    {0x02, 0, 0, 0, 8},
                                    {0x03, 0, 0, 0, 5},
                                    {0x04, 0, 0, 0, 3},
                                    {0x05, 0, 1, 0xFF, 0},
                                    {0x06, 0, 2, 0x12, 0x34},
                                    {0x0F, 0, 0, 0, 10, 2, 0xFF, 0x03},
                                    {0x10, 0, 0, 0, 2, 4, 0, 1, 0, 2},
                                    {0x17, 0, 0, 0, 2, 0, 4, 0, 2, 4, 0, 7, 0, 8},
                                    {0x03, 0, 100, 0, 5}};
  modbus_mapping_t* mapping = modbus_mapping_new(16, 16, 16, 16);
  modbus_t* rtu = modbus_new_rtu("/dev/null", 9600, 'N', 8, 1);
  modbus_t* tcp = modbus_new_tcp("127.0.0.1", 1502);
  if (mapping == nullptr || rtu == nullptr || tcp == nullptr ||
      modbus_set_slave(rtu, kStation) != 0) {
    Fail("libmodbus");
  }
  for (const Bytes8& pdu : pdus) {
    Bytes8 rtuRequest{kStation};
    rtuRequest.insert(rtuRequest.end(), pdu.begin(), pdu.end());
    rtuRequest.insert(rtuRequest.end(), {0, 0});  // the checksum, which the reply does not read
    seeds.Write("modbus_reply", fuzz::kModbusRtu, ModbusReply(rtu, rtuRequest, mapping));

    const std::size_t length = pdu.size() + 1;
    Bytes8 tcpRequest{
        0,       1, 0, 0, static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length),
        kStation};
    tcpRequest.insert(tcpRequest.end(), pdu.begin(), pdu.end());
    seeds.Write("modbus_reply", fuzz::kModbusTcp, ModbusReply(tcp, tcpRequest, mapping));
  }
  modbus_free(rtu);
  modbus_free(tcp);
  modbus_mapping_free(mapping);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <seed folder>\n", argv[0]);
    return 2;
  }
  Seeds seeds(argv[1]);
  LinkSeeds(seeds);
  ParameterFileSeeds(seeds);
  NodeListSeeds(seeds);
  SettingsSeeds(seeds);
  SimRequestSeeds(seeds);
  ModbusReplySeeds(seeds);
  seeds.Report();
  return 0;
}
