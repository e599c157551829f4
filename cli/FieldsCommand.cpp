// fields: the keys set and diff take, from the pages themselves.
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "CliCommands.h"
#include "Json.h"
#include "RecordSheet.h"
#include "Session.h"
#include "keys/KeyTable.h"
#include "report/ParameterReport.h"

namespace gw::cli {

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// "basic", "Basic", "slave mode" or "slave-mode" name the page.
bool NamesPage(const std::string& wanted, const keys::Field& f) {
  std::string caption = Lower(pages::PageCaption(f.page));
  std::replace(caption.begin(), caption.end(), ' ', '-');
  std::string name = Lower(wanted);
  std::replace(name.begin(), name.end(), ' ', '-');
  return name == caption || f.key.compare(0, name.size() + 1, name + ".") == 0;
}

}  // namespace

int RunFields(const std::string& page, bool json) {
  // The pages over a blank record: their controls hold the entries and limits.
  const RecordSheet sheet{NodeRecord{}};
  std::vector<const keys::Field*> chosen;
  for (const keys::Field& f : keys::AllFields()) {
    if (page.empty() || NamesPage(page, f)) chosen.push_back(&f);
  }
  if (chosen.empty()) {
    std::string known;
    for (pages::PageId id : pages::kPageOrder) {
      known += (known.empty() ? "" : ", ") + std::string(pages::PageCaption(id));
    }
    std::fprintf(stderr, "No keys for the page '%s'; the pages are %s.\n", page.c_str(),
                 known.c_str());
    return kExitUsage;
  }
  Json list = Json::array();
  std::vector<std::vector<std::string>> rows{{"KEY", "PAGE", "TYPE", "CAPTION", "ALLOWED"}};
  for (const keys::Field* f : chosen) {
    const std::string allowed = f->allowed(sheet.Page(f->page));
    const std::string type = f->set ? keys::TypeName(f->type) : "read-only";
    list.push_back({{"key", f->key},
                    {"page", pages::PageCaption(f->page)},
                    {"caption", f->caption},
                    {"type", type},
                    {"allowed", allowed},
                    {"settable", static_cast<bool>(f->set)}});
    rows.push_back({f->key, pages::PageCaption(f->page), type, f->caption, allowed});
  }
  if (json) {
    std::printf("%s\n", DumpJson(list).c_str());
  } else {
    const auto widths = ColumnWidths(rows);
    for (const auto& row : rows) std::fputs(AlignedRow(row, widths).c_str(), stdout);
  }
  return kExitOk;
}

}  // namespace gw::cli
