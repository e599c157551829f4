// show, read, login, factory-reset, export: the commands that talk to one module.
#include <cstdio>
#include "Json.h"

#include "CliUi.h"
#include "CliCommands.h"
#include "NodeReport.h"
#include "Session.h"
#include "model/ParameterTransfer.h"
#include "model/Strings.h"
#include "link/Commands.h"
#include "protocol/ModuleSearch.h"

namespace gw::cli {

namespace {

constexpr const char* kConfigurationSuccessful = "Configuration is successful";
constexpr const char* kConfigurationFailed = "Configuration is failed";
constexpr const char* kAuthenticationFailed = "Authentication failed";
constexpr const char* kReturnToFactory = "Return to factory setting";

// Opens the module and reads all its parameters; -1 after saying why.
int OpenModule(Session& session, const std::string& module) {
  const int index = session.FindNode(module);
  if (index < 0) return -1;
  if (session.Doc().OpenNode(index) != OpenResult::Opened) return -1;
  return index;
}

std::string HexDump(ConstBytes bytes) {
  std::string out;
  char cell[24];
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i % 16 == 0) {
      std::snprintf(cell, sizeof cell, "%04zx ", i);
      out += cell;
    }
    std::snprintf(cell, sizeof cell, " %02x", bytes[i]);
    out += cell;
    if (i % 16 == 15 || i + 1 == bytes.size()) out += "\n";
  }
  return out;
}

}  // namespace

int RunShow(CliUi& ui, const std::string& module, bool json) {
  Session session(ui);
  const int index = OpenModule(session, module);
  if (index < 0) return kExitFailed;
  session.StoreNodes();
  PrintNodeReport(session.Nodes().Node(index), session.Nodes().FirmwareNumberOf(index), json);
  return kExitOk;
}

int RunRead(CliUi& ui, const std::string& module, int block, bool hex, bool json) {
  const BlockInfo* info = FindBlock(block);
  if (info == nullptr) {
    std::string known;
    for (const BlockInfo& b : kBlocks) known += (known.empty() ? "" : ", ") + std::to_string(b.number);
    std::fprintf(stderr, "%d is not a parameter block; the blocks are %s.\n", block, known.c_str());
    return kExitUsage;
  }
  Session session(ui);
  const int index = session.FindNode(module);
  if (index < 0) return kExitFailed;
  NodeTable& nodes = session.Nodes();
  nodes.SetCurrent(index);
  nodes.UpdateFirmwareNumber(index);
  DeviceLink& link = session.Link();
  if (!link.OpenLink()) return kExitFailed;
  const int commType = link.CommType();
  int result = -1;
  for (int attempt = 0; attempt < link.Timing().retryCount && result <= 0; ++attempt) {
    result = ReadBlockOnce(link, block, commType);
  }
  link.CloseLink();
  if (result <= 0) {
    ui.Message(text::kCommunicationError, Buttons::Ok, Icon::Error);
    return kExitFailed;
  }
  const ConstBytes bytes = nodes.Node(index).Block(*info);
  if (json) {
    std::string hexText;
    char cell[3];
    for (std::uint8_t b : bytes) {
      std::snprintf(cell, sizeof cell, "%02x", b);
      hexText += cell;
    }
    Json j = {{"block", block},
                        {"name", std::string(info->name)},
                        {"size", bytes.size()},
                        {"replyCode", nodes.Node(index).ReplyCode()},
                        {"bytes", hexText}};
    std::printf("%s\n", DumpJson(j).c_str());
  } else {
    if (!hex) std::printf("Block %d (%s), %zu bytes:\n", block, std::string(info->name).c_str(), bytes.size());
    std::fputs(HexDump(bytes).c_str(), stdout);
  }
  return kExitOk;
}

int RunLogin(CliUi& ui, const std::string& module) {
  Session session(ui);
  const int index = session.FindNode(module);
  if (index < 0) return kExitFailed;
  const auto password = ReadPassword("Password: ");
  if (!password) {
    std::fprintf(stderr, "No password: type it at a terminal or set NXGCFG_PASSWORD.\n");
    return kExitUsage;
  }
  NodeTable& nodes = session.Nodes();
  nodes.SetCurrent(index);
  nodes.SetLoginPassword(*password);
  DeviceLink& link = session.Link();
  if (!link.OpenLink()) return kExitFailed;
  NodeRecord& node = nodes.Node(index);
  StoreBE16(node.Header(), hdr::LockState, kLockStateUnlocked);
  StoreText(node.Header().subspan(hdr::LoginKey, hdr::kLoginKeySize), *password);
  const bool ok = link.ExchangeCommand(CmdLogin, 0);
  link.CloseLink();
  session.StoreNodes();
  if (!ok) {
    ui.Message(kAuthenticationFailed, Buttons::Ok, Icon::Error);
    return kExitFailed;
  }
  std::printf("Logged in to module %u (%s).\n", node.ModuleNumber(), MacText(node.Mac()).c_str());
  return kExitOk;
}

int RunFactoryReset(CliUi& ui, const std::string& module) {
  Session session(ui);
  const int index = session.FindNode(module);
  if (index < 0) return kExitFailed;
  NodeTable& nodes = session.Nodes();
  NodeRecord& node = nodes.Node(index);
  DeviceLink& link = session.Link();
  // As on the Security page: a locked module can be reset over a serial line only.
  if (node.LockState() == kLockStateLocked && link.CommTypeCopy() != kCommSerial) {
    std::fprintf(stderr,
                 "Module %u is password locked; its factory setting can be restored only over a "
                 "serial line.\n",
                 node.ModuleNumber());
    return kExitFailed;
  }
  if (ui.Message(kReturnToFactory, Buttons::YesNo, Icon::Question, Answer::No) != Answer::Yes) {
    return kExitFailed;
  }
  nodes.SetCurrent(index);
  link.OpenLink();
  const bool ok = link.ExchangeCommand(CmdFactoryReset, 0);
  link.CloseLink();
  session.StoreNodes();
  ui.Message(ok ? kConfigurationSuccessful : kConfigurationFailed, Buttons::Ok,
             ok ? Icon::Information : Icon::Error);
  return ok ? kExitOk : kExitFailed;
}

int RunExport(CliUi& ui, const std::string& module, const std::string& file) {
  Session session(ui);
  const int index = OpenModule(session, module);
  if (index < 0) return kExitFailed;
  session.StoreNodes();
  if (!ExportParametersTo(session.Nodes(), file)) {
    std::fprintf(stderr, "Could not write %s.\n", file.c_str());
    return kExitFailed;
  }
  std::printf("Exported the parameters of module %u to %s.\n",
              session.Nodes().Node(index).ModuleNumber(), file.c_str());
  return kExitOk;
}

}  // namespace gw::cli
