#include "TextTable.h"

#include <algorithm>

namespace gw::cli {

std::string TextTable::Format() const {
  std::vector<std::size_t> widths(headings_.size(), 0);
  auto measure = [&widths](const std::vector<std::string>& cells) {
    for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
      widths[c] = std::max(widths[c], cells[c].size());
    }
  };
  measure(headings_);
  for (const auto& row : rows_) measure(row);
  std::string out;
  auto line = [&](const std::vector<std::string>& cells) {
    std::string text;
    for (std::size_t c = 0; c < widths.size(); ++c) {
      const std::string cell = c < cells.size() ? cells[c] : "";
      text += cell;
      if (c + 1 < widths.size()) text += std::string(widths[c] - cell.size() + 2, ' ');
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    out += text + "\n";
  };
  line(headings_);
  for (const auto& row : rows_) line(row);
  return out;
}

}  // namespace gw::cli
