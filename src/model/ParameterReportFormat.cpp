// Terminal text of a parameter report.
#include <algorithm>

#include "ParameterReport.h"

namespace gw {
namespace {

constexpr std::string_view kItemIndent = "  ";
constexpr std::string_view kTableIndent = "    ";
constexpr std::string_view kColumnGap = "  ";

// The value of an item; a value of several lines continues under its first.
void AppendValue(std::string& out, const std::string& value, std::size_t column) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = value.find('\n', start);
    out.append(value, start, end == std::string::npos ? std::string::npos : end - start);
    out += '\n';
    if (end == std::string::npos) return;
    out.append(column, ' ');
    start = end + 1;
  }
}

void AppendItems(std::string& out, const std::vector<ReportItem>& items) {
  std::size_t nameWidth = 0;
  for (const auto& item : items) nameWidth = std::max(nameWidth, item.name.size());
  for (const auto& item : items) {
    out += kItemIndent;
    out += item.name;
    out += ':';
    if (item.value.empty()) {
      out += '\n';
      continue;
    }
    out.append(nameWidth - item.name.size() + 1, ' ');
    AppendValue(out, item.value, kItemIndent.size() + nameWidth + 2);
  }
}

// One line of cells, each padded to its column's width except the last.
void AppendRow(std::string& out, const std::vector<std::string>& cells,
               const std::vector<std::size_t>& widths) {
  std::string line(kTableIndent);
  for (std::size_t c = 0; c < widths.size(); ++c) {
    const std::string& cell = c < cells.size() ? cells[c] : std::string();
    if (c > 0) line += kColumnGap;
    line += cell;
    line.append(widths[c] - cell.size(), ' ');
  }
  line.erase(line.find_last_not_of(' ') + 1);
  out += line;
  out += '\n';
}

void AppendTable(std::string& out, const ReportTable& table) {
  out += kItemIndent;
  out += table.title;
  out += '\n';
  std::size_t columns = table.columns.size();
  for (const auto& row : table.rows) columns = std::max(columns, row.size());
  std::vector<std::size_t> widths(columns, 0);
  auto widen = [&](const std::vector<std::string>& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c) widths[c] = std::max(widths[c], cells[c].size());
  };
  widen(table.columns);
  for (const auto& row : table.rows) widen(row);

  AppendRow(out, table.columns, widths);
  std::vector<std::string> rule;
  for (std::size_t w : widths) rule.emplace_back(w, '-');
  AppendRow(out, rule, widths);
  if (table.rows.empty()) {
    out += kTableIndent;
    out += "(none)\n";
  }
  for (const auto& row : table.rows) AppendRow(out, row, widths);
}

}  // namespace

std::string FormatReportText(const std::vector<ReportSection>& sections) {
  std::string out;
  for (const auto& section : sections) {
    if (!out.empty()) out += '\n';
    out += section.title;
    out += '\n';
    out.append(section.title.size(), '=');
    out += '\n';
    AppendItems(out, section.items);
    for (const auto& table : section.tables) {
      if (!section.items.empty() || &table != &section.tables.front()) out += '\n';
      AppendTable(out, table);
    }
  }
  return out;
}

}  // namespace gw
