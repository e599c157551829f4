#include "SheetRules.h"

#include <algorithm>

namespace gw::pages {

SheetRules::SheetRules(DocumentCore& document, std::vector<std::unique_ptr<PropertyPage>> pages)
    : pages_(std::move(pages)) {
  if (const NodeRecord* node = document.Nodes().CurrentRecord()) caption_ = node->ModuleName();
  for (auto& page : pages_) {
    page->SetDocument(&document);
    page->SetHost(this);
  }
}

void SheetRules::Open(int startPage) {
  for (auto& page : pages_) {
    page->OnInitDialog();
    page->NotifyChanged();
  }
  if (startPage >= 0 && startPage < PageCount()) active_ = startPage;
  Notify();
}

bool SheetRules::SetActivePage(int index) {
  if (index < 0 || index >= PageCount() || closed_) return false;
  if (index == active_) return true;
  if (!Page(index).OnSetActive()) return false;
  Page(active_).OnKillActive();
  active_ = index;
  Notify();
  return true;
}

bool SheetRules::ApplyEnabled() const {
  return std::any_of(pages_.begin(), pages_.end(),
                     [](const auto& page) { return page->IsModified(); });
}

bool SheetRules::Apply() {
  for (int i = 0; i < PageCount() && !closed_; ++i) {
    PropertyPage& page = Page(i);
    if (!page.IsModified() && !page.AppliesUnmodified()) continue;
    const bool applied = page.OnApply();
    page.NotifyChanged();
    if (!applied) {
      active_ = i;
      Notify();
      return false;
    }
    page.SetModified(false);
  }
  Notify();
  return true;
}

bool SheetRules::Ok() {
  if (!Apply()) return false;
  CloseSheet();
  return true;
}

void SheetRules::PageModifiedChanged(PropertyPage&) { Notify(); }

void SheetRules::CloseSheet() {
  if (closed_) return;
  closed_ = true;
  if (active_ < PageCount()) Page(active_).OnKillActive();
  Notify();
}

void SheetRules::QuerySiblings() {
  for (auto& page : pages_) {
    page->OnSiblingQuery();
    page->NotifyChanged();
  }
}

void SheetRules::Notify() const {
  if (listener_) listener_();
}

}  // namespace gw::pages
