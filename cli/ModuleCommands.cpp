// show, read, login, factory-reset, export: the commands that talk to one module.
#include <cstdio>
#include <string>
#include <vector>

#include "Json.h"

#include "CliCommands.h"
#include "CliUi.h"
#include "NodeReport.h"
#include "Session.h"
#include "link/RequestCodes.h"
#include "model/ParameterTransfer.h"
#include "model/RecordLayout.h"
#include "model/Texts.h"

namespace gw::cli {

namespace {

using text::kAuthenticationFailed;
using text::kConfigurationFailed;
using text::kConfigurationSuccessful;
using text::kReturnToFactory;
constexpr const char* kNoAnswer = "No answer from the module";
constexpr std::size_t kPasswordLength = 4;

// Why an exchange with the module came to nothing, in a user's words.
std::string FailureText(const LinkResult& result) {
  if (result.status == LinkStatus::WrongModule || result.setAside == LinkStatus::WrongModule) {
    return std::string(text::kCommunicationError) + ": the only replies came from another module";
  }
  switch (result.status) {
    case LinkStatus::NoTransport:
    case LinkStatus::NotOpen:
      return text::kCannotOpenDevice;
    case LinkStatus::TimedOut:
    case LinkStatus::NothingReceived:
      return std::string(text::kCommunicationError) + ": " + kNoAnswer;
    default:
      return text::kCommunicationError;
  }
}

// Fields that `read` shows only when asked to (--reveal).
struct SecretField {
  int block;
  std::size_t offset;
  std::size_t size;
  const char* name;
};
constexpr SecretField kSecretFields[] = {{0, net::Password, net::kPasswordSize, "Password"}};

// One cell per byte in hexadecimal, "**" for a byte of a secret field.
std::vector<std::string> ByteCells(ConstBytes bytes, int block, bool reveal) {
  std::vector<std::string> cells;
  char cell[4];
  for (std::uint8_t b : bytes) {
    std::snprintf(cell, sizeof cell, "%02x", b);
    cells.emplace_back(cell);
  }
  for (const SecretField& f : kSecretFields) {
    if (reveal || f.block != block) continue;
    for (std::size_t i = f.offset; i < f.offset + f.size && i < cells.size(); ++i) cells[i] = "**";
  }
  return cells;
}

std::string HexDump(const std::vector<std::string>& cells) {
  std::string out;
  char offset[24];
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i % 16 == 0) {
      std::snprintf(offset, sizeof offset, "%04zx ", i);
      out += offset;
    }
    out += " " + cells[i];
    if (i % 16 == 15 || i + 1 == cells.size()) out += "\n";
  }
  return out;
}

}  // namespace

int RunShow(CliUi& ui, const std::string& module, bool json) {
  Session session(ui);
  const int index = session.OpenModule(module);
  if (index < 0) return kExitFailed;
  session.StoreNodes();
  PrintNodeReport(session.Nodes().Node(index), session.Nodes().FirmwareNumberOf(index), json);
  return kExitOk;
}

int RunRead(CliUi& ui, const std::string& module, int block, const ReadOptions& options) {
  const BlockInfo* info = FindBlock(block);
  if (info == nullptr) {
    std::string known;
    for (const BlockInfo& b : kBlocks)
      known += (known.empty() ? "" : ", ") + std::to_string(b.number);
    std::fprintf(stderr, "%d is not a parameter block; the blocks are %s.\n", block, known.c_str());
    return kExitUsage;
  }
  Session session(ui);
  const int index = session.FindNode(module);
  if (index < 0) return kExitFailed;
  NodeTable& nodes = session.Nodes();
  nodes.SetCurrent(index);
  nodes.UpdateFirmwareNumber(index);
  const LinkResult result = session.Doc().OnOwnLink([block](DeviceLink& link) {
    LinkResult read = Failed(LinkStatus::NotOpen);
    for (int attempt = 0; attempt < link.Timing().retryCount && !read.Ok(); ++attempt) {
      read = link.ReadBlock(block);
    }
    return read;
  });
  if (result.status == LinkStatus::CannotOpen) return kExitFailed;  // said already
  if (!result.Ok()) {
    ui.Message(FailureText(result), Buttons::Ok, Icon::Error);
    return kExitFailed;
  }
  const ConstBytes bytes = nodes.Node(index).Block(*info);
  const std::vector<std::string> cells = ByteCells(bytes, block, options.reveal);
  if (options.json) {
    std::string hexText;
    for (const std::string& cell : cells) hexText += cell;
    Json redacted = Json::array();
    for (const SecretField& f : kSecretFields) {
      if (!options.reveal && f.block == block) redacted.push_back(f.name);
    }
    Json j = {{"block", block},
              {"name", std::string(info->name)},
              {"size", bytes.size()},
              {"replyCode", nodes.Node(index).ReplyCode()},
              {"bytes", hexText}};
    if (!redacted.empty()) j["redacted"] = redacted;
    std::printf("%s\n", DumpJson(j).c_str());
  } else {
    if (!options.hex) {
      std::printf("Block %d (%s), %zu bytes:\n", block, std::string(info->name).c_str(),
                  bytes.size());
    }
    std::fputs(HexDump(cells).c_str(), stdout);
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
  if (password->size() > kPasswordLength) {
    std::fprintf(stderr, "A module password has at most %zu characters.\n", kPasswordLength);
    return kExitFailed;
  }
  NodeTable& nodes = session.Nodes();
  nodes.SetCurrent(index);
  NodeRecord& node = nodes.Node(index);
  const LinkResult login =
      session.Doc().OnOwnLink([&](DeviceLink& link) { return link.Login(*password); });
  if (login.status == LinkStatus::CannotOpen) return kExitFailed;  // said already
  if (!login.Ok()) {
    ui.Message(login.status == LinkStatus::Refused ? kAuthenticationFailed : FailureText(login),
               Buttons::Ok, Icon::Error);
    return kExitFailed;
  }
  // The key never lands in a file, even when the module echoes it.
  StoreText(node.Header().subspan(hdr::LoginKey, hdr::kLoginKeySize), {});
  session.StoreNodes();
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
  const LinkResult reset =
      session.Doc().OnOwnLink([](DeviceLink& link) { return link.FactoryReset(); });
  if (reset.status == LinkStatus::CannotOpen) return kExitFailed;  // said already
  if (!reset.Ok()) {
    ui.Message(reset.status == LinkStatus::Refused ? kConfigurationFailed : FailureText(reset),
               Buttons::Ok, Icon::Error);
    return kExitFailed;
  }
  session.StoreNodes();
  ui.Message(kConfigurationSuccessful, Buttons::Ok, Icon::Information);
  return kExitOk;
}

int RunExport(CliUi& ui, const std::string& module, const std::string& file) {
  Session session(ui);
  const int index = session.OpenModule(module);
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
