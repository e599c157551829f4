// diff: the parameters of two modules or parameter files, key by key.
#include <cstdio>

#include "CliCommands.h"
#include "Json.h"
#include "RecordSheet.h"
#include "Session.h"
#include "model/ParameterFile.h"
#include "report/ParameterReportTexts.h"

namespace gw::cli {

namespace {

// One side of the comparison: a module read now, or a parameter file.
std::optional<NodeRecord> ReadSide(CliUi& ui, std::unique_ptr<Session>& session,
                                   const std::string& side) {
  if (IsParameterFileName(side)) return ReadModFile(ui, side);
  if (!session) session = std::make_unique<Session>(ui);
  const int index = session->OpenModule(side);
  if (index < 0) return std::nullopt;
  session->StoreNodes();
  return session->Nodes().Node(index);
}

// A module's parameters as a parameter file holds them (the file keeps only
// the start of each recipient address), to compare a module with a file.
NodeRecord AsFileHolds(const NodeRecord& module) {
  NodeRecord held;
  ReadParameterFile(held, EncodeParameterFile(module));
  return held;
}

// Who the module is: told apart, never counted as a difference.
std::vector<std::pair<std::string, std::string>> Identity(const NodeRecord& r) {
  return {{"mac-address", MacText(r.Mac())},
          {"module-number", std::to_string(r.ModuleNumber())},
          {"lock-state", report::LockStateText(r.LockState())}};
}

}  // namespace

int RunDiff(CliUi& ui, const std::string& a, const std::string& b, bool json) {
  std::unique_ptr<Session> session;
  auto left = ReadSide(ui, session, a);
  if (!left) return kExitUsage;
  auto right = ReadSide(ui, session, b);
  if (!right) return kExitUsage;
  if (IsParameterFileName(a) != IsParameterFileName(b)) {
    NodeRecord& module = IsParameterFileName(a) ? *right : *left;
    module = AsFileHolds(module);
  }
  const std::vector<FieldValue> l = FieldValues(*left);
  const std::vector<FieldValue> r = FieldValues(*right);
  Json differences = Json::array();
  std::string text;
  for (std::size_t i = 0; i < l.size() && i < r.size(); ++i) {
    const keys::Field& f = *l[i].first;
    if (!f.set || l[i].second == r[i].second) continue;  // only what can be set counts
    differences.push_back({{"key", f.key},
                           {"page", pages::PageCaption(f.page)},
                           {"caption", f.caption},
                           {"a", l[i].second},
                           {"b", r[i].second}});
    text += f.key + ": " + l[i].second + " | " + r[i].second + "\n";
  }
  Json identity = Json::object();
  std::string identityText;
  const auto li = Identity(*left);
  const auto ri = Identity(*right);
  for (std::size_t i = 0; i < li.size(); ++i) {
    identity[li[i].first] = {{"a", li[i].second}, {"b", ri[i].second}};
    identityText += "  " + li[i].first + ": " + li[i].second + " | " + ri[i].second + "\n";
  }
  if (json) {
    const Json out = {
        {"equal", differences.empty()}, {"differences", differences}, {"identity", identity}};
    std::printf("%s\n", DumpJson(out).c_str());
  } else {
    std::fputs(differences.empty() ? "The parameters are equal.\n" : text.c_str(), stdout);
    std::printf("Identity (not compared):\n%s", identityText.c_str());
  }
  return differences.empty() ? kExitOk : kExitFailed;
}

}  // namespace gw::cli
