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

void AppendTable(std::string& out, const ReportTable& table) {
  out += kItemIndent;
  out += table.title;
  out += '\n';
  std::vector<std::vector<std::string>> lines{table.columns};
  lines.insert(lines.end(), table.rows.begin(), table.rows.end());
  const std::vector<std::size_t> widths = ColumnWidths(lines);

  out += AlignedRow(table.columns, widths, kTableIndent);
  std::vector<std::string> rule;
  for (std::size_t w : widths) rule.emplace_back(w, '-');
  out += AlignedRow(rule, widths, kTableIndent);
  if (table.rows.empty()) {
    out += kTableIndent;
    out += "(none)\n";
  }
  for (const auto& row : table.rows) out += AlignedRow(row, widths, kTableIndent);
}

}  // namespace

std::vector<std::size_t> ColumnWidths(const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    if (widths.size() < row.size()) widths.resize(row.size(), 0);
    for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
  }
  return widths;
}

std::string AlignedRow(const std::vector<std::string>& cells,
                       const std::vector<std::size_t>& widths, std::string_view indent) {
  std::string line(indent);
  for (std::size_t c = 0; c < widths.size(); ++c) {
    const std::string& cell = c < cells.size() ? cells[c] : std::string();
    if (c > 0) line += kColumnGap;
    line += cell;
    line.append(widths[c] - cell.size(), ' ');
  }
  line.erase(line.find_last_not_of(' ') + 1);
  line += '\n';
  return line;
}

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
