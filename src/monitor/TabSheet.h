#pragma once
// The tab control of the "Monitor" page: up to 16 panes, each with its title,
// one of them current. Moving to another tab hides the current pane and tells
// it that it is left; the window toolkit shows the current pane's window.

#include <string>
#include <vector>

#include "pages/PropertyPage.h"

namespace gw::monitor {

class CTabSheet {
 public:
  static constexpr int kMaxPages = 16;

  // False when 16 panes are present.
  bool AddPage(std::string title, pages::PropertyPage* pane);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  const std::string& Title(int index) const {
    return pages_.at(static_cast<std::size_t>(index)).title;
  }
  pages::PropertyPage& Page(int index) const {
    return *pages_.at(static_cast<std::size_t>(index)).pane;
  }
  int Current() const { return current_; }

  // Shows the first pane.
  void Show() { current_ = pages_.empty() ? -1 : 0; }
  // A click on tab `index`: the pane left is told (OnKillActive) and the
  // clicked one becomes current.
  void Click(int index);
  // -1 when out of range; the current index when unchanged; else the index
  // of the pane that was current.
  int SetCurrentPage(int index);

 private:
  struct Entry {
    std::string title;
    pages::PropertyPage* pane;
  };
  std::vector<Entry> pages_;
  int current_ = -1;
};

}  // namespace gw::monitor
