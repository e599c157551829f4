#include "TabSheet.h"

namespace gw::monitor {

bool CTabSheet::AddPage(std::string title, pages::PropertyPage* pane) {
  if (PageCount() >= kMaxPages) return false;
  pages_.push_back({std::move(title), pane});
  return true;
}

void CTabSheet::Click(int index) {
  if (index < 0 || index >= PageCount() || index == current_) return;
  if (current_ >= 0) Page(current_).OnKillActive();
  current_ = index;
}

int CTabSheet::SetCurrentPage(int index) {
  if (index < 0 || index >= PageCount()) return -1;
  if (index == current_) return current_;
  const int old = current_;
  current_ = index;
  return old;
}

}  // namespace gw::monitor
