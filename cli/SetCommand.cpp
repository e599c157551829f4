// set: values for a module or a parameter file, through the pages of the
// parameter sheet as the desktop program drives them: each value through its
// page's handlers in the order given, then the sheet's Apply, which applies
// the pages touched in sheet order.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "CliCommands.h"
#include "Json.h"
#include "Session.h"
#include "keys/KeyTable.h"
#include "model/FileIo.h"
#include "model/ParameterFile.h"
#include "model/Texts.h"
#include "pages/SecurityDlg.h"

namespace gw::cli {

namespace {

struct Assignment {
  const keys::Field* field;
  std::string value;
};

// KEY=VALUE words checked against the key table; nothing after saying why.
std::optional<std::vector<Assignment>> ParseAssignments(const std::vector<std::string>& words) {
  std::vector<Assignment> out;
  for (const std::string& word : words) {
    if (const auto problem = AssignmentProblem(word)) {
      std::fprintf(stderr, "%s\n", problem->c_str());
      return std::nullopt;
    }
    const auto eq = word.find('=');
    out.push_back({keys::FindField(word.substr(0, eq)), word.substr(eq + 1)});
  }
  return out;
}

}  // namespace

bool LogIn(pages::SheetRules& sheet) {
  const auto password = ReadPassword("Password: ");
  if (!password) {
    std::fprintf(stderr, "No password: type it at a terminal or set NXGCFG_PASSWORD.\n");
    return false;
  }
  auto* security = sheet.Find<pages::CSecurityDlg>();
  if (!sheet.SetActivePage(pages::PageIndex(pages::PageId::Security)) || security == nullptr) {
    return false;
  }
  security->OnLoginPasswordChanged(*password);
  security->OnLoginClicked();
  return true;
}

namespace {

std::string BlockList(const std::vector<TappedWrite>& writes, std::size_t from) {
  std::string text;
  for (std::size_t i = from; i < writes.size(); ++i) {
    text += (text.empty() ? "" : ", ") + (writes[i].page.empty() ? "" : writes[i].page + " page ") +
            "block " + std::to_string(writes[i].block);
  }
  return text;
}

// Each value through its page; the exit code.
int FeedAssignments(pages::SheetRules& sheet, const std::vector<Assignment>& assignments) {
  for (const Assignment& a : assignments) {
    const int index = pages::PageIndex(a.field->page);
    if (!sheet.SetActivePage(index)) {
      std::fprintf(stderr, "%s: the %s page cannot be opened for this module.\n",
                   a.field->key.c_str(), pages::PageCaption(a.field->page));
      return kExitFailed;
    }
    if (const auto refused = a.field->set(sheet.Page(index), a.value)) {
      std::fprintf(stderr, "%s: %s.\n", a.field->key.c_str(), refused->c_str());
      return kExitFailed;
    }
  }
  return kExitOk;
}

// The sheet's Apply: the pages in sheet order. The exit code.
int ApplySheet(Session& session, pages::SheetRules& sheet) {
  // Which page's Apply sent a write: a page reports its change after it.
  std::vector<TappedWrite>& writes = session.Tap().Writes();
  const std::size_t first = writes.size();
  std::size_t named = first;
  for (int i = 0; i < sheet.PageCount(); ++i) {
    const char* caption = pages::PageCaption(pages::kPageOrder[static_cast<std::size_t>(i)]);
    sheet.Page(i).SetChangeListener([&writes, &named, caption] {
      for (; named < writes.size(); ++named) writes[named].page = caption;
    });
  }
  const std::size_t shown = session.Ui().Messages().size();
  const bool applied = sheet.Apply();
  for (int i = 0; i < sheet.PageCount(); ++i) sheet.Page(i).SetChangeListener({});
  if (!applied) return kExitFailed;  // the page said why
  const auto& messages = session.Ui().Messages();
  for (std::size_t i = shown; i < messages.size(); ++i) {
    if (messages[i] == text::kModifyFailed || messages[i] == text::kCommunicationError) {
      std::fprintf(stderr, "Not every write was taken: %s.\n", BlockList(writes, first).c_str());
      return kExitFailed;
    }
  }
  return kExitOk;
}

// The block's bytes in hex, "**" for a new password, which is never printed.
std::vector<std::string> WriteCells(const TappedWrite& w) {
  std::vector<std::string> cells;
  char cell[4];
  for (std::size_t i = 0; i < w.bytes.size(); ++i) {
    const bool secret =
        w.block == kNetworkBlock && i >= net::Password && i < net::Password + net::kPasswordSize;
    std::snprintf(cell, sizeof cell, "%02x", w.bytes[i]);
    cells.emplace_back(secret ? "**" : cell);
  }
  return cells;
}

void PrintWrites(const std::vector<TappedWrite>& writes, bool json) {
  char mask[12];
  Json list = Json::array();
  for (const TappedWrite& w : writes) {
    const BlockInfo* info = FindBlock(w.block);
    const std::string name = info != nullptr ? std::string(info->name) : "?";
    const std::vector<std::string> cells = WriteCells(w);
    std::snprintf(mask, sizeof mask, "%08x", w.mask);
    if (json) {
      std::string bytes;
      for (const std::string& c : cells) bytes += c;
      list.push_back(
          {{"page", w.page}, {"block", w.block}, {"name", name}, {"mask", mask}, {"bytes", bytes}});
      continue;
    }
    std::printf("%s%sblock %d (%s) mask %s\n", w.page.c_str(), w.page.empty() ? "" : ": ", w.block,
                name.c_str(), mask);
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i % 16 == 0) std::printf("%04zx ", i);
      std::printf(" %s", cells[i].c_str());
      if (i % 16 == 15 || i + 1 == cells.size()) std::printf("\n");
    }
  }
  if (json) {
    std::printf("%s\n", DumpJson(list).c_str());
  } else if (writes.empty()) {
    std::printf("Nothing to write.\n");
  }
}

// Opens the module and its sheet, logs in when asked, lets `prepare` drive
// the pages, then applies the sheet (or prints what it would write). The
// exit code; `done` says what was applied.
int OnModule(CliUi& ui, const std::string& target, const SetOptions& options,
             const std::function<int(Session&, pages::SheetRules&)>& prepare,
             const std::string& done) {
  Session session(ui);
  const int index = session.OpenModule(target);
  if (index < 0) return kExitFailed;
  session.StoreNodes();
  const auto sheet = pages::OpenParameterSheet(session.Doc(), pages::SheetUse::CommandLine);
  if (options.login && !LogIn(*sheet)) return kExitFailed;
  NodeTable& nodes = session.Nodes();
  if (nodes.Locked()) {
    std::fprintf(stderr,
                 "Module %u is password locked: log in within the same run (--login, the "
                 "password from a prompt or NXGCFG_PASSWORD).\n",
                 nodes.Node(index).ModuleNumber());
    return kExitFailed;
  }
  if (options.dryRun) session.Tap().GoOffline(nodes.Node(index));
  int result = prepare(session, *sheet);
  if (result == kExitOk) result = ApplySheet(session, *sheet);
  if (result != kExitOk) return result;
  if (options.dryRun) {
    PrintWrites(session.Tap().Writes(), options.json);
  } else {
    std::printf("Module %u: %s.\n", nodes.Node(index).ModuleNumber(), done.c_str());
  }
  return kExitOk;
}

int SetModule(CliUi& ui, const SetOptions& options, const std::vector<Assignment>& assignments) {
  const std::string done = std::to_string(assignments.size()) + " value" +
                           (assignments.size() == 1 ? "" : "s") + " applied";
  return OnModule(
      ui, options.target, options,
      [&](Session&, pages::SheetRules& sheet) { return FeedAssignments(sheet, assignments); },
      done);
}

// The pages over the file's record, held by an in-process module; the file
// is rewritten, atomically, only when every value was taken.
int SetFile(CliUi& ui, const SetOptions& options, const std::vector<Assignment>& assignments) {
  auto record = ReadModFile(ui, options.target);
  if (!record) return kExitFailed;
  Session session(ui);
  session.Tap().GoOffline(*record);
  NodeTable& nodes = session.Nodes();
  nodes.SetCount(1);
  nodes.Node(0) = *record;
  if (session.Doc().OpenNode(0) != OpenResult::Opened) return kExitFailed;
  const auto sheet = pages::OpenParameterSheet(session.Doc(), pages::SheetUse::CommandLine);
  int result = FeedAssignments(*sheet, assignments);
  if (result == kExitOk) result = ApplySheet(session, *sheet);
  if (result != kExitOk) return result;
  if (options.dryRun) {
    PrintWrites(session.Tap().Writes(), options.json);
    return kExitOk;
  }
  const NodeRecord& taken = session.Tap().OfflineRecord();
  for (const BlockInfo& block : kBlocks) {
    const ConstBytes from = taken.Block(block);
    std::copy(from.begin(), from.end(), record->Block(block).begin());
  }
  const FileResult written = WriteFileBytes(options.target, EncodeParameterFile(*record));
  if (!written.ok) {
    ui.Message(written.error, Buttons::Ok, Icon::Error);
    return kExitFailed;
  }
  std::printf("%s: %zu value%s applied.\n", options.target.c_str(), assignments.size(),
              assignments.size() == 1 ? "" : "s");
  return kExitOk;
}

// The target's own name and network settings, kept by --keep-network: the
// runs of the Network block that hold them.
constexpr std::pair<std::size_t, std::size_t> kKeptNetwork[] = {
    {net::ModuleName, net::kModuleNameSize},
    {net::IpAddress, net::Password - net::IpAddress},  // address, netmask, gateway
    {net::IpConfiguration, net::Ipv6Address + net::kIpv6Size - net::IpConfiguration},
};

// The Security page's Import with the file the command names, as the sheet
// does it (every page reloads and marks its fields changed); a refused file
// stops the run before anything is sent.
int ImportFile(Session& session, pages::SheetRules& sheet, const ImportOptions& options) {
  auto* security = sheet.Find<pages::CSecurityDlg>();
  if (!sheet.SetActivePage(pages::PageIndex(pages::PageId::Security)) || security == nullptr) {
    return kExitFailed;
  }
  NodeRecord& record = *session.Nodes().CurrentRecord();
  std::vector<std::uint8_t> own(record.Block(kNetworkBlock).begin(),
                                record.Block(kNetworkBlock).end());
  const std::size_t shown = session.Ui().Messages().size();
  session.Ui().SetFileToOpen(options.file);
  security->OnImportClicked();
  if (session.Ui().Messages().size() != shown) return kExitFailed;  // the import said why
  if (options.keepNetwork) {
    const Bytes network = record.Block(kNetworkBlock);
    for (const auto& [offset, length] : kKeptNetwork) {
      std::copy_n(own.begin() + static_cast<std::ptrdiff_t>(offset), length,
                  network.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    sheet.QuerySiblings();  // the pages show the kept settings
  }
  return kExitOk;
}

}  // namespace

std::optional<std::string> AssignmentProblem(const std::string& word) {
  const auto eq = word.find('=');
  if (eq == std::string::npos) return "'" + word + "' is not KEY=VALUE.";
  const std::string key = word.substr(0, eq);
  const keys::Field* field = keys::FindField(key);
  if (field == nullptr) return "'" + key + "' is not a key; 'nxgcfg fields' lists them.";
  if (!field->set) return field->key + " is shown only; it cannot be set.";
  return std::nullopt;
}

int RunImport(CliUi& ui, const ImportOptions& options) {
  SetOptions set;
  set.dryRun = options.dryRun;
  set.json = options.json;
  set.login = options.login;
  return OnModule(
      ui, options.module, set,
      [&](Session& session, pages::SheetRules& sheet) {
        return ImportFile(session, sheet, options);
      },
      options.file + " imported");
}

int RunSet(CliUi& ui, const SetOptions& options) {
  const auto assignments = ParseAssignments(options.assignments);
  if (!assignments) return kExitUsage;
  return IsParameterFileName(options.target) ? SetFile(ui, options, *assignments)
                                             : SetModule(ui, options, *assignments);
}

}  // namespace gw::cli
