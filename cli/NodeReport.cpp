#include "NodeReport.h"

#include <cstdio>

#include "Json.h"
#include "RecordSheet.h"
#include "report/ParameterReport.h"

namespace gw::cli {

namespace {

Json ToJson(const std::vector<ReportSection>& sections) {
  Json out = Json::object();
  for (const ReportSection& section : sections) {
    Json s = Json::object();
    for (const ReportItem& item : section.items) s[item.name] = item.value;
    for (const ReportTable& table : section.tables) {
      Json rows = Json::array();
      for (const auto& row : table.rows) {
        Json r = Json::object();
        for (std::size_t c = 0; c < table.columns.size() && c < row.size(); ++c) {
          r[table.columns[c]] = row[c];
        }
        rows.push_back(std::move(r));
      }
      s[table.title] = std::move(rows);
    }
    out[section.title] = std::move(s);
  }
  return out;
}

}  // namespace

void PrintNodeReport(const NodeRecord& record, int firmwareNumber, bool json) {
  const auto sections = DescribeNode(record, firmwareNumber);
  if (json) {
    Json out = ToJson(sections);
    // The same keys as set, fields and diff take, as the pages show them.
    Json keys = Json::object();
    for (const auto& [field, value] : FieldValues(record)) keys[field->key] = value;
    out["keys"] = std::move(keys);
    std::printf("%s\n", DumpJson(out).c_str());
  } else {
    std::fputs(FormatReportText(sections).c_str(), stdout);
  }
}

}  // namespace gw::cli
