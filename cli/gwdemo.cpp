// A short tour of the node data: make a node, export its parameters to a
// ".mod" file, and read the file back into a second node.
#include <cstdio>
#include <filesystem>
#include <string>

#include "model/FileIo.h"
#include "model/NodeTable.h"
#include "model/ParameterFile.h"
#include "model/ParameterTransfer.h"

using namespace gw;

namespace {

class PrintingUi : public UserInterface {
 public:
  Answer Message(const std::string& text, Buttons, Icon) override {
    std::fprintf(stderr, "%s\n", text.c_str());
    return Answer::Ok;
  }
  void ProgressOpen(const std::string&, const std::string&, int, int, int) override {}
  void ProgressStep() override {}
  void ProgressSetPosition(int) override {}
  void ProgressClose() override {}
  std::optional<std::string> ChooseFileToSave(const FileDialog&) override { return std::nullopt; }
  std::optional<std::string> ChooseFileToOpen(const FileDialog&) override { return std::nullopt; }
  void NotifyHost(int, int, const std::string&) override {}
};

void Describe(const char* label, const NodeRecord& n) {
  std::printf("%s: module %u \"%s\" MAC %s IP %s firmware %s\n", label, n.ModuleNumber(),
              n.ModuleName().c_str(), MacText(n.Mac()).c_str(), Ipv4Text(n.IpAddress()).c_str(),
              FirmwareText(n.FirmwareVersion()).c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path =
      argc > 1 ? argv[1] : (std::filesystem::temp_directory_path() / "gwdemo.mod").string();
  NodeTable table;
  table.SetCount(2);
  for (int i = 0; i < 2; ++i) {
    NodeRecord& n = table.Node(i);
    Bytes h = n.Header();
    StoreBE16(h, hdr::ModuleType, kModuleTypeNxg);
    h[hdr::MacAddress] = 0x00;
    h[hdr::MacAddress + 5] = static_cast<std::uint8_t>(0x10 + i);
    StoreBE16(h, hdr::ModuleNumber, static_cast<std::uint16_t>(1 + i));
    StoreBE16(h, hdr::FirmwareVersion, 0x0155);
  }
  NodeRecord& source = table.Node(0);
  StoreText(source.Block(0).subspan(net::ModuleName, net::kModuleNameSize), "Boiler house");
  StoreBE32(source.Block(0), net::IpAddress, 0x7F000A01);
  StoreBE16(source.Block(11), serial::StationAddress, 17);
  Describe("node 0", source);

  table.SetCurrent(0);
  if (!ExportParametersTo(table, path)) {
    std::fprintf(stderr, "could not write %s\n", path.c_str());
    return 1;
  }
  std::printf("exported %ju bytes to %s\n", static_cast<std::uintmax_t>(std::filesystem::file_size(path)),
              path.c_str());

  PrintingUi ui;
  table.SetCurrent(1);
  if (!ImportParametersFrom(table, path, ui)) return 1;
  Describe("node 1 after import", table.Node(1));
  std::printf("station address %u, MAC kept as the node's own\n",
              LoadBE16(table.Node(1).Block(11), serial::StationAddress));
  return 0;
}
