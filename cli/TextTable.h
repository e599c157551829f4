#pragma once
// Columns of text aligned for a terminal.

#include <string>
#include <vector>

namespace gw::cli {

class TextTable {
 public:
  explicit TextTable(std::vector<std::string> headings) : headings_(std::move(headings)) {}
  void AddRow(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }
  std::string Format() const;

 private:
  std::vector<std::string> headings_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace gw::cli
